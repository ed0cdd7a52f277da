#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vok {

// A temporary file without a name, for data that does not fit in memory: pieces are appended and
// read back by where they went. Nothing of it is left on disk once it is closed, whatever way the
// process ends. Appends are for one thread at a time; reads may run on any thread meanwhile.
class SpillFile {
 public:
  struct Piece {
    std::uint64_t offset = 0;
    std::size_t size = 0;
  };

  // Opened on the first append, in `folder` (empty: TMPDIR, or /tmp).
  explicit SpillFile(std::string folder = {}) : folder_(std::move(folder)) {}
  ~SpillFile();
  SpillFile(const SpillFile&) = delete;
  SpillFile& operator=(const SpillFile&) = delete;

  // Throws FileWriteError when the file cannot be made or written.
  Piece append(std::span<const std::uint8_t> bytes);
  // Throws Error when the piece cannot be read whole.
  std::vector<std::uint8_t> read(Piece piece) const;
  // Drops every piece, giving the space back.
  void clear();

 private:
  void open();

  std::string folder_;
  int fd_ = -1;
  std::uint64_t end_ = 0;
};

}  // namespace vok
