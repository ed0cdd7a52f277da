#include "settings/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "settings/settings_errors.h"

namespace vok {

FileLock::FileLock(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    throw SettingsStoreError("Cannot lock the settings: " + path + ": " + std::strerror(errno));
  }
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int error = errno;
    ::close(fd_);
    throw SettingsStoreError("Cannot lock the settings: " + path + ": " + std::strerror(error));
  }
}

FileLock::~FileLock() {
  ::close(fd_);
}  // closing releases the lock

}  // namespace vok
