#include <QApplication>

#include "document/class_registration.h"
#include "sim/resource_strings.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "widgets/qt_text.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(wavora::QtText(wavora::rs::AppTitle.english));
  // Where the settings are kept (the language chosen).
  QApplication::setOrganizationName(wavora::QtText(wavora::rs::AppTitle.english));
  wavora::RegisterClasses();
  wavora::SpeakLanguage(wavora::StartingLanguage());
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  wavora::TMainForm window(arguments);
  window.show();
  return QApplication::exec();
}
