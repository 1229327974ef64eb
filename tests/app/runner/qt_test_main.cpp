// Tests whose code delivers events need an application object. Numbers are shown as in the
// United States, whatever the machine's locale, so that expected texts hold everywhere.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
