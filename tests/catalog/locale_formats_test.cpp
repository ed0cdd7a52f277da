#include "catalog/locale_formats.h"

#include <gtest/gtest.h>

#include <clocale>

#include "catalog/catalog_settings.h"
#include "catalog/markup_escape.h"

namespace vok {
namespace {

TEST(LocaleFormats, GroupsThousands) {
  EXPECT_EQ(formatGrouped(0, ","), "0");
  EXPECT_EQ(formatGrouped(999, ","), "999");
  EXPECT_EQ(formatGrouped(1000, ","), "1,000");
  EXPECT_EQ(formatGrouped(1234567, ","), "1,234,567");
  EXPECT_EQ(formatGrouped(3'000'000'000, "."), "3.000.000.000");
  EXPECT_EQ(formatGrouped(1234567, ""), "1234567");
  EXPECT_EQ(formatGrouped(-1234, "\xE2\x80\xAF"),
            "-1\xE2\x80\xAF"
            "234");
  EXPECT_EQ(formatGrouped(INT64_MIN, ","), "-9,223,372,036,854,775,808");
}

TEST(LocaleFormats, PatternsUseSeparatorsTwelveHourClockAndLiterals) {
  LocaleFormats formats;
  formats.dateSeparator = ".";
  formats.timeSeparator = "h";
  const LocalDateTime moment{2006, 1, 2, 15, 4, 5};
  EXPECT_EQ(formatDateTime("yyyy/mm/dd hh:nn:ss", moment, formats), "2006.01.02 15h04h05");
  EXPECT_EQ(formatDateTime("d/m/yy h:n:s", moment, formats), "2.1.06 15h4h5");
  EXPECT_EQ(formatDateTime("h:nn AMPM", moment, formats), "3h04 PM");
  EXPECT_EQ(formatDateTime("hh:nn ampm", {2006, 1, 2, 0, 7, 0}, formats), "12h07 AM");
  EXPECT_EQ(formatDateTime("yyyy\"\xE5\xB9\xB4 d\"m", moment, formats), "2006\xE5\xB9\xB4 d1");
}

TEST(LocaleFormats, StrftimeFormatsBecomePatterns) {
  std::string separator;
  EXPECT_EQ(patternFromStrftime("%d.%m.%Y", '/', separator), "dd/mm/yyyy");
  EXPECT_EQ(separator, ".");
  EXPECT_EQ(patternFromStrftime("%D", '/', separator), "mm/dd/yy");
  EXPECT_EQ(separator, "/");
  EXPECT_EQ(patternFromStrftime("%r", ':', separator), "hh:nn:ss ampm");
  EXPECT_EQ(patternFromStrftime("%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", '/', separator),
            "yyyy\"\xE5\xB9\xB4\"mm\"\xE6\x9C\x88\"dd\"\xE6\x97\xA5\"");
  EXPECT_EQ(separator, "");
}

TEST(LocaleFormats, ReadsTheProcessLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  const LocaleFormats formats = readLocaleFormats();
  EXPECT_EQ(formats.thousandsSeparator, "");
  EXPECT_EQ(formats.shortDateFormat, "mm/dd/yy");
  EXPECT_EQ(formats.longTimeFormat, "hh:nn:ss");
  EXPECT_EQ(formats.dateSeparator, "/");
  EXPECT_EQ(formats.timeSeparator, ":");
}

TEST(HeadBlockLines, SplitsLikeAMultiLineField) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(headBlockLines(""), Lines{});
  EXPECT_EQ(headBlockLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(headBlockLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(headBlockLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(headBlockLines("\r\n\r\nb"), (Lines{"", "", "b"}));
}

TEST(MarkupEscape, ReferencesMarkupAndEncodesLinkBreakers) {
  EXPECT_EQ(escapeMarkupText("a&b<c>\"d\" 50% #1?"), "a&amp;b&lt;c&gt;&quot;d&quot; 50% #1?");
  EXPECT_EQ(escapeLinkTarget("dir/a&b 50% #1?.jpg"), "dir/a&amp;b 50%25 %231%3F.jpg");
  const std::string plain = "Caf\xC3\xA9 _-.0 Z.jpg";
  EXPECT_EQ(escapeMarkupText(plain), plain);
  EXPECT_EQ(escapeLinkTarget(plain), plain);
}

}  // namespace
}  // namespace vok
