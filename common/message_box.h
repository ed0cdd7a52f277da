#pragma once

namespace vok {

// The kinds of modal message the program shows, and their single button.
enum class MessageKind { kWarning, kInformation, kError };
enum class MessageButton { kOk, kYes };

// Where nobody can answer a box, it goes to standard error behind one of these prefixes.
constexpr const char* terminalPrefixOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return "warning: ";
    case MessageKind::kInformation:
      return "information: ";
    case MessageKind::kError:
      return "error: ";
  }
  return "";
}

}  // namespace vok
