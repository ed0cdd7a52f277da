#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "ui/vok_application.h"

// The window tests need an application; without a display they run offscreen.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  vok::VokApplication app(argc, argv);
  std::setlocale(LC_ALL, "C");
  return RUN_ALL_TESTS();
}
