#pragma once

namespace vok {

// The kinds of modal message the program shows, and their single button.
enum class MessageKind { kWarning, kInformation, kError };
enum class MessageButton { kOk, kYes };

}  // namespace vok
