#include "catalog/page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <fmt/format.h>

#include "common/atomic_file.h"
#include "common/error.h"

namespace vok {
namespace {

[[noreturn]] void fail(const std::string& path, const char* step, int error) {
  throw FileWriteError(
      fmt::format("{} ({}: {})", cannotCreateMessage(path), step, std::strerror(error)));
}

}  // namespace

PageFile::PageFile(std::string path) : path_(std::move(path)) {
  fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) fail(path_, "open", errno);
}

PageFile::~PageFile() {
  // Reached after a failure elsewhere: the page keeps what it has, nothing more is reported.
  if (fd_ >= 0) ::close(fd_);
}

void PageFile::write(std::string_view text) {
  if (fd_ < 0) fail(path_, "write", EBADF);
  while (!text.empty()) {
    const ssize_t written = ::write(fd_, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(path_, "write", errno);
    }
    if (written == 0) fail(path_, "write", ENOSPC);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void PageFile::close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) fail(path_, "close", errno);
}

}  // namespace vok
