#include "ui/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "sim/resource_strings.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

QToolButton* NavigationButton(QWidget* parent, const char* name, std::string_view caption,
                              QStyle::StandardPixmap icon, const QKeySequence& key) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(QtText(caption));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setShortcut(key);
  return button;
}

}  // namespace

THelpViewer::THelpViewer(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(QDir(folder).absolutePath()) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QtText(rs::WavoraHelp));
  resize(760, 640);

  backButton_ = NavigationButton(this, "HelpBack", rs::HelpBack, QStyle::SP_ArrowBack,
                                 QKeySequence(Qt::ALT | Qt::Key_Left));
  forwardButton_ = NavigationButton(this, "HelpForward", rs::HelpForward, QStyle::SP_ArrowForward,
                                    QKeySequence(Qt::ALT | Qt::Key_Right));
  auto* homeButton = NavigationButton(this, "HelpHome", rs::HelpHome, QStyle::SP_DirHomeIcon,
                                      QKeySequence(Qt::ALT | Qt::Key_Home));

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setSearchPaths({folder_});
  // Pages are plain files on the disk; web addresses belong in the system's browser.
  browser_->setOpenExternalLinks(true);
  QFile style(folder_ + QStringLiteral("/help.css"));
  if (style.open(QIODevice::ReadOnly))
    browser_->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));

  connect(backButton_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forwardButton_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(homeButton, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::historyChanged, this, &THelpViewer::UpdateButtons);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString help = QtText(rs::WavoraHelp);
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() || title == help ? help : title + QStringLiteral(" - ") + help);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backButton_);
  buttons->addWidget(forwardButton_);
  buttons->addWidget(homeButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  // The first page shown becomes Home, so Home is always the getting-started page.
  browser_->setSource(QUrl::fromLocalFile(folder_ + QStringLiteral("/index.html")));
  UpdateButtons();
}

void THelpViewer::ShowPage(const QString& page) {
  const qsizetype hash = page.indexOf(QLatin1Char('#'));
  QUrl url = QUrl::fromLocalFile(folder_ + QLatin1Char('/') + page.left(hash));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  browser_->setSource(url);
}

QString THelpViewer::CurrentPage() const {
  const QUrl url = browser_->source();
  const QString name = QFileInfo(url.toLocalFile()).fileName();
  return url.hasFragment() ? name + QLatin1Char('#') + url.fragment() : name;
}

void THelpViewer::UpdateButtons() {
  backButton_->setEnabled(browser_->isBackwardAvailable());
  forwardButton_->setEnabled(browser_->isForwardAvailable());
}

}  // namespace wavora
