#include <QApplication>

#include "document/class_registration.h"

namespace wavora {
int RunWindowTests(int argc, char** argv);
int RunCatalogueWindowTests(int argc, char** argv);
}  // namespace wavora

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  wavora::RegisterClasses();
  int failed = 0;
  failed += wavora::RunWindowTests(argc, argv);
  // Last: it adds test classes to the lists the window offers.
  failed += wavora::RunCatalogueWindowTests(argc, argv);
  return failed == 0 ? 0 : 1;
}
