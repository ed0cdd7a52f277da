#include "common/spill_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fmt/format.h>

#include "common/error.h"

namespace vok {
namespace {

[[noreturn]] void fail(const std::string& what, int error) {
  throw FileWriteError(fmt::format("A temporary file {} ({}).", what, std::strerror(error)));
}

}  // namespace

SpillFile::~SpillFile() {
  if (fd_ >= 0) ::close(fd_);
}

void SpillFile::open() {
  std::string folder = folder_;
  if (folder.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    folder = tmp && *tmp ? tmp : "/tmp";
  }
  // O_TMPFILE never gives the file a name; where the file system lacks it, a named file is
  // unlinked at once instead.
  fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd_ >= 0) return;
  std::string name = folder + "/.vok-spill-XXXXXX";
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) fail("cannot be made in " + folder, errno);
  ::unlink(name.c_str());
}

SpillFile::Piece SpillFile::append(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) open();
  const Piece piece{end_, bytes.size()};
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(end_ + done));
    if (written < 0 && errno == EINTR) continue;
    // A short write leaves at most a useless tail past end_, which the next append overwrites.
    if (written <= 0) fail("cannot be written", written < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(written);
  }
  end_ += bytes.size();
  return piece;
}

std::vector<std::uint8_t> SpillFile::read(Piece piece) const {
  std::vector<std::uint8_t> bytes(piece.size);
  std::size_t done = 0;
  while (done < piece.size) {
    const ssize_t got = ::pread(fd_, bytes.data() + done, piece.size - done,
                                static_cast<off_t>(piece.offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0)
      throw Error(fmt::format("A temporary file cannot be read ({}).",
                              std::strerror(got < 0 ? errno : EIO)));
    done += static_cast<std::size_t>(got);
  }
  return bytes;
}

void SpillFile::clear() {
  if (fd_ >= 0 && ::ftruncate(fd_, 0) == 0) end_ = 0;
}

}  // namespace vok
