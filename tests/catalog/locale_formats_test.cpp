#include "catalog/locale_formats.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "catalog/catalog_settings.h"
#include "catalog/file_facts.h"
#include "catalog/markup_escape.h"
#include "support/files.h"
#include "support/temp_dir.h"

// glibc's newlocale does not free the search path it builds from LOCPATH; only these tests set it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__argz_add_sep\n";
}

namespace vok {
namespace {

using test::runCommand;
using test::shellQuote;

// Every locale is shown at this moment: single-digit day and month, an afternoon hour and a zone
// whose offset is not whole hours, so that flags, 12-hour clocks and zone fields all show.
const LocalDateTime kMoment{2026, 3, 7, 16, 5, 9, "NPT", 20700};
constexpr const char* kZoneRule = "NPT-5:45";
constexpr const char* kMomentText = "2026-03-07 16:05:09";

// Sets an environment variable for a scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// A locale to build: its name, the source it is built from and its character set.
struct LocaleBuild {
  std::string name;
  std::string source;
  std::string charset;
};

// Builds every locale into `folder` with the system's localedef, two at a time.
void buildLocales(const std::string& folder, const std::vector<LocaleBuild>& builds) {
  std::string list;
  for (const auto& b : builds)
    list += b.source + " " + b.charset + " " + folder + "/" + b.name + "\n";
  test::writeText(folder + "/list", list);
  // Status 1 means warnings only; the locale is written all the same.
  runCommand(
      "xargs -P 2 -L 1 sh -c 'localedef -i \"$0\" -f \"$1\" \"$2\" >/dev/null 2>&1; "
      "test $? -le 1 || echo \"$2\" not built >&2' < " +
      shellQuote(folder + "/list"));
}

// What the system's own tools make of a locale: date(1) expands its formats at the moment above
// (trailing blanks dropped), sed finds the byte after the first digits of a fixed date and time,
// locale(1) gives the thousands separator.
struct Reference {
  std::string date, time, dateSeparator, timeSeparator, thousandsSeparator;
};

Reference referenceOf(const std::string& folder, const std::string& name) {
  const std::string script =
      "export LOCPATH=" + shellQuote(folder) + " LC_ALL=" + shellQuote(name) + " TZ=" + kZoneRule +
      "\nd=$(locale d_fmt) t=$(locale t_fmt)\n"
      "for f in \"$d\" \"$t\"; do printf '%s\\n' \"$(date -d '" +
      kMomentText +
      "' +\"$f\" | LC_ALL=C sed 's/ *$//')\"; done\n"
      "for f in \"$d\" \"$t\"; do printf '%s\\n' \"$(date -d '2006-01-02 13:04:05' +\"$f\" | "
      "LC_ALL=C sed -nE '1s/^[^0-9]*[0-9]+([[:punct:]]).*/\\1/p')\"; done\n"
      "printf '%s\\n' \"$(locale thousands_sep)\"\n";
  const auto out = lines(runCommand("sh -c " + shellQuote(script)).output);
  if (out.size() != 5) return {};
  return {out[0], out[1], out[2].empty() ? "/" : out[2], out[3].empty() ? ":" : out[3], out[4]};
}

// The formats the program reads after setlocale(LC_ALL, "") with LC_ALL naming the locale.
std::optional<LocaleFormats> formatsOf(const std::string& name) {
  ScopedEnv all("LC_ALL", name);
  std::optional<LocaleFormats> formats;
  if (std::setlocale(LC_ALL, "") != nullptr) formats = readLocaleFormats();
  std::setlocale(LC_ALL, "C");
  return formats;
}

std::string footerText(const LocaleFormats& formats) {
  return formatFooterDateTime(kMoment, formats);
}

std::string stampText(const LocaleFormats& formats) {
  return formatTimeStamp(kMoment, formats);
}

// Separators known from each locale's conventions; the formats themselves are checked against
// date(1) for every locale.
struct KnownLocale {
  const char* source;
  const char* dateSeparator;
  const char* timeSeparator;
  const char* thousandsSeparator;
};

constexpr const char* kNarrowNoBreakSpace = "\xE2\x80\xAF";

const KnownLocale kKnownLocales[] = {
    {"cs_CZ", ".", ":", kNarrowNoBreakSpace},  // %-d.%-m.%Y
    {"nb_NO", ".", ".", kNarrowNoBreakSpace},  // %d. %b %Y, kl. %H.%M %z
    {"hi_IN", "/", ":", ","},                  // %-d/%-m/%y, %I:%M:%S %p %Z
    {"ja_JP", "/", ":", ","},                  // digits followed by kanji
    {"ko_KR", "/", ":", ","},                  // digits followed by hangul
    {"fa_IR", "/", ":", ","},                  // Persian digits only
    {"ar_SA", "/", ":", ""},                   // %A %e %B %Y
    {"th_TH", "/", ":", ","},                  // Buddhist era year
    {"hu_HU", "-", ":", "."},                  // %Y-%m-%d
    {"fi_FI", ".", ".", kNarrowNoBreakSpace},  // %H.%M.%S
    {"ca_ES", "/", ":", "."},
    {"sq_AL", ".", ":", "."},  // %I:%M:%S.%p %Z
    {"is_IS", ".", ":", "."},  // %a %e.%b %Y
    {"de_DE", ".", ":", "."},
    {"de_CH", ".", ":", "\xE2\x80\x99"},  // right single quotation mark
    {"en_US", "/", ":", ","},             // %r
    {"en_IN", "/", ":", ","},
    {"fr_FR", "/", ":", kNarrowNoBreakSpace},
    {"ru_RU", ".", ":", kNarrowNoBreakSpace},
    {"zh_CN", "/", ":", ","},
    {"he_IL", "/", ":", ","},
    {"pl_PL", ".", ":", kNarrowNoBreakSpace},
    {"el_GR", "/", ":", "."},  // Greek AM/PM
    {"bn_BD", "/", ":", ","},
    {"pt_BR", "/", ":", "."},
};

// The footer, the time stamp and the file size of one locale against the reference tools.
void checkLocale(const std::string& folder, const std::string& name,
                 const KnownLocale* known = nullptr) {
  SCOPED_TRACE(name);
  const auto formats = formatsOf(name);
  ASSERT_TRUE(formats) << "the locale was not built";
  const Reference reference = referenceOf(folder, name);
  // Formatting takes the formats as a value: the process is back in the "C" locale here.
  EXPECT_EQ(footerText(*formats), reference.date + " " + reference.time);
  EXPECT_EQ(formats->dateSeparator, reference.dateSeparator);
  EXPECT_EQ(formats->timeSeparator, reference.timeSeparator);
  EXPECT_EQ(formats->thousandsSeparator, reference.thousandsSeparator);
  if (known) {
    EXPECT_EQ(formats->dateSeparator, known->dateSeparator);
    EXPECT_EQ(formats->timeSeparator, known->timeSeparator);
    EXPECT_EQ(formats->thousandsSeparator, known->thousandsSeparator);
  }
  const std::string& d = formats->dateSeparator;
  const std::string& t = formats->timeSeparator;
  EXPECT_EQ(stampText(*formats), "2026" + d + "03" + d + "07 16" + t + "05" + t + "09");
  const std::string& k = formats->thousandsSeparator;
  EXPECT_EQ(formatGrouped(1234567, k), "1" + k + "234" + k + "567");
}

TEST(LocaleFormats, KnownLocalesMatchTheSystemTools) {
  ASSERT_TRUE(std::filesystem::is_directory("/usr/share/i18n/locales"))
      << "the locale sources are missing: install the locales package";
  test::TempDir folder;
  std::vector<LocaleBuild> builds;
  for (const auto& known : kKnownLocales) {
    builds.push_back({std::string(known.source) + ".UTF-8", known.source, "UTF-8"});
  }
  buildLocales(folder.path().string(), builds);
  ScopedEnv locpath("LOCPATH", folder.path().string());
  for (std::size_t i = 0; i < builds.size(); ++i) {
    checkLocale(folder.path().string(), builds[i].name, &kKnownLocales[i]);
  }
}

// Every locale of a list in the form of /usr/share/i18n/SUPPORTED ("name charset" a line), named
// by VOK_LOCALE_LIST; scripts/check-all-locales.sh runs it.
TEST(LocaleFormats, EveryListedLocaleMatchesTheSystemTools) {
  const char* list = std::getenv("VOK_LOCALE_LIST");
  if (list == nullptr) GTEST_SKIP() << "VOK_LOCALE_LIST names no list";
  std::vector<LocaleBuild> builds;
  std::ifstream in(list);
  for (std::string name, charset; in >> name >> charset;) {
    // The source name is the locale's name without its codeset: sr_RS.UTF-8@latin from sr_RS@latin.
    std::string source = name;
    const auto dot = source.find('.');
    if (dot != std::string::npos) source.erase(dot, source.find('@') - dot);
    builds.push_back({name, source, charset});
  }
  ASSERT_FALSE(builds.empty());
  test::TempDir folder;
  buildLocales(folder.path().string(), builds);
  ScopedEnv locpath("LOCPATH", folder.path().string());
  for (const auto& build : builds) checkLocale(folder.path().string(), build.name);
}

TEST(LocaleFormats, FixedFormatsExpandWithoutTrailingBlanks) {
  LocaleFormats formats;
  formats.dateFormat = "%-d.%-m.%Y";
  formats.timeFormat = "%I:%M %p %Z";
  LocalDateTime zoneless = kMoment;
  zoneless.zone.clear();
  EXPECT_EQ(formatFooterDateTime(zoneless, formats), "7.3.2026 04:05 PM");
  EXPECT_EQ(formatFooterDateTime(kMoment, formats), "7.3.2026 04:05 PM NPT");
  formats.dateFormat = "%a %e %B %Y";
  formats.timeFormat = "%H.%M %z";
  EXPECT_EQ(formatFooterDateTime(kMoment, formats), "Sat  7 March 2026 16.05 +0545");
  formats.dateSeparator = "-";
  formats.timeSeparator = "h";
  EXPECT_EQ(formatTimeStamp({1999, 12, 31, 0, 7, 8}, formats), "1999-12-31 00h07h08");
}

TEST(LocaleFormats, LocalTimeCarriesItsZone) {
  LocalDateTime moment;
  {
    ScopedEnv zone("TZ", kZoneRule);
    ::tzset();
    moment = localDateTimeOf(1772878809);  // 2026-03-07 10:20:09 UTC
  }
  ::tzset();
  EXPECT_EQ(formatFooterDateTime(moment, LocaleFormats{}), "2026/03/07 16:05:09");
  EXPECT_EQ(moment.zone, "NPT");
  EXPECT_EQ(moment.utcOffset, 20700);
}

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

TEST(LocaleFormats, ReadsTheProcessLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  const LocaleFormats formats = readLocaleFormats();
  EXPECT_EQ(formats.thousandsSeparator, "");
  EXPECT_EQ(formats.dateFormat, "%m/%d/%y");
  EXPECT_EQ(formats.timeFormat, "%H:%M:%S");
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
