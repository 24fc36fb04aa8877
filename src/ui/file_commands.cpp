#include "ui/file_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "document/example_order.h"
#include "document/slideshow_file.h"
#include "model/node_files.h"
#include "sim/resource_strings.h"
#include "ui/data_folder.h"
#include "ui/file_dialogs.h"
#include "ui/message_sink.h"
#include "widgets/qt_text.h"

namespace wavora {

TFileCommands::TFileCommands(QWidget& window, TLinks links)
    : QObject(&window), window_(window), links_(std::move(links)), unsavedChanges_(window) {}

void TFileCommands::AddMenuEntries(QMenu& menu) {
  OpenSlideshow1 = menu.addAction(QString(), this, &TFileCommands::OpenSlideshow1Click);
  SaveSlideshow1 = menu.addAction(QString(), this, &TFileCommands::SaveSlideshow1Click);
  SaveSlideshow1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  window_.addAction(SaveSlideshow1);
  Examples1 = menu.addMenu(QString());
  Examples1->setObjectName(QStringLiteral("Examples1"));
  FillExamplesMenu();
}

void TFileCommands::ApplyCaptions() {
  OpenSlideshow1->setText(QtText(rs::OpenSlideshow));
  SaveSlideshow1->setText(QtText(rs::SaveSlideshow));
  Examples1->setTitle(QtText(rs::Examples));
}

void TFileCommands::UpdateMenu() {
  SaveSlideshow1->setEnabled(bool(links_.document->GetActiveWater()));
}

void TFileCommands::OpenSlideshow1Click() {
  if (!MayGiveUpDocument()) return;
  const auto dialog = FileDialog(&window_, rs::OpenSlideshow, rs::SlideshowFilter, rs::SlideshowExtension);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
    OpenSlideshowFile(dialog->selectedFiles().constFirst());
}

void TFileCommands::SaveSlideshow1Click() {
  if (links_.document->GetActiveWater()) SaveSlideshowAs();
}

bool TFileCommands::SaveSlideshowAs() {
  const auto dialog = FileDialog(&window_, rs::SaveSlideshow, rs::SlideshowFilter, rs::SlideshowExtension);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty() &&
         SaveSlideshowFile(dialog->selectedFiles().constFirst());
}

bool TFileCommands::SaveChanges() {
  const QString& fileName = unsavedChanges_.FileName();
  return fileName.isEmpty() ? SaveSlideshowAs() : SaveSlideshowFile(fileName);
}

bool TFileCommands::MayGiveUpDocument() {
  return unsavedChanges_.MayGiveUp(*links_.document, links_.messages, [this] { return SaveChanges(); });
}

bool TFileCommands::OpenSlideshowFile(const QString& fileName) {
  const TSlideshow& current = *links_.document;
  TOpenedSlideshow opened =
      wavora::OpenSlideshowFile(LocalPath(fileName), current.TankWidth(), current.TankHeight());
  if (opened.message.kind != TMessageBox::mbNone)
    links_.messages.ShowMessage(opened.message.kind, QString::fromStdString(opened.message.text));
  const TRef<TSlideshow> slideshow = RefCast<TSlideshow>(opened.document);
  if (!slideshow) return false;
  links_.adopt(slideshow);  // its tanks come sized to the display
  unsavedChanges_.MatchesFile(*slideshow, fileName);
  return true;
}

// An example opens as an untitled copy, so saving asks for a name and the shipped lesson stays.
void TFileCommands::OpenExample(const QString& fileName) {
  if (MayGiveUpDocument() && OpenSlideshowFile(fileName))
    unsavedChanges_.MatchesFile(*links_.document, QString());
}

void TFileCommands::FillExamplesMenu() {
  const QString folder = FindDataFolder(TDataFolder::Examples);
  std::vector<std::string> files;
  if (!folder.isEmpty()) {
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.wvr")}, QDir::Files))
      files.push_back(file.toStdString());
  }
  for (const std::string& name : InTeachingOrder(files)) {
    const QString file = QString::fromStdString(name);
    // "waves_in_the_earth.wvr" is offered as "Waves in the earth".
    QString caption = QFileInfo(file).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (caption.isEmpty()) continue;
    caption[0] = caption[0].toUpper();
    const QString path = QDir(folder).filePath(file);
    Examples1->addAction(caption, this, [this, path] { OpenExample(path); });
  }
  Examples1->setEnabled(!files.empty());
}

bool TFileCommands::SaveSlideshowFile(const QString& fileName) {
  try {
    SaveToFile(*links_.document, LocalPath(fileName));
  } catch (const std::exception& e) {
    links_.messages.ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotSave) + QStringLiteral("\n\n") +
                                                          QString::fromUtf8(e.what()));
    return false;
  }
  unsavedChanges_.MatchesFile(*links_.document, fileName);
  return true;
}

}  // namespace wavora
