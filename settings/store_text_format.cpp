#include "settings/store_text_format.h"

#include <fmt/format.h>

#include <optional>

namespace vok {
namespace {

constexpr std::string_view kHeader =
    "; Vok settings. One [section] per key, named by its full path; values are\n"
    ";   name = \"text\"   (escapes: \\\\ \\\" \\r \\n \\t \\xHH)   or   name = dword:0000002a\n";

bool isBareNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '-';
}

bool isBareName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (!isBareNameChar(c)) return false;
  }
  return true;
}

bool isContinuation(std::string_view text, std::size_t at, unsigned char low = 0x80,
                    unsigned char high = 0xbf) {
  if (at >= text.size()) return false;
  const auto byte = static_cast<unsigned char>(text[at]);
  return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at `at`, or 0: such sequences stay readable in the
// file, every other byte above 0x7f is escaped.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead >= 0xc2 && lead <= 0xdf) return isContinuation(text, at + 1) ? 2 : 0;
  if (lead >= 0xe0 && lead <= 0xef) {
    const unsigned char low = lead == 0xe0 ? 0xa0 : 0x80;
    const unsigned char high = lead == 0xed ? 0x9f : 0xbf;
    return isContinuation(text, at + 1, low, high) && isContinuation(text, at + 2) ? 3 : 0;
  }
  if (lead >= 0xf0 && lead <= 0xf4) {
    const unsigned char low = lead == 0xf0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xf4 ? 0x8f : 0xbf;
    return isContinuation(text, at + 1, low, high) && isContinuation(text, at + 2) &&
                   isContinuation(text, at + 3)
               ? 4
               : 0;
  }
  return 0;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void formatKey(const StoreKey& key, std::vector<std::string>& path, std::string& out) {
  // Keys that only hold subkeys are implied by their subkeys' section lines.
  if (!key.values.empty() || (key.subkeys.empty() && !path.empty())) {
    out += "\n[" + joinKeyPath(path) + "]\n";
    for (const auto& [name, value] : key.values) {
      out += isBareName(name) ? name : quoteStoreText(name);
      out += " = ";
      out += value.type == StoredValue::Type::kText ? quoteStoreText(value.text)
                                                    : fmt::format("dword:{:08x}", value.dword);
      out += '\n';
    }
  }
  for (const auto& [name, subkey] : key.subkeys) {
    path.push_back(name);
    formatKey(subkey, path, out);
    path.pop_back();
  }
}

// Reads one line of the store text; keeps the position of the first unread byte.
class LineReader {
 public:
  LineReader(std::size_t number, std::string_view line) : number_(number), line_(line) {}

  [[noreturn]] void fail(const std::string& reason) const {
    throw StoreFormatError(number_, reason);
  }

  void skipBlanks() {
    while (at_ < line_.size() && (line_[at_] == ' ' || line_[at_] == '\t')) ++at_;
  }
  bool atEnd() const { return at_ >= line_.size(); }
  char peek() const { return line_[at_]; }
  bool consume(std::string_view word) {
    if (line_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  std::string quoted() {
    ++at_;  // the opening quote
    std::string text;
    while (true) {
      if (atEnd()) fail("a quoted text has no closing quote");
      const char c = line_[at_++];
      if (c == '"') return text;
      if (c != '\\') {
        text += c;
        continue;
      }
      if (atEnd()) fail("a quoted text has no closing quote");
      const char escaped = line_[at_++];
      switch (escaped) {
        case '\\':
          text += '\\';
          break;
        case '"':
          text += '"';
          break;
        case 'r':
          text += '\r';
          break;
        case 'n':
          text += '\n';
          break;
        case 't':
          text += '\t';
          break;
        case 'x': {
          const int high = at_ < line_.size() ? hexDigit(line_[at_]) : -1;
          const int low = at_ + 1 < line_.size() ? hexDigit(line_[at_ + 1]) : -1;
          if (high < 0 || low < 0) fail("\\x must be followed by two hexadecimal digits");
          text += static_cast<char>(high * 16 + low);
          at_ += 2;
          break;
        }
        default:
          fail(fmt::format("unknown escape \\{}", escaped));
      }
    }
  }

  std::string bareName() {
    const std::size_t start = at_;
    while (!atEnd() && isBareNameChar(line_[at_])) ++at_;
    if (at_ == start) fail("a value line must start with a name");
    return std::string(line_.substr(start, at_ - start));
  }

  std::uint32_t dword() {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    while (!atEnd() && hexDigit(line_[at_]) >= 0) {
      if (++digits > 8) fail("a dword has more than 8 hexadecimal digits");
      value = value * 16 + static_cast<std::uint32_t>(hexDigit(line_[at_++]));
    }
    if (digits == 0) fail("dword: must be followed by hexadecimal digits");
    return value;
  }

 private:
  std::size_t number_;
  std::string_view line_;
  std::size_t at_ = 0;
};

std::vector<std::string> sectionPath(LineReader& reader, std::string_view line) {
  const std::size_t close = line.find_last_of(']');
  if (close == std::string_view::npos) reader.fail("a section line must end with ']'");
  for (std::size_t i = close + 1; i < line.size(); ++i) {
    if (line[i] != ' ' && line[i] != '\t') reader.fail("text after the section's ']'");
  }
  const std::size_t open = line.find('[');
  auto names = splitKeyPath(line.substr(open + 1, close - open - 1));
  for (const auto& name : names) {
    if (!isValidKeyName(name)) reader.fail("the section name holds a control character");
  }
  return names;
}

}  // namespace

StoreFormatError::StoreFormatError(std::size_t line, const std::string& reason)
    : Error(fmt::format("line {}: {}", line, reason)), line_(line), reason_(reason) {}

std::string quoteStoreText(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      if (const std::size_t length = utf8SequenceLength(text, i); length > 0) {
        out += text.substr(i, length);
        i += length;
        continue;
      }
    }
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || byte >= 0x7f)
          out += fmt::format("\\x{:02x}", byte);
        else
          out += c;
    }
    ++i;
  }
  return out + "\"";
}

std::string formatStoreText(const StoreKey& root) {
  std::string out(kHeader);
  std::vector<std::string> path;
  formatKey(root, path, out);
  return out;
}

StoreKey parseStoreText(std::string_view text) {
  StoreKey root;
  StoreKey* section = nullptr;
  std::size_t number = 0;
  // Editors on some systems start a UTF-8 file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // edited on another system

    LineReader reader(number, line);
    reader.skipBlanks();
    if (reader.atEnd() || reader.peek() == ';' || reader.peek() == '#') continue;
    if (reader.peek() == '[') {
      section = &root.create(sectionPath(reader, line));
      continue;
    }
    if (section == nullptr) reader.fail("a value comes before the first [section]");

    std::string name = reader.peek() == '"' ? reader.quoted() : reader.bareName();
    reader.skipBlanks();
    if (!reader.consume("=")) reader.fail("'=' expected after the value name");
    reader.skipBlanks();
    StoredValue value;
    if (!reader.atEnd() && reader.peek() == '"') {
      value = StoredValue::ofText(reader.quoted());
    } else if (reader.consume("dword:")) {
      value = StoredValue::ofDword(reader.dword());
    } else {
      reader.fail("a value must be a quoted text or dword:<hex>");
    }
    reader.skipBlanks();
    if (!reader.atEnd()) reader.fail("text after the value");
    if (section->values.contains(name)) reader.fail("the value '" + name + "' appears twice");
    section->values.emplace(std::move(name), std::move(value));
  }
  return root;
}

}  // namespace vok
