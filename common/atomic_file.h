#pragma once

#include <span>
#include <string>

namespace vok {

enum class Durability {
  kRenameOnly,  // the target is either the old or the new file, even if the write fails
  kFlushed,     // in addition the new file and its folder entry reach the disk
};

// Replaces the file at `path` with `bytes`: the data goes to a temporary file in the same folder,
// which is then renamed over the target. A failure at any step throws FileWriteError naming the
// path and the reason, removes the temporary file and leaves an existing target untouched.
// A replaced file keeps its permission bits.
void writeFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                         Durability durability = Durability::kRenameOnly);

// The message for a file that could not be created.
std::string cannotCreateMessage(const std::string& path);

}  // namespace vok
