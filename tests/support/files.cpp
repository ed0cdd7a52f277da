#include "support/files.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vok::test {

std::vector<unsigned char> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::filesystem::path& path) {
  const auto bytes = readBytes(path);
  return {bytes.begin(), bytes.end()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  writeBytes(path, {text.begin(), text.end()});
}

std::filesystem::path jpegCorpus(const std::string& name) {
  return std::filesystem::path(VOK_TEST_DATA_DIR) / "jpeg" / name;
}

std::optional<std::filesystem::path> sharedPhotos() {
  const auto folder = std::filesystem::path(VOK_SHARED_DIR) / "photos";
  if (!std::filesystem::is_directory(folder)) return std::nullopt;
  return folder;
}

std::filesystem::path samplePhotos() {
  return std::filesystem::path(VOK_TEST_DATA_DIR) / ".." / ".." / "samples" / "photos";
}

CommandResult runCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

bool haveTool(const std::string& name) {
  return runCommand("command -v " + shellQuote(name) + " >/dev/null 2>&1").status == 0;
}

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

}  // namespace vok::test
