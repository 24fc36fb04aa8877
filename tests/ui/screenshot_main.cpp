// Takes a picture of the running window for the README: starts the program's window off screen, lets
// it run the given number of frames and saves what it shows.
//   ui_screenshot out.png [frames] [program arguments...]
#include <QApplication>
#include <QTimer>

#include "document/class_registration.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) return 2;
  const QString picture = arguments[1];
  const int frames = arguments.size() > 2 ? arguments[2].toInt() : 300;
  wavora::RegisterClasses();
  wavora::TMainForm window(arguments.mid(3));
  window.show();
  QTimer::singleShot(frames * 16, &window, [&] {
    window.grab().save(picture);
    app.quit();
  });
  return QApplication::exec();
}
