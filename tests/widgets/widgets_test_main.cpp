#include <QApplication>

int RunScrollerListTests(int argc, char** argv);
int RunButtonTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failed = 0;
  failed += RunScrollerListTests(argc, argv);
  failed += RunButtonTests(argc, argv);
  return failed == 0 ? 0 : 1;
}
