#pragma once

#include <optional>
#include <string>

namespace vok::test {

// The message of the error of type E that `operation` throws, or nothing when it throws none. The
// program's messages are fixed texts, so tests compare them whole:
//   EXPECT_EQ(test::errorMessageOf<JpegError>([&] { codec.decodeFile(path); }), "...");
// Errors of other types pass through and fail the test.
template <typename E, typename Operation>
std::optional<std::string> errorMessageOf(Operation&& operation) {
  try {
    operation();
  } catch (const E& error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

}  // namespace vok::test
