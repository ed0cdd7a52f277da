#include "catalog/catalog_layout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalog_fixture.h"
#include "common/error.h"
#include "common/whole_number.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/throws.h"

namespace vok {
namespace {

using test::pageLines;
using test::plainCell;

const std::vector<std::string> kPageEnd{"Insert </TABLE> tag.",
                                        "HTML Footer (Mailto and Maintainer).",
                                        "</BODY> Insertion.", "</HTML> Insertion."};

std::string row(int first, int last) {
  std::string text = "<TR>";
  for (int i = first; i <= last; ++i) text += plainCell(i);
  return text + "</TR>";
}

// The table lines of a page: from the line after "<TABLE ..." up to the footer.
std::vector<std::string> tableRows(const std::string& path) {
  const auto lines = pageLines(test::readText(path));
  auto start = std::find_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("<TABLE", 0) == 0; });
  auto end = std::find(lines.begin(), lines.end(), "</BODY>");
  if (start == lines.end() || end == lines.end()) return {"<no table>"};
  return {start + 1, end};
}

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(CatalogLayout, MultiPageWorkedExampleOf45Pictures) {
  test::TempDir dir;
  const std::string folder = dir.path().string();
  RunLog log;
  test::runCatalog(test::quietSettings(true), 45, folder, log);

  EXPECT_EQ(log.lines(), concat({{"Page Mode: Multi Page", "Column : 4", "Row : 5",
                                  "Number of Page : 3", "FileName=" + folder + "/index.html"},
                                 kPageEnd,
                                 {"FileName=" + folder + "/index2.html"},
                                 kPageEnd,
                                 {"FileName=" + folder + "/index3.html", "Dummy Cell Insertion."},
                                 kPageEnd}));
  for (int page = 0; page < 2; ++page) {
    const int base = page * 20;
    EXPECT_EQ(tableRows(dir.file(page == 0 ? "index.html" : "index2.html")),
              (std::vector<std::string>{row(base + 1, base + 4), row(base + 5, base + 8),
                                        row(base + 9, base + 12), row(base + 13, base + 16),
                                        row(base + 17, base + 20), "</TABLE>"}));
  }
  EXPECT_EQ(tableRows(dir.file("index3.html")),
            (std::vector<std::string>{
                row(41, 44),
                "<TR>" + plainCell(45) + "<TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD></TR>",
                "</TABLE>"}));
  const auto third = pageLines(test::readText(dir.file("index3.html")));
  EXPECT_EQ(
      third.at(11),
      "<P>Page 3/3 [<A HREF=\"index.html\">Top</A>] [<A HREF=\"index2.html\">Previous</A>]</P>");
  EXPECT_EQ(third.at(10), "<P></P>");
}

TEST(CatalogLayout, FullLastPagesAreFinishedOnce) {
  for (int pages : {1, 2}) {
    test::TempDir dir;
    RunLog log;
    test::runCatalog(test::quietSettings(true, "2", "2"), 4 * pages, dir.path().string(), log);
    const auto ends = std::count(log.lines().begin(), log.lines().end(), "</HTML> Insertion.");
    EXPECT_EQ(ends, pages);
    EXPECT_EQ(log.lines().back(), "</HTML> Insertion.");
    const std::string last = dir.file(pages == 1 ? "index.html" : "index2.html");
    EXPECT_EQ(tableRows(last).back(), "</TABLE>");
    EXPECT_EQ(test::readText(last).substr(test::readText(last).size() - 18),
              "</BODY>\r\n</HTML>\r\n");
    if (pages == 1) {
      EXPECT_NE(test::readText(last).find("\r\n<P>Page 1/1</P>\r\n"), std::string::npos);
    }
  }
}

TEST(CatalogLayout, ShortRowAloneOnItsPageIsClosedWithoutDummies) {
  test::TempDir dir;
  RunLog log;
  test::runCatalog(test::quietSettings(true), 21, dir.path().string(), log);
  EXPECT_EQ(tableRows(dir.file("index2.html")),
            (std::vector<std::string>{"<TR>" + plainCell(21) + "</TR></TABLE>"}));
  EXPECT_EQ(std::count(log.lines().begin(), log.lines().end(), "Dummy Cell Insertion."), 0);
}

TEST(CatalogLayout, PageNameOfAnExistingPictureStopsTheRunAndKeepsThePicture) {
  test::TempDir dir;
  const std::vector<unsigned char> picture = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F'};
  test::writeBytes(dir.file("photo.jpg"), picture);
  CatalogSettings settings = test::quietSettings(false);
  settings.IndexName = "photo";
  settings.IndexExt = "jpg";
  RunLog log;
  EXPECT_EQ(test::errorMessageOf<FileWriteError>(
                [&] { test::runCatalog(settings, 2, dir.path().string(), log); }),
            dir.file("photo.jpg") + " is a JPEG picture; the catalog page was not written over it");
  EXPECT_EQ(test::readBytes(dir.file("photo.jpg")), picture);

  // An earlier page of the same name is replaced as always.
  test::writeText(dir.file("index.html"), "<HTML>an older catalog</HTML>");
  test::runCatalog(test::quietSettings(false), 2, dir.path().string(), log);
  EXPECT_EQ(test::readText(dir.file("index.html")).find("older"), std::string::npos);
}

