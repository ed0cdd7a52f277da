#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vok::test {

std::vector<unsigned char> readBytes(const std::filesystem::path& path);
std::string readText(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
void writeText(const std::filesystem::path& path, const std::string& text);

// The bundled JPEG edge-case corpus (always present).
std::filesystem::path jpegCorpus(const std::string& name);
// A photo of the large shared set, or nothing when the set is not beside the checkout.
std::optional<std::filesystem::path> sharedPhotos();
// The bundled sample photographs.
std::filesystem::path samplePhotos();

// Runs a shell command and gives its exit status and standard output.
struct CommandResult {
  int status = -1;
  std::string output;
};
CommandResult runCommand(const std::string& command);
bool haveTool(const std::string& name);
// Quotes a text for the shell.
std::string shellQuote(const std::string& text);

}  // namespace vok::test
