#include "settings/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <span>

#include <fmt/format.h>

#include "common/atomic_file.h"
#include "common/message_box.h"
#include "settings/file_lock.h"
#include "settings/settings_errors.h"
#include "settings/store_location.h"
#include "settings/store_text_format.h"

namespace vok {
namespace {

// What reading the store file gave: its tree, or why there is none.
struct ReadOutcome {
  bool exists = false;
  std::optional<StoreKey> tree;
  std::string problem;  // when the file exists but gives no tree
  bool denied = false;  // the problem is the file's permissions, not its content
};

ReadOutcome readStoreFile(const std::string& path) {
  ReadOutcome outcome;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    outcome.tree = StoreKey{};
    return outcome;
  }
  outcome.exists = true;
  if (fd < 0) {
    outcome.denied = errno == EACCES || errno == EPERM;
    outcome.problem = fmt::format("cannot be read ({})", std::strerror(errno));
    return outcome;
  }
  std::string text;
  char buffer[8192];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      outcome.problem = fmt::format("cannot be read ({})", std::strerror(errno));
      ::close(fd);
      return outcome;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  try {
    outcome.tree = parseStoreText(text);
  } catch (const StoreFormatError& error) {
    outcome.problem = fmt::format("is damaged at line {}: {}", error.line(), error.reason());
  }
  return outcome;
}

std::string timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// A name beside the store file that no earlier damaged copy has taken.
std::string asideName(const std::string& path) {
  const std::string base = path + ".damaged-" + timestamp();
  std::string name = base;
  for (int n = 2; ::access(name.c_str(), F_OK) == 0; ++n) name = fmt::format("{}-{}", base, n);
  return name;
}

std::string folderOf(const std::string& path) {
  const auto parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A store kept as a symbolic link (into a folder of dotfiles, say) stays one: saves replace the
// file it points to. Only the last component matters, since a rename replaces just that entry.
std::string followLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) break;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target.string()
                                : (std::filesystem::path(folderOf(path)) / target).string();
  }
  return path;
}

}  // namespace

SettingsStore::SettingsStore(std::string filePath, ProblemReporter reporter)
    : filePath_(std::move(filePath)), reporter_(std::move(reporter)) {}

SettingsStore SettingsStore::atDefaultLocation(ProblemReporter reporter) {
  return SettingsStore(defaultSettingsFilePath(), std::move(reporter));
}

void SettingsStore::reportOnStandardError(const std::string& message) {
  // The store's own problems (a damaged file set aside) do not stop the program.
  std::cerr << terminalPrefixOf(MessageKind::kWarning) << message << '\n';
}

// Reads the store; a damaged file is moved aside (under the lock, so that two copies do not both
// move it) and gives an empty store. Without a tree when the file could not be moved aside.
std::optional<StoreKey> SettingsStore::readOrSetAside(bool locked) const {
  const std::string file = followLinks(filePath_);
  ReadOutcome outcome = readStoreFile(file);
  if (outcome.tree) return std::move(outcome.tree);
  if (outcome.denied) {
    throw SettingsUnreadableError(
        fmt::format("The settings file {} {}; fix its permissions. It was left as it is and "
                    "nothing is saved over it.",
                    filePath_, outcome.problem));
  }
  if (!locked) {
    try {
      FileLock lock(file + ".lock");
      return readOrSetAside(true);
    } catch (const SettingsStoreError& error) {
      reporter_(
          fmt::format("The settings file {} {}, and it could not be moved aside ({}). The "
                      "settings start from their defaults and will not be saved.",
                      filePath_, outcome.problem, error.what()));
      return std::nullopt;
    }
  }
  const std::string aside = asideName(file);
  if (::rename(file.c_str(), aside.c_str()) != 0) {
    reporter_(fmt::format(
        "The settings file {} {}, and it could not be moved aside ({}). The settings start "
        "from their defaults and will not be saved.",
        filePath_, outcome.problem, std::strerror(errno)));
    return std::nullopt;
  }
  reporter_(fmt::format(
      "The settings file {} {}. It has been kept as {}; the settings start from their defaults.",
      filePath_, outcome.problem, aside));
  return StoreKey{};
}

StoreKey SettingsStore::read() const {
  auto tree = readOrSetAside(false);
  return tree ? std::move(*tree) : StoreKey{};
}

void SettingsStore::apply(const std::vector<StoreChange>& changes) {
  const std::string file = followLinks(filePath_);
  std::error_code error;
  std::filesystem::create_directories(folderOf(file), error);
  if (error) {
    throw SettingsStoreError(
        fmt::format("Cannot save the settings: {}: {}", folderOf(file), error.message()));
  }
  FileLock lock(file + ".lock");
  auto current = readOrSetAside(true);
  if (!current) {
    // Never write over a file that could not be kept aside: it may be all the user has.
    throw SettingsStoreError(fmt::format(
        "Cannot save the settings: {} is damaged and could not be moved aside", filePath_));
  }
  StoreKey updated = *current;
  applyChanges(updated, changes);
  if (updated == *current) return;  // nothing to merge: leave the file alone

  const std::string text = formatStoreText(updated);
  try {
    writeFileAtomically(file,
                        std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()),
                        Durability::kFlushed);
  } catch (const FileWriteError& failure) {
    throw SettingsStoreError(fmt::format("Cannot save the settings: {}", failure.what()));
  }
}

bool SettingsStore::keyExists(std::string_view path) const {
  return read().find(splitKeyPath(path)) != nullptr;
}

void SettingsStore::createKey(std::string_view path) {
  apply({StoreChange::createKey(splitKeyPath(path))});
}

void SettingsStore::eraseKey(std::string_view path) {
  apply({StoreChange::eraseKey(splitKeyPath(path))});
}

std::vector<std::string> SettingsStore::subkeyNames(std::string_view path) const {
  std::vector<std::string> names;
  const StoreKey root = read();
  if (const StoreKey* key = root.find(splitKeyPath(path))) {
    for (const auto& entry : key->subkeys) names.push_back(entry.first);
  }
  return names;
}

std::optional<StoredValue> SettingsStore::value(std::string_view keyPath,
                                                std::string_view name) const {
  const StoreKey root = read();
  const StoreKey* key = root.find(splitKeyPath(keyPath));
  if (key == nullptr) return std::nullopt;
  const auto it = key->values.find(name);
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

void SettingsStore::setValue(std::string_view keyPath, std::string name, StoredValue value) {
  apply({StoreChange::setValue(splitKeyPath(keyPath), std::move(name), std::move(value))});
}

}  // namespace vok
