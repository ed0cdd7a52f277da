#include "app/terminal_window.h"

#include <unistd.h>

#include <algorithm>

#include "app/interrupt_signal.h"
#include "convert/jpeg_file_list.h"

namespace vok {
TerminalWindow::TerminalWindow(Fields fields, const RunLog& log, bool printLog)
    : fields_(std::move(fields)),
      log_(log),
      printLog_(printLog),
      progressOnTerminal_(::isatty(STDERR_FILENO) == 1) {}

void TerminalWindow::setFolders(std::string original, std::string thumbnail) {
  original_ = std::move(original);
  thumbnail_ = std::move(thumbnail);
}

void TerminalWindow::readFileList() {
  files_ = listJpegFiles(original_);
  selected_.assign(files_.size(), false);
}

bool TerminalWindow::stopRequested() const {
  return interruptRequested();
}

void TerminalWindow::selectAll() {
  selected_.assign(files_.size(), true);
}

void TerminalWindow::refreshFileLists() {
  flushLog();
  readFileList();
}

void TerminalWindow::flushLog() {
  // A new run clears the log: start printing from its first line again.
  if (log_.lines().size() < printedLines_) printedLines_ = 0;
  for (; printedLines_ < log_.lines().size(); ++printedLines_) {
    if (printLog_) std::printf("%s\n", log_.lines()[printedLines_].c_str());
  }
  std::fflush(stdout);
}

void TerminalWindow::tellUser(MessageKind kind, MessageButton, std::string_view text) {
  ++messageCounts_[static_cast<int>(kind)];
  flushLog();
  reportStatus("");
  // A box shows a carriage return as a line break.
  std::string message(text);
  std::replace(message.begin(), message.end(), '\r', '\n');
  std::fprintf(stderr, "%s%s\n", terminalPrefixOf(kind), message.c_str());
}

void TerminalWindow::reportStatus(std::string_view text) {
  if (!progressOnTerminal_) return;
  if (text.empty()) {
    if (progressShown_) std::fputs("\r\033[K", stderr);
    progressShown_ = false;
    return;
  }
  std::fprintf(stderr, "\r\033[K%.*s", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
  progressShown_ = true;
}

}  // namespace vok
