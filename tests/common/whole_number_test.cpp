#include "common/whole_number.h"

#include <gtest/gtest.h>
#include "support/throws.h"

namespace vok {
namespace {

TEST(WholeNumber, AcceptsDecimalWithBlanksAndSign) {
  EXPECT_EQ(tryParseWholeNumber("200"), 200);
  EXPECT_EQ(tryParseWholeNumber("  42"), 42);
  EXPECT_EQ(tryParseWholeNumber("+7"), 7);
  EXPECT_EQ(tryParseWholeNumber("-8"), -8);
  EXPECT_EQ(tryParseWholeNumber("0120"), 120);
  EXPECT_EQ(tryParseWholeNumber(" -0"), 0);
}

TEST(WholeNumber, AcceptsEveryHexadecimalPrefixInEitherCase) {
  EXPECT_EQ(tryParseWholeNumber("$ff"), 255);
  EXPECT_EQ(tryParseWholeNumber("xFF"), 255);
  EXPECT_EQ(tryParseWholeNumber("X1a"), 26);
  EXPECT_EQ(tryParseWholeNumber("0x10"), 16);
  EXPECT_EQ(tryParseWholeNumber("0X10"), 16);
  EXPECT_EQ(tryParseWholeNumber("-$10"), -16);
  EXPECT_EQ(tryParseWholeNumber("$FFFFFFFF"), -1);
}

TEST(WholeNumber, RejectsTextsThatAreNotExactlyANumber) {
  for (const char* text : {"", " ", "abc", "12 ", "1 2", "12a", "+", "-", "$", "0x", "1.5", "\t3",
                           "++1", "$g", "x-1"}) {
    EXPECT_EQ(tryParseWholeNumber(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(WholeNumber, KeepsTo32Bits) {
  EXPECT_EQ(tryParseWholeNumber("2147483647"), 2147483647);
  EXPECT_EQ(tryParseWholeNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(tryParseWholeNumber("2147483648"), std::nullopt);
  EXPECT_EQ(tryParseWholeNumber("-2147483649"), std::nullopt);
  EXPECT_EQ(tryParseWholeNumber("$100000000"), std::nullopt);
  EXPECT_EQ(tryParseWholeNumber("99999999999999999999999"), std::nullopt);
}

TEST(WholeNumber, ParseNamesTheTextInItsError) {
  EXPECT_EQ(parseWholeNumber("0x20"), 32);
  EXPECT_EQ(test::errorMessageOf<NotWholeNumberError>([] { parseWholeNumber("abc"); }),
            "'abc' is not a valid integer value");
}

}  // namespace
}  // namespace vok
