// The help documents: where the Help menu finds them, and that they keep up with vok-batch.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "support/files.h"
#include "support/temp_dir.h"
#include "ui/help_menu.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

TEST(HelpDocuments, FoundBesideTheProgramThenInTheSharedFolder) {
  test::TempDir root;
  const std::string bin = root.file("bin"), shared = root.file("share/vok");
  fs::create_directories(bin);
  fs::create_directories(shared);
  EXPECT_FALSE(findHelpFile(bin, "vok.html"));
  test::writeText(shared + "/vok.html", "installed");
  EXPECT_EQ(findHelpFile(bin, "vok.html"), bin + "/../share/vok/vok.html");
  test::writeText(bin + "/vok.html", "beside");
  EXPECT_EQ(findHelpFile(bin, "vok.html"), bin + "/vok.html");
  fs::create_directory(bin + "/vok-j.html");  // a folder is not a document
  EXPECT_FALSE(findHelpFile(bin, "vok-j.html"));
}

// Every option that vok-batch --help lists is explained in both documents beside the program.
TEST(HelpDocuments, NameEveryOptionOfTheBatchTool) {
  const std::string bin = std::string(VOK_BINARY_DIR) + "/app";
  const std::string help = test::runCommand(bin + "/vok-batch --help").output;
  std::set<std::string> options;
  const std::regex option("--[a-z][a-z-]*");
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  ASSERT_GT(options.size(), 20u) << help;
  for (const char* name : {"vok.html", "vok-j.html"}) {
    const auto path = findHelpFile(bin, name);
    ASSERT_TRUE(path) << name;
    const std::string document = test::readText(*path);
    for (const std::string& each : options)
      EXPECT_NE(document.find("<code>" + each), std::string::npos) << name << " lacks " << each;
  }
}

}  // namespace
}  // namespace vok
