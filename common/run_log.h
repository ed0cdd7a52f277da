#pragma once

#include <algorithm>
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
    for (RunLogListener* listener : listeners_) listener->logCleared();
  }
  void append(std::string line) {
    lines_.push_back(std::move(line));
    for (RunLogListener* listener : listeners_) listener->lineAppended(lines_.back());
  }
  const std::vector<std::string>& lines() const { return lines_; }
  // A listener is told until it is removed, in the order listeners were added.
  void addListener(RunLogListener* listener) { listeners_.push_back(listener); }
  void removeListener(RunLogListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
  }

 private:
  std::vector<std::string> lines_;
  std::vector<RunLogListener*> listeners_;
};

}  // namespace vok
