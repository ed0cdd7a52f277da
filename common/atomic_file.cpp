#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <fmt/format.h>

#include "common/error.h"

namespace vok {
namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void fail(const std::string& path, const char* step, int error) {
  throw FileWriteError(
      fmt::format("{} ({}: {})", cannotCreateMessage(path), step, std::strerror(error)));
}

// "." + name + ".XXXXXX", with the name cut short where the folder's name limit needs it: the
// random part alone keeps it unique.
std::string temporaryPathFor(const std::string& path) {
  constexpr std::size_t kAdded = 8;  // "." before, ".XXXXXX" after
  const std::string folder = folderOf(path);
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  const std::size_t nameMax = limit > 0 ? static_cast<std::size_t>(limit) : 255;
  std::string name = nameOf(path);
  if (name.size() + kAdded > nameMax) name.resize(nameMax > kAdded ? nameMax - kAdded : 0);
  return folder + "/." + name + ".XXXXXX";
}

// mkstemp creates 0600; a finished file gets the mode a plain creat() would have given it: that of
// the file it replaces (a private 0600 file stays private), else 0666 less the umask.
mode_t finishedFileMode(const std::string& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    return existing.st_mode & 0777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::span<const unsigned char> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename itself reaches the disk only with the folder's entry: without this a power cut
// right after a save could bring the old file back.
void flushFolderOf(const std::string& path) {
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  ::fsync(folder);
  ::close(folder);
}

}  // namespace

std::string cannotCreateMessage(const std::string& path) {
  return fmt::format("ファイル {} を作成できません", path);
}

void writeFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                         Durability durability) {
  std::string temporary = temporaryPathFor(path);
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) fail(path, "create", errno);

  const auto abandon = [&](const char* step) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    fail(path, step, error);
  };

  if (::fchmod(fd, finishedFileMode(path)) != 0) abandon("set mode");
  if (!writeAll(fd, bytes)) abandon("write");
  if (durability == Durability::kFlushed && ::fsync(fd) != 0) abandon("flush");
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    fail(path, "close", error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    fail(path, "rename", error);
  }
  if (durability == Durability::kFlushed) flushFolderOf(path);
}

}  // namespace vok
