#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace vok::test {

// Runs `check` as an unprivileged user, since root may read and rename whatever the permissions
// say: as root, in a child that gives the folder to "nobody" and then becomes it. Gives whether
// `check` returned true.
template <typename Check>
bool runUnprivileged(const std::filesystem::path& dir, Check check) {
  if (::geteuid() != 0) return check();
  constexpr uid_t kNobody = 65534;
  std::filesystem::permissions(dir, std::filesystem::perms::all);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return false;
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    bool passed = false;
    try {
      passed = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && check();
    } catch (...) {
    }
    ::_exit(passed ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace vok::test
