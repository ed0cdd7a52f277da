#include "catalog/locale_formats.h"

#include <langinfo.h>
#include <locale.h>

#include <clocale>
#include <ctime>
#include <vector>

#include <fmt/format.h>

namespace vok {
namespace {

std::tm brokenDown(const LocalDateTime& moment) {
  std::tm parts{};
  parts.tm_year = moment.year - 1900;
  parts.tm_mon = moment.month - 1;
  parts.tm_mday = moment.day;
  parts.tm_hour = moment.hour;
  parts.tm_min = moment.minute;
  parts.tm_sec = moment.second;
  // Day names and %j need the weekday and the day of the year; timegm works them out.
  std::tm normalized = parts;
  ::timegm(&normalized);
  parts.tm_wday = normalized.tm_wday;
  parts.tm_yday = normalized.tm_yday;
  // Without a zone strftime leaves %z and %Z empty rather than guessing one.
  parts.tm_isdst = moment.zone.empty() ? -1 : 0;
  parts.tm_gmtoff = moment.utcOffset;
  parts.tm_zone = moment.zone.c_str();
  return parts;
}

// The locale to expand formats in; the "C" locale when the name cannot be loaded (any more).
class TimeLocale {
 public:
  explicit TimeLocale(const std::string& name)
      : locale_(::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name.c_str(), nullptr)) {
    if (locale_ == nullptr) locale_ = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", nullptr);
  }
  ~TimeLocale() {
    if (locale_ != nullptr) ::freelocale(locale_);
  }
  TimeLocale(const TimeLocale&) = delete;
  TimeLocale& operator=(const TimeLocale&) = delete;
  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

// The byte after the first run of ASCII digits when it is ASCII punctuation. Formats that spell
// %F, %D, names or native digits all come out right this way.
std::string separatorAfterDigits(const std::string& text, const char* fallback) {
  std::size_t i = 0;
  while (i < text.size() && !isAsciiDigit(text[i])) ++i;
  if (i == text.size()) return fallback;
  while (i < text.size() && isAsciiDigit(text[i])) ++i;
  if (i < text.size() && isAsciiPunctuation(text[i])) return std::string(1, text[i]);
  return fallback;
}

std::string withoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::string expandTimeFormat(const std::string& format, const LocalDateTime& moment,
                             const std::string& localeName) {
  const TimeLocale locale(localeName);
  if (locale.get() == nullptr) return {};
  const std::tm parts = brokenDown(moment);
  // strftime gives 0 both for an empty result and for a full buffer; a leading blank tells them
  // apart.
  const std::string padded = " " + format;
  for (std::size_t size = 256; size <= 65536; size *= 4) {
    std::vector<char> buffer(size);
    const std::size_t length =
        ::strftime_l(buffer.data(), buffer.size(), padded.c_str(), &parts, locale.get());
    if (length > 0) return std::string(buffer.data() + 1, length - 1);
  }
  return {};
}

LocaleFormats readLocaleFormats() {
  LocaleFormats formats;
  formats.thousandsSeparator = std::localeconv()->thousands_sep;
  formats.dateFormat = ::nl_langinfo(D_FMT);
  formats.timeFormat = ::nl_langinfo(T_FMT);
  const char* timeLocale = std::setlocale(LC_TIME, nullptr);
  formats.timeLocale = timeLocale != nullptr ? timeLocale : "C";

  const LocalDateTime probe{2006, 1, 2, 13, 4, 5};
  formats.dateSeparator =
      separatorAfterDigits(expandTimeFormat(formats.dateFormat, probe, formats.timeLocale), "/");
  formats.timeSeparator =
      separatorAfterDigits(expandTimeFormat(formats.timeFormat, probe, formats.timeLocale), ":");
  return formats;
}

std::string formatFooterDateTime(const LocalDateTime& moment, const LocaleFormats& formats) {
  return withoutTrailingBlanks(expandTimeFormat(formats.dateFormat, moment, formats.timeLocale)) +
         " " +
         withoutTrailingBlanks(expandTimeFormat(formats.timeFormat, moment, formats.timeLocale));
}

std::string formatTimeStamp(const LocalDateTime& moment, const LocaleFormats& formats) {
  const std::string& d = formats.dateSeparator;
  const std::string& t = formats.timeSeparator;
  return fmt::format("{:04}{}{:02}{}{:02} {:02}{}{:02}{}{:02}", moment.year, d, moment.month, d,
                     moment.day, moment.hour, t, moment.minute, t, moment.second);
}

std::string formatGrouped(std::int64_t value, std::string_view separator) {
  // Through the unsigned magnitude so that the most negative value has a digit string too.
  const std::uint64_t magnitude =
      value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string out = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace vok
