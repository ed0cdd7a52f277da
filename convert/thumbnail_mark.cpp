#include "convert/thumbnail_mark.h"

#include <fmt/format.h>

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

std::string fileNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ThumbnailMark markOf(const std::string& sourcePath, ThumbnailBox box) {
  ThumbnailMark mark{box, fileNameOf(sourcePath), std::nullopt, std::nullopt};
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
  return text;
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
