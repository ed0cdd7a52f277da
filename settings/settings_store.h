#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/store_tree.h"

namespace vok {

// The per-user settings store: a tree of keys with named values, kept in one text file (see
// store_text_format.h). It stands in for the per-user part of the Windows registry.
//
// Nothing is held open between calls: every read takes the file as it is on disk, and every
// change is merged, under a lock, into the file as it is on disk at that moment and then written
// through a flushed temporary file and a rename. So two copies of the program saving at once lose
// nothing, the one that saves last wins value by value, and an interrupted save leaves the
// previous file in place.
//
// A file that cannot be read or parsed is reported through the problem reporter (naming the file
// and the line), moved aside as "<file>.damaged-<timestamp>", and the store starts empty. A file
// whose permissions keep it from being read is not damaged: every read and save throws
// SettingsUnreadableError and the file stays as it is. A store file that is a symbolic link stays
// one; saves keep the file's permission bits.
class SettingsStore {
 public:
  using ProblemReporter = std::function<void(const std::string& message)>;

  // `filePath` is the store file; its folder is created on the first save.
  explicit SettingsStore(std::string filePath, ProblemReporter reporter = reportOnStandardError);
  // The store at defaultSettingsFilePath().
  static SettingsStore atDefaultLocation(ProblemReporter reporter = reportOnStandardError);
  static void reportOnStandardError(const std::string& message);

  const std::string& filePath() const { return filePath_; }

  // The whole store as it is on disk now. Throws SettingsUnreadableError (as does every other
  // operation) when the file's permissions do not let it be read.
  StoreKey read() const;
  // Merges the changes into the store under the lock. Throws SettingsStoreError when the store
  // cannot be written; the file then stays as it was.
  void apply(const std::vector<StoreChange>& changes);

  // Key operations on paths like "\software\Tessaly_Vok"; each is one read or one save.
  bool keyExists(std::string_view path) const;
  void createKey(std::string_view path);
  void eraseKey(std::string_view path);  // with all values and subkeys; no error when missing
  std::vector<std::string> subkeyNames(std::string_view path) const;
  std::optional<StoredValue> value(std::string_view keyPath, std::string_view name) const;
  void setValue(std::string_view keyPath, std::string name, StoredValue value);

 private:
  std::optional<StoreKey> readOrSetAside(bool locked) const;

  std::string filePath_;
  ProblemReporter reporter_;
};

}  // namespace vok
