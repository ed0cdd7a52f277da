#pragma once

#include <string>
#include <string_view>

namespace vok {

// One catalog page file, written piece by piece with every write checked. Each piece goes straight
// to the file, so after a failure the page holds exactly what was written before it.
class PageFile {
 public:
  // Creates the file, or empties an existing one. Throws FileWriteError naming the file and cause.
  explicit PageFile(std::string path);
  ~PageFile();
  PageFile(const PageFile&) = delete;
  PageFile& operator=(const PageFile&) = delete;

  // Throws FileWriteError when not every byte reaches the file.
  void write(std::string_view text);
  // Closes the file; throws FileWriteError when closing reports a failure.
  void close();

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace vok
