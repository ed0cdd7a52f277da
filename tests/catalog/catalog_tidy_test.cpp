#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "catalog/catalog_layout.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

// Reverses what the pages do to a file name in a link: references, then percent-encoding.
std::string linkedFileName(std::string link) {
  const std::vector<std::pair<std::string, std::string>> references{
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [reference, character] : references) {
    for (auto at = link.find(reference); at != std::string::npos;
         at = link.find(reference, at + 1)) {
      link.replace(at, reference.size(), character);
    }
  }
  std::string name;
  for (std::size_t i = 0; i < link.size(); ++i) {
    if (link[i] == '%' && i + 2 < link.size()) {
      name += static_cast<char>(std::stoi(link.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      name += link[i];
    }
  }
  return name;
}

TEST(CatalogTidy, EveryPageIsValidAndEveryLinkReachesItsFile) {
  ASSERT_TRUE(test::haveTool("tidy"))
      << "tidy is not installed (scripts/install-deps.sh installs it)";
  test::TempDir dir;
  const std::string original = dir.path().string();
  std::filesystem::create_directory(dir.file("thumb s"));
  const std::vector<std::string> names{"a.jpg",       "with blank.jpg", "R&D <1>.jpg",
                                       "50% #1?.jpg", "say \"hi\".jpg", "caf\xC3\xA9.jpg",
                                       "gone.jpg",    "b.jpg",          "c.jpg"};

  CatalogSettings settings;
  settings.SingleMultiPage = 1;
  settings.Column = "2";
  settings.Row = "2";
  settings.MaintainerName = "Ann";
  settings.MaintainerEmail = "ann@example.org";
  settings.Comment = "Holiday";
  FixedCatalogSettings source(settings);
  RunLog log;
  CatalogLayout layout(source, log);
  layout.start(static_cast<int>(names.size()), readCatalogRunSettings(settings, true), original);
  for (const auto& name : names) {
    layout.beforeFile();
    if (name != "gone.jpg") {
      test::writeText(dir.file(name), "picture");
      test::writeText(dir.file("thumb s/_" + name), "thumbnail");
      layout.writeCell({0, name, dir.file(name), "_" + name, "thumb s/", 80, 60, 800, 600});
    }
    layout.afterFile();
  }
  layout.finish();

  const std::regex link("(?:HREF|SRC)=\"([^\"]*)\"");
  for (int page = 1; page <= layout.pageCount(); ++page) {
    const std::string path = layout.pagePath(page);
    SCOPED_TRACE(path);
    const auto tidy = test::runCommand("tidy -q -errors " + test::shellQuote(path) + " 2>&1");
    EXPECT_LT(tidy.status, 2) << tidy.output;
    // Blanks and non-ASCII bytes in links only draw warnings; a broken attribute must not.
    EXPECT_EQ(tidy.output.find("quote"), std::string::npos) << tidy.output;
    EXPECT_EQ(tidy.output.find("discarding"), std::string::npos) << tidy.output;
    EXPECT_GE(tidy.status, 0);

    const std::string text = test::readText(path);
    int links = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.rfind("mailto:", 0) == 0) continue;
      ++links;
      EXPECT_TRUE(std::filesystem::exists(dir.path() / linkedFileName(target))) << target;
    }
    EXPECT_GE(links, 2);
  }
}

}  // namespace
}  // namespace vok
