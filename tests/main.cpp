#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  // Tests fix their own locale formats; the process stays in the "C" locale.
  std::setlocale(LC_ALL, "C");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
