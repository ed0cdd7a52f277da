#include "catalog/locale_formats.h"

#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <vector>

#include <fmt/format.h>

namespace vok {
namespace {

// Composite conversions, spelled out so that their fields and separators are seen one by one.
std::string expandComposites(std::string_view format) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    const char c = format[++i];
    if (c == 'D')
      out += "%m/%d/%y";
    else if (c == 'F')
      out += "%Y-%m-%d";
    else if (c == 'T')
      out += "%H:%M:%S";
    else if (c == 'R')
      out += "%H:%M";
    else if (c == 'r')
      out += "%I:%M:%S %p";
    else {
      out += '%';
      out += c;
    }
  }
  return out;
}

const char* tokenFor(char conversion) {
  switch (conversion) {
    case 'Y':
      return "yyyy";
    case 'y':
      return "yy";
    case 'm':
      return "mm";
    case 'd':
      return "dd";
    case 'e':
      return "d";
    case 'H':
      return "hh";
    case 'k':
      return "h";
    case 'I':
      return "hh";
    case 'l':
      return "h";
    case 'M':
      return "nn";
    case 'S':
      return "ss";
    case 'p':
    case 'P':
      return "ampm";
    default:
      return nullptr;  // names of days and months have no token; they are left out
  }
}

struct Piece {
  bool isToken;
  std::string text;
};

std::vector<Piece> splitStrftime(std::string_view format) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      ++i;
      if ((format[i] == 'E' || format[i] == 'O') && i + 1 < format.size())
        ++i;  // alternative digits
      if (format[i] == '%') {
        pieces.push_back({false, "%"});
      } else if (const char* token = tokenFor(format[i])) {
        pieces.push_back({true, token});
      }
      continue;
    }
    if (pieces.empty() || pieces.back().isToken) pieces.push_back({false, ""});
    pieces.back().text += format[i];
  }
  return pieces;
}

std::string twoDigits(int value) {
  return fmt::format("{:02}", value);
}

bool startsWithToken(std::string_view text, std::string_view token) {
  if (text.size() < token.size()) return false;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != token[i]) return false;
  }
  return true;
}

bool hasAmPm(std::string_view pattern) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (startsWithToken(pattern.substr(i), "ampm")) return true;
  }
  return false;
}

}  // namespace

std::string patternFromStrftime(std::string_view format, char separatorToken,
                                std::string& separator) {
  const auto pieces = splitStrftime(expandComposites(format));
  separator.clear();
  for (const auto& piece : pieces) {
    const bool single =
        piece.text.size() == 1 && std::ispunct(static_cast<unsigned char>(piece.text[0]));
    if (!piece.isToken && single) {
      separator = piece.text;
      break;
    }
  }
  std::string pattern;
  for (const auto& piece : pieces) {
    if (piece.isToken)
      pattern += piece.text;
    else if (!separator.empty() && piece.text == separator)
      pattern += separatorToken;
    else if (piece.text == " ")
      pattern += ' ';
    else
      pattern += '"' + piece.text + '"';
  }
  return pattern;
}

LocaleFormats readLocaleFormats() {
  LocaleFormats formats;
  formats.thousandsSeparator = std::localeconv()->thousands_sep;

  std::string separator;
  const std::string datePattern = patternFromStrftime(::nl_langinfo(D_FMT), '/', separator);
  if (!datePattern.empty()) formats.shortDateFormat = datePattern;
  if (!separator.empty()) formats.dateSeparator = separator;

  const std::string timePattern = patternFromStrftime(::nl_langinfo(T_FMT), ':', separator);
  if (!timePattern.empty()) formats.longTimeFormat = timePattern;
  if (!separator.empty()) formats.timeSeparator = separator;

  formats.amSymbol = ::nl_langinfo(AM_STR);
  formats.pmSymbol = ::nl_langinfo(PM_STR);
  return formats;
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

std::string formatDateTime(std::string_view pattern, const LocalDateTime& moment,
                           const LocaleFormats& formats) {
  const bool twelveHour = hasAmPm(pattern);
  const int hour = twelveHour ? (moment.hour % 12 == 0 ? 12 : moment.hour % 12) : moment.hour;
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::string_view rest = pattern.substr(i);
    auto take = [&](std::string_view token, const std::string& text) {
      if (!startsWithToken(rest, token)) return false;
      out += text;
      i += token.size();
      return true;
    };
    if (rest[0] == '"') {
      const auto close = pattern.find('"', i + 1);
      const auto end = close == std::string_view::npos ? pattern.size() : close;
      out += pattern.substr(i + 1, end - i - 1);
      i = end == pattern.size() ? end : end + 1;
      continue;
    }
    if (take("ampm", moment.hour < 12 ? formats.amSymbol : formats.pmSymbol)) continue;
    if (take("yyyy", fmt::format("{:04}", moment.year))) continue;
    if (take("yy", twoDigits(((moment.year % 100) + 100) % 100))) continue;
    if (take("mm", twoDigits(moment.month)) || take("m", std::to_string(moment.month))) continue;
    if (take("dd", twoDigits(moment.day)) || take("d", std::to_string(moment.day))) continue;
    if (take("hh", twoDigits(hour)) || take("h", std::to_string(hour))) continue;
    if (take("nn", twoDigits(moment.minute)) || take("n", std::to_string(moment.minute))) continue;
    if (take("ss", twoDigits(moment.second)) || take("s", std::to_string(moment.second))) continue;
    if (take("/", formats.dateSeparator) || take(":", formats.timeSeparator)) continue;
    out += rest[0];
    ++i;
  }
  return out;
}

}  // namespace vok
