#include "codec/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

#include "codec/codec_errors.h"

namespace vok {
namespace {

std::string extensionOf(const std::string& path) {
  const auto slash = path.rfind('/');
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

std::string lowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return text;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool hasJpegExtension(const std::string& name) {
  const std::string extension = lowerAscii(extensionOf(name));
  return extension == "jpg" || extension == "jpeg";
}

void requireJpegExtension(const std::string& path) {
  if (!hasJpegExtension(path)) throw InvalidGraphicError(extensionOf(path));
}

std::vector<std::uint8_t> readPictureFile(const std::string& path) {
  return readPictureFileStart(path, static_cast<std::size_t>(kMaxPictureFileBytes));
}

std::vector<std::uint8_t> readPictureFileStart(const std::string& path, std::size_t atMost) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size > kMaxPictureFileBytes) {
    throw FileOpenError(path);
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes.resize(std::min(static_cast<std::size_t>(info.st_size), atMost));
  } catch (const std::bad_alloc&) {
    throw OutOfMemoryError();
  }
  // The file may shrink or grow while it is read: take what is there, up to the size seen.
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileOpenError(path);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace vok
