#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vok {

// A moment on the local clock, already broken down, with the zone it is told in.
struct LocalDateTime {
  int year = 1980;
  int month = 1;  // 1 to 12
  int day = 1;
  int hour = 0;  // 0 to 23
  int minute = 0;
  int second = 0;
  std::string zone = {};  // abbreviation such as "CET"; empty when unknown
  long utcOffset = 0;     // seconds east of UTC, meaningful only with a zone
};

// The locale's number and date conventions the catalog uses. The date and time formats are
// strftime formats as the C library's locale gives them (D_FMT, T_FMT); their names, era years
// and digits come from the locale named by `timeLocale`.
struct LocaleFormats {
  std::string thousandsSeparator = ",";
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  std::string dateFormat = "%Y/%m/%d";
  std::string timeFormat = "%H:%M:%S";
  std::string timeLocale = "C";
};

// The conventions of the process's current locale (the program calls setlocale at start).
LocaleFormats readLocaleFormats();

// `format` expanded by strftime at `moment` in the locale named `localeName`.
std::string expandTimeFormat(const std::string& format, const LocalDateTime& moment,
                             const std::string& localeName);

// The footer's date, one blank and its time, each without trailing blanks.
std::string formatFooterDateTime(const LocalDateTime& moment, const LocaleFormats& formats);

// "yyyy/mm/dd hh:nn:ss" with the locale's date and time separators.
std::string formatTimeStamp(const LocalDateTime& moment, const LocaleFormats& formats);

// A whole number with `separator` between groups of three digits.
std::string formatGrouped(std::int64_t value, std::string_view separator);

}  // namespace vok
