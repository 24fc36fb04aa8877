#include "ui/help_menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QCursor>

#include "sim/resource_strings.h"
#include "sim/water.h"
#include "ui/about_box.h"
#include "ui/data_folder.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/language.h"
#include "ui/message_sink.h"
#include "widgets/qt_text.h"

namespace wavora {

THelpMenu::THelpMenu(TLinks links) : QMenu(&links.window), links_(std::move(links)) {
  setObjectName(QStringLiteral("HelpMenu"));
  WavoraHelp1 = addAction(QString(), this, [this] { ShowHelp(QStringLiteral("index.html")); });
  auto* contextHelp = new QAction(this);
  contextHelp->setShortcut(QKeySequence::HelpContents);
  // Also while the help window has the focus, so pointing at one panel after another and pressing F1
  // turns its pages.
  contextHelp->setShortcutContext(Qt::ApplicationShortcut);
  connect(contextHelp, &QAction::triggered, this, &THelpMenu::ShowHelpAtPointer);
  links_.window.addAction(contextHelp);
  addSeparator();
  shapes_ = addMenu(QString());
  shapes_->setObjectName(QStringLiteral("DisplayShape1"));
  DisplayShapes = new QActionGroup(this);
  for (int tag = 0; tag < 4; ++tag) {
    QAction* entry = shapes_->addAction(QString(), this, [this, tag] { links_.setDisplayShape(tag); });
    entry->setData(tag);
    entry->setCheckable(true);
    entry->setChecked(tag == 0);
    DisplayShapes->addAction(entry);
  }
  Presentation1 = addAction(QString(), this, [this] { links_.present(); });
  Presentation1->setObjectName(QStringLiteral("Presentation1"));
  Presentation1->setShortcut(QKeySequence(Qt::Key_F11));
  links_.window.addAction(Presentation1);
  // A view setting for the session, like the display shape: lesson files do not keep it.
  Theory1 = addAction(QString());
  Theory1->setObjectName(QStringLiteral("Theory1"));
  Theory1->setCheckable(true);
  connect(Theory1, &QAction::toggled, this, [this](bool on) { links_.showTheory(on); });
  HighContrast1 = addAction(QString());
  HighContrast1->setObjectName(QStringLiteral("HighContrast1"));
  HighContrast1->setCheckable(true);
  connect(HighContrast1, &QAction::toggled, this, [this](bool on) { links_.setHighContrast(on); });
  addSeparator();
  // Each language by its own name, so a reader finds theirs whatever the menu speaks now.
  languages_ = addMenu(QString());
  languages_->setObjectName(QStringLiteral("Language1"));
  auto* spoken = new QActionGroup(this);
  for (const TLanguage& language : Languages()) {
    QAction* entry =
        languages_->addAction(language.name, this, [this, code = language.code] { links_.speak(code); });
    entry->setData(language.code);
    entry->setCheckable(true);
    spoken->addAction(entry);
  }
  addSeparator();
  AboutWavora1 = addAction(QString(), this, [this] {
    TAboutBox about(&links_.window);
    about.exec();
  });
  AboutWavora1->setObjectName(QStringLiteral("AboutWavora1"));
  addSeparator();
  exit1 = addAction(QString(), &links_.window, &QWidget::close);
  exit1->setObjectName(QStringLiteral("exit1"));
}

void THelpMenu::ApplyCaptions() {
  const std::string_view shapeNames[] = {rs::ShapeNormal, rs::ShapeSmall, rs::ShapeLongAndThin,
                                         rs::ShapeTallAndNarrow};
  for (QAction* entry : DisplayShapes->actions())
    entry->setText(QtText(shapeNames[entry->data().toInt()]));
  shapes_->setTitle(QtText(rs::DisplayShape));
  WavoraHelp1->setText(QtText(rs::WavoraHelp));
  languages_->setTitle(QtText(rs::Language));
  for (QAction* entry : languages_->actions())
    entry->setChecked(entry->data().toString() == SpokenLanguage());
  Presentation1->setText(QtText(rs::Presentation));
  Theory1->setText(QtText(rs::Theory));
  HighContrast1->setText(QtText(rs::HighContrast));
  AboutWavora1->setText(QtText(rs::AboutWavora));
  exit1->setText(QtText(rs::Exit));
}

void THelpMenu::CheckDisplayShape(int tag) {
  for (QAction* entry : DisplayShapes->actions())
    entry->setChecked(entry->data().toInt() == tag);
}

void THelpMenu::ShowHelpAtPointer() {
  // The part of the window under the pointer, else the one with the keyboard focus.
  QWidget* pointed = QApplication::widgetAt(QCursor::pos());
  const QWidget* part =
      pointed && links_.window.isAncestorOf(pointed) ? pointed : QApplication::focusWidget();
  ShowHelp(HelpPageAt(part, links_.current().Get()));
}

void THelpMenu::ShowHelp(const QString& page) {
  if (!helpViewer_) {
    const QString folder = FindDataFolder(TDataFolder::Help);
    if (folder.isEmpty()) {
      links_.messages.ShowMessage(TMessageBox::mbError, QtText(rs::HelpNotFound));
      return;
    }
    helpViewer_ = new THelpViewer(folder, &links_.window);
  }
  helpViewer_->ShowPage(page);
  helpViewer_->show();
  helpViewer_->raise();
  helpViewer_->activateWindow();
}

}  // namespace wavora
