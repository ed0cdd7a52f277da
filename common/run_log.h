#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vok {

// Told of every change of a run log, so a window can show each line the moment it is added.
class RunLogListener {
 public:
  virtual ~RunLogListener() = default;
  virtual void lineAppended(const std::string& line) = 0;
  virtual void logCleared() = 0;
};

// The ordered lines of one run. Cleared at the start of a run, appended to by the run, the size
// check, the picture loader and the catalog writer; shown by the log viewer, never saved.
class RunLog {
 public:
  void clear() {
    lines_.clear();
    if (listener_ != nullptr) listener_->logCleared();
  }
  void append(std::string line) {
    lines_.push_back(std::move(line));
    if (listener_ != nullptr) listener_->lineAppended(lines_.back());
  }
  const std::vector<std::string>& lines() const { return lines_; }
  // One listener at a time; nullptr stops telling.
  void setListener(RunLogListener* listener) { listener_ = listener; }

 private:
  std::vector<std::string> lines_;
  RunLogListener* listener_ = nullptr;
};

}  // namespace vok
