#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vok {

// A moment on the local clock, already broken down.
struct LocalDateTime {
  int year = 1980;
  int month = 1;  // 1 to 12
  int day = 1;
  int hour = 0;  // 0 to 23
  int minute = 0;
  int second = 0;
};

// The locale's number and date conventions the catalog uses. Date and time patterns use these
// tokens (case-insensitive): yyyy yy mm m dd d hh h nn n ss s ampm; "/" stands for the date
// separator, ":" for the time separator, text in double quotes is literal, anything else is copied.
// With "ampm" present the hours run on the 12-hour clock.
struct LocaleFormats {
  std::string thousandsSeparator = ",";
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  std::string shortDateFormat = "yyyy/mm/dd";
  std::string longTimeFormat = "hh:nn:ss";
  std::string amSymbol = "AM";
  std::string pmSymbol = "PM";
};

// The conventions of the process's current locale (the program calls setlocale at start).
LocaleFormats readLocaleFormats();

// Turns a strftime format as the C library's locale gives it (D_FMT, T_FMT) into a pattern of the
// tokens above. `separator` receives the single punctuation byte between the fields, if any; the
// pattern then spells it as `separatorToken`.
std::string patternFromStrftime(std::string_view format, char separatorToken,
                                std::string& separator);

// A whole number with `separator` between groups of three digits.
std::string formatGrouped(std::int64_t value, std::string_view separator);

// `moment` written by `pattern` under `formats`.
std::string formatDateTime(std::string_view pattern, const LocalDateTime& moment,
                           const LocaleFormats& formats);

}  // namespace vok
