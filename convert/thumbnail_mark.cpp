#include "convert/thumbnail_mark.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <string_view>

#include "convert/file_stamp.h"

namespace vok {
namespace {

constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kComment = 0xFE;
constexpr std::string_view kProgramLine = "program=Vok\n";

struct Segment {
  std::uint8_t marker = 0;
  std::size_t start = 0;  // at the 0xFF
  std::size_t end = 0;    // one past its last byte
};

// Walks the segments after the start marker up to the first scan. Stops quietly at anything it
// does not understand: the callers only look for what they can find.
template <typename Visit>
void forEachHeaderSegment(std::span<const std::uint8_t> jpeg, Visit visit) {
  if (jpeg.size() < 2 || jpeg[0] != kMarker || jpeg[1] != kStartOfImage) return;
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == kMarker) {
    const std::uint8_t marker = jpeg[at + 1];
    if (marker == kStartOfScan || marker == kMarker) return;
    const std::size_t length = std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3];
    if (length < 2 || at + 2 + length > jpeg.size()) return;
    if (!visit(Segment{marker, at, at + 2 + length})) return;
    at += 2 + length;
  }
}

bool isMarkSegment(std::span<const std::uint8_t> jpeg, const Segment& segment) {
  if (segment.marker != kComment) return false;
  const std::size_t payload = segment.start + 4;
  if (segment.end - payload < kProgramLine.size()) return false;
  return std::string_view(reinterpret_cast<const char*>(jpeg.data() + payload),
                          kProgramLine.size()) == kProgramLine;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || byte == '\\') {
      out += fmt::format("\\x{:02X}", byte);
    } else {
      out += c;
    }
  }
  return out;
}

// The reverse of `escaped`; nothing for a broken escape.
std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 3 >= text.size() || text[i + 1] != 'x' ||
        std::from_chars(text.data() + i + 2, text.data() + i + 4, value, 16).ec != std::errc())
      return std::nullopt;
    out += static_cast<char>(value);
    i += 3;
  }
  return out;
}

// The whole text as a decimal number, or nothing.
std::optional<std::int64_t> wholeNumberIn(std::string_view text) {
  std::int64_t parsed = 0;
  const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || rest != text.data() + text.size()) return std::nullopt;
  return parsed;
}

std::string fileNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ThumbnailMark markOf(const std::string& sourcePath, ThumbnailBox box) {
  ThumbnailMark mark;
  mark.box = box;
  mark.sourceName = fileNameOf(sourcePath);
  if (const auto stamp = stampOf(sourcePath)) {
    mark.sourceBytes = stamp->size;
    mark.sourceModifiedNs = stamp->modifiedNs;
  }
  return mark;
}

std::string markText(const ThumbnailMark& mark) {
  std::string text(kProgramLine);
  text += fmt::format("box={}x{}\n", mark.box.width, mark.box.height);
  text += "source=" + escaped(mark.sourceName) + "\n";
  if (mark.sourceBytes) text += fmt::format("source-bytes={}\n", *mark.sourceBytes);
  if (mark.sourceModifiedNs) text += fmt::format("source-mtime-ns={}\n", *mark.sourceModifiedNs);
  if (mark.smooth) text += "smooth=1\n";
  if (mark.orientation) text += fmt::format("orientation={}\n", *mark.orientation);
  // The first rules wrote no revision: a mark without one was made by them.
  if (mark.pixelRules != 1) text += fmt::format("pixel-rules={}\n", mark.pixelRules);
  return text;
}

std::optional<ThumbnailMark> readMark(std::span<const std::uint8_t> jpeg) {
  std::optional<std::string_view> text;
  forEachHeaderSegment(jpeg, [&](const Segment& segment) {
    if (!isMarkSegment(jpeg, segment)) return true;
    text = std::string_view(reinterpret_cast<const char*>(jpeg.data() + segment.start + 4),
                            segment.end - segment.start - 4);
    return false;
  });
  if (!text) return std::nullopt;
  ThumbnailMark mark;
  mark.pixelRules = 1;  // a mark without a revision was made by the first rules
  bool haveBox = false, haveSource = false;
  for (std::size_t start = kProgramLine.size(); start < text->size();) {
    const std::size_t end = std::min(text->find('\n', start), text->size());
    const std::string_view line = text->substr(start, end - start);
    start = end + 1;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "box") {
      const std::size_t x = value.find('x');
      if (x == std::string_view::npos) return std::nullopt;
      const auto width = wholeNumberIn(value.substr(0, x));
      const auto height = wholeNumberIn(value.substr(x + 1));
      if (!width || !height) return std::nullopt;
      mark.box = {static_cast<int>(*width), static_cast<int>(*height)};
      haveBox = true;
    } else if (key == "source") {
      const auto name = unescaped(value);
      if (!name) return std::nullopt;
      mark.sourceName = *name;
      haveSource = true;
    } else if (key == "source-bytes") {
      if (!(mark.sourceBytes = wholeNumberIn(value))) return std::nullopt;
    } else if (key == "source-mtime-ns") {
      if (!(mark.sourceModifiedNs = wholeNumberIn(value))) return std::nullopt;
    } else if (key == "smooth") {
      mark.smooth = value == "1";
    } else if (key == "orientation") {
      const auto orientation = wholeNumberIn(value);
      if (!orientation || *orientation < 1 || *orientation > 8) return std::nullopt;
      mark.orientation = static_cast<int>(*orientation);
    } else if (key == "pixel-rules") {
      const auto rules = wholeNumberIn(value);
      if (!rules) return std::nullopt;
      mark.pixelRules = static_cast<int>(*rules);
    }
  }
  if (!haveBox || !haveSource) return std::nullopt;
  return mark;
}

std::vector<std::uint8_t> withMark(std::span<const std::uint8_t> jpeg, const ThumbnailMark& mark) {
  std::string text = markText(mark);
  // A segment holds at most 65533 bytes; only a name of that length could reach it.
  if (text.size() > 0xFFFD) text.resize(0xFFFD);
  std::size_t insertAt = 2;
  forEachHeaderSegment(jpeg, [&](const Segment& segment) {
    if (segment.marker == kApp0) insertAt = segment.end;
    return false;  // only the segment right after the start marker matters
  });
  if (jpeg.size() < insertAt) insertAt = jpeg.size();

  const std::size_t length = text.size() + 2;
  std::vector<std::uint8_t> out;
  out.reserve(jpeg.size() + 2 + length);
  out.insert(out.end(), jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(insertAt));
  out.push_back(kMarker);
  out.push_back(kComment);
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length & 0xFF));
  out.insert(out.end(), text.begin(), text.end());
  out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(insertAt), jpeg.end());
  return out;
}

bool carriesMark(std::span<const std::uint8_t> jpeg) {
  bool found = false;
  forEachHeaderSegment(jpeg, [&](const Segment& segment) {
    found = isMarkSegment(jpeg, segment);
    return !found;
  });
  return found;
}

std::vector<std::uint8_t> withoutMark(std::span<const std::uint8_t> jpeg) {
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.end());
  forEachHeaderSegment(jpeg, [&](const Segment& segment) {
    if (!isMarkSegment(jpeg, segment)) return true;
    out.erase(out.begin() + static_cast<std::ptrdiff_t>(segment.start),
              out.begin() + static_cast<std::ptrdiff_t>(segment.end));
    return false;
  });
  return out;
}

}  // namespace vok
