// Takes the picture of the running window for the README: starts the program's window off screen
// with three slides on the slides tab, lets the first run the given number of frames and saves what
// the window shows.
//   ui_screenshot out.png [frames]
#include <QApplication>
#include <QTimer>

#include "document/class_registration.h"
#include "ui/main_window.h"
#include "widgets/custom_speed_button.h"
#include "widgets/scroller_list.h"

int main(int argc, char** argv) {
  using namespace wavora;
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) return 2;
  const QString picture = arguments[1];
  const int frames = arguments.size() > 2 ? arguments[2].toInt() : 300;
  RegisterClasses();
  TMainForm window({});
  window.show();

  const auto button = [&](const char* name) { return window.findChild<TCustomSpeedButton*>(name); };
  button("MenuButton")->click();
  button("NewSlideBtn")->click();
  button("NewSlideBtn")->click();
  const char* names[][2] = {
      {"A beam of waves", "Straight wave fronts leave the beam source and spread a little."},
      {"Drips", "Press Drips, then click on the water."},
      {"Contrast", "Move the Contrast slider to see the smallest waves."}};
  for (int i = 0; i < 3; ++i) {
    window.Document().GetWater(i)->SetName(names[i][0]);
    window.Document().GetWater(i)->SetDescription(names[i][1]);
  }
  auto* list = window.findChild<TScrollerList*>("SlideList");
  list->SetSelectedIndex(0);
  window.SlideListClick();
  for (int i = 0; i < 3; ++i)
    list->SetItemText(i, QString::fromStdString(window.Document().SlideName(i)) + QChar(27) +
                             QString::fromStdString(window.Document().SlideDescription(i)));

  QTimer::singleShot(frames * 16, &window, [&] {
    window.grab().save(picture);
    app.quit();
  });
  return QApplication::exec();
}
