#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vok {

// The ordered lines of one run. Cleared at the start of a run, appended to by the run, the size
// check, the picture loader and the catalog writer; shown by the log viewer, never saved.
class RunLog {
 public:
  void clear() { lines_.clear(); }
  void append(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vok
