#include "ui/clipboard_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "document/slide_clipboard.h"
#include "image/snapshot_file.h"
#include "sim/resource_strings.h"
#include "ui/dib_image.h"
#include "ui/file_dialogs.h"
#include "ui/message_sink.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

QString SlideFormat() {
  return QtText(kSlideClipboardFormat);
}

QAction* MenuEntry(QMenu& menu, QWidget& window, const char* name, const char* shortcut) {
  QAction* entry = menu.addAction(QString());
  entry->setObjectName(QLatin1String(name));
  entry->setShortcut(QKeySequence(QLatin1String(shortcut)));
  window.addAction(entry);
  return entry;
}

}  // namespace

TClipboardCommands::TClipboardCommands(QWidget& window, TLinks links)
    : QObject(&window), window_(window), links_(std::move(links)) {}

void TClipboardCommands::AddMenuEntries(QMenu& menu) {
  Cut1 = MenuEntry(menu, window_, "Cut1", "Ctrl+X");
  Copy1 = MenuEntry(menu, window_, "Copy1", "Ctrl+C");
  Paste1 = MenuEntry(menu, window_, "Paste1", "Ctrl+V");
  connect(Cut1, &QAction::triggered, this, &TClipboardCommands::Cut1Click);
  connect(Copy1, &QAction::triggered, this, &TClipboardCommands::Copy1Click);
  connect(Paste1, &QAction::triggered, this, &TClipboardCommands::Paste1Click);
  // "Paste Slide" follows what the clipboard offers while the program runs.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardCommands::UpdateMenu);
}

void TClipboardCommands::ApplyCaptions() {
  Cut1->setText(QtText(rs::CutSlide));
  Copy1->setText(QtText(rs::CopySlide));
  Paste1->setText(QtText(rs::PasteSlide));
}

void TClipboardCommands::UpdateMenu() {
  const bool slide = bool(links_.document->GetActiveWater());
  Copy1->setEnabled(slide);
  Cut1->setEnabled(slide && links_.document->SlideCount() > 1);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  Paste1->setEnabled(data && data->hasFormat(SlideFormat()));
}

void TClipboardCommands::Copy1Click() {
  const TRef<TWater> tank = links_.document->GetActiveWater();
  if (!tank) return;
  const QByteArray text = QByteArray::fromStdString(SlideClipboardText(*tank));
  auto* data = new QMimeData;
  // The slide format carries the text with its terminating zero byte, as programs that read it expect.
  data->setData(SlideFormat(), text + QByteArray(1, '\0'));
  data->setText(QString::fromUtf8(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

void TClipboardCommands::Paste1Click() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(SlideFormat())) return;
  // The plain text is the slide; a program that offers only the slide format gives it there.
  const QByteArray text = data->hasText() ? data->text().toUtf8() : data->data(SlideFormat());
  const TPastedSlide pasted = PasteSlide(*links_.document, text.toStdString());
  for (const std::string& error : pasted.errors)
    links_.messages.ShowMessage(TMessageBox::mbError, QtText(error));
  if (pasted.slide) links_.pasted();
}

void TClipboardCommands::Cut1Click() {
  if (!links_.document->GetActiveWater() || links_.document->SlideCount() <= 1) return;
  Copy1Click();
  links_.removeSlide();
}

void TClipboardCommands::CopySnapshot() {
  QGuiApplication::clipboard()->setImage(DibToImage(links_.tankImage));
}

void TClipboardCommands::SaveSnapshot() {
  const TFastDIB snapshot = links_.tankImage;
  const QString fileName =
      AskSaveFileName(&window_, rs::SnapshotDialogTitle, rs::SnapshotFilter, rs::SnapshotExtension);
  if (fileName.isEmpty()) return;
  try {
    SaveSnapshotFile(snapshot, LocalPath(fileName));
  } catch (const std::exception& e) {
    links_.messages.ShowMessage(
        TMessageBox::mbError,
        QtText(rs::CouldNotSaveSnapshot) + QStringLiteral("\n\n") + QString::fromUtf8(e.what()));
  }
}

}  // namespace wavora
