#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace wavora {

// The program's own window for its help pages: a text browser over the shipped folder of pages, with
// Back, Forward (also Alt+Left and Alt+Right) and Home. Links to other pages and their sections open
// in it; links to web sites open in the system's browser.
class THelpViewer : public QWidget {
  Q_OBJECT

 public:
  // folder: where the pages are (index.html is Home).
  THelpViewer(const QString& folder, QWidget* parent);

  // page: a file name in the folder, with or without "#section".
  void ShowPage(const QString& page);
  // The page shown: its file name and section, e.g. "TLensMapper.html#panel".
  QString CurrentPage() const;

 private:
  void UpdateButtons();

  QString folder_;
  QTextBrowser* browser_ = nullptr;
  QToolButton* backButton_ = nullptr;
  QToolButton* forwardButton_ = nullptr;
};

}  // namespace wavora
