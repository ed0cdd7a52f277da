#include "codec/library_errors.h"

namespace vok {
namespace {

[[noreturn]] void jumpOut(j_common_ptr info) {
  auto* trap = reinterpret_cast<LibraryErrorTrap*>(info->err);
  std::longjmp(trap->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}
void printNothing(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* LibraryErrorTrap::install() {
  jpeg_std_error(&manager);
  manager.error_exit = jumpOut;
  manager.emit_message = ignoreMessage;
  manager.output_message = printNothing;
  return &manager;
}

}  // namespace vok
