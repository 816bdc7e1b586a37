#include "Suites.h"

#include <QApplication>

#include <initializer_list>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = 0;
  for (const auto run : {RunTableTests, RunTableAccessTests, RunErrorReportTests}) {
    failures += run(argc, argv) != 0 ? 1 : 0;
  }
  return failures;
}
