#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

// The dialogs need a QApplication; without a display they draw off screen.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "C");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