TEST(CatalogLayout, SinglePageTakesEveryPictureAndIgnoresRow) {
  test::TempDir dir;
  const std::string folder = dir.path().string() + "/";
  RunLog log;
  test::runCatalog(test::quietSettings(false, "3", "1"), 7, folder, log);
  EXPECT_EQ(log.lines(), concat({{"Page Mode: Single Page", "Column : 3",
                                  "FileName=" + dir.file("index.html"), "Dummy Cell Insertion."},
                                 kPageEnd}));
  EXPECT_EQ(tableRows(dir.file("index.html")),
            (std::vector<std::string>{row(1, 3), row(4, 6),
                                      "<TR>" + plainCell(7) + "<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>",
                                      "</TABLE>"}));
  EXPECT_EQ(test::readText(dir.file("index.html")).find("<P>Page"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("index2.html")));
}

TEST(CatalogLayout, PageNamesAndTwoDigitPageNumbers) {
  for (const auto& [name, ext] :
       {std::pair<std::string, std::string>{"index", "html"}, {"foto", "htm"}}) {
    test::TempDir dir;
    auto settings = test::quietSettings(true, "1", "1");
    settings.IndexName = name;
    settings.IndexExt = ext;
    RunLog log;
    test::runCatalog(settings, 12, dir.path().string(), log);
    const auto file = [&](const std::string& number) {
      return dir.file(name + number + "." + ext);
    };
    EXPECT_TRUE(std::filesystem::exists(file("")));
    EXPECT_TRUE(std::filesystem::exists(file("2")));
    EXPECT_FALSE(std::filesystem::exists(file("1")));
    const std::string nav = "<P>Page 10/12 [<A HREF=\"" + name + "." + ext +
                            "\">Top</A>] [<A HREF=\"" + name + "9." + ext +
                            "\">Previous</A>] [<A HREF=\"" + name + "11." + ext +
                            "\">Next</A>] [<A HREF=\"" + name + "12." + ext + "\">Last</A>]</P>";
    EXPECT_NE(test::readText(file("10")).find("\r\n" + nav + "\r\n<TABLE"), std::string::npos);
  }
}

TEST(CatalogLayout, FilesWithoutCellKeepTheirPlaceAndRows) {
  test::TempDir dir;
  RunLog log;
  test::runCatalog(test::quietSettings(true, "2", "2"), 6, dir.path().string(), log, {2, 5, 6});
  const std::string gap = "<TD>&nbsp;</TD>";
  EXPECT_EQ(
      tableRows(dir.file("index.html")),
      (std::vector<std::string>{"<TR>" + plainCell(1) + gap + "</TR>", row(3, 4), "</TABLE>"}));
  // A page whose every file failed still is a whole page.
  EXPECT_EQ(tableRows(dir.file("index2.html")),
            (std::vector<std::string>{"<TR>" + gap + gap + "</TR>", "</TABLE>"}));
}

// A text that is not a number stops every run; a count below 1 only a run that uses it.
TEST(CatalogLayout, ColumnAndRowMustBeWholeNumbersOfAtLeastOneWhereUsed) {
  const struct {
    const char* column;
    const char* row;
    int mode;
    bool writesCatalog;
    const char* refused;  // the text in the message, or none
  } cases[] = {
      {"four", "5", 0, false, "four"}, {"4", " 5x", 1, true, " 5x"}, {"$10", "5", 0, true, nullptr},
      {"0", "5", 0, false, nullptr},   {"0", "5", 0, true, "0"},     {"4", "-3", 0, true, nullptr},
      {"4", "-3", 1, false, nullptr},  {"4", "-3", 2, true, "-3"},   {"4", "$0", 1, true, "$0"},
  };
  for (const auto& c : cases) {
    CatalogSettings settings;
    settings.Column = c.column;
    settings.Row = c.row;
    settings.SingleMultiPage = c.mode;
    const std::string label = std::string(c.column) + " x " + c.row;
    try {
      const CatalogRunSettings run = readCatalogRunSettings(settings, c.writesCatalog);
      EXPECT_EQ(c.refused, nullptr) << label;
      if (c.writesCatalog) {
        FixedCatalogSettings source(settings);
        RunLog log;
        CatalogLayout layout(source, log, test::fixedEnvironment());
        layout.start(3, run, "/o");
        EXPECT_EQ(layout.pageCount(), 1) << label;
      }
    } catch (const NotWholeNumberError& error) {
      ASSERT_NE(c.refused, nullptr) << label << ": " << error.what();
      EXPECT_EQ(std::string(error.what()),
                "'" + std::string(c.refused) + "' is not a valid integer value");
    }
  }
}

TEST(CatalogLayout, CellsPerPageBeyond32BitsIsAnError) {
  FixedCatalogSettings source;
  RunLog log;
  CatalogLayout layout(source, log, test::fixedEnvironment());
  CatalogRunSettings run;
  run.column = 65536;
  run.row = 32768;
  EXPECT_THROW(layout.start(1, run, "/o"), Error);
  run.row = 32767;
  layout.start(2'147'483'647, run, "/o");
  EXPECT_EQ(layout.pageCount(), 2);
}

}  // namespace
}  // namespace vok
