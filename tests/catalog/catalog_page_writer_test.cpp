#include "catalog/catalog_page_writer.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

using test::pageLines;

const std::string kTable = "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"5\">";

// One page with the given cells, written through the writer alone.
class PageWriterTest : public ::testing::Test {
 protected:
  std::string writePage(const std::vector<CellFacts>& cells, int cellsInLastRow = 0) {
    CatalogPageWriter writer(source, log, options, test::fixedEnvironment(files));
    writer.OpenPage(dir.file("index.html"));
    writer.WritePageHead();
    writer.WriteTableStart();
    for (const auto& cell : cells) writer.WriteCell(cell);
    if (cellsInLastRow > 0) writer.CompleteLastRow(cellsInLastRow);
    writer.FinishPage();
    EXPECT_FALSE(writer.isPageOpen());
    return test::readText(dir.file("index.html"));
  }

  // The table line of a page with one cell, e.g. to look at one cell's pieces.
  std::string singleCellLine(const CellFacts& facts) {
    const auto lines = pageLines(writePage({facts}, 1));
    return lines.at(12);
  }

  CellFacts pictureA() const {
    return {1, "a.jpg", "/o/a.jpg", "_a.jpg", "thumb/", 160, 120, 1600, 1200};
  }

  test::TempDir dir;
  FixedCatalogSettings source;
  RunLog log;
  PageRunOptions options;
  std::map<std::string, FileFacts> files{
      {"/o/a.jpg", {234567, {2006, 1, 2, 3, 4, 5}}},
      {"/o/b.jpg", {98765, {2006, 1, 2, 3, 5, 6}}},
  };
};

TEST_F(PageWriterTest, WorkedExampleByteForByte) {
  CellFacts b{2, "b.jpg", "/o/b.jpg", "_b.jpg", "thumb/", 90, 120, 1200, 1600};
  const std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n"
      "<HTML>\r\n"
      "<!-- This HTML file is created by Vok -->\r\n"
      "<!-- Copyright (C) Vok developers -->\r\n"
      "<!-- See the Vok home page for detailed information on the program -->\r\n"
      "<HEAD>\r\n"
      "<TITLE>JPEG File Catalog</TITLE>\r\n"
      "</HEAD>\r\n"
      "<BODY>\r\n"
      "<H1>JPEG File Catalog</H1>\r\n"
      "<P></P>\r\n"
      "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"5\">\r\n"
      "<TR><TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><A HREF=\"a.jpg\"><IMG SRC=\"thumb/_a.jpg\" "
      "ALT=\"[a.jpg]\" WIDTH=\"160\" HEIGHT=\"120\" BORDER=\"0\"></A><BR>a.jpg<BR>1600x1200<BR> "
      "234,567 Bytes<BR>2006/01/02 03:04:04</TD><TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><A "
      "HREF=\"b.jpg\"><IMG SRC=\"thumb/_b.jpg\" ALT=\"[b.jpg]\" WIDTH=\"90\" HEIGHT=\"120\" "
      "BORDER=\"0\"></A><BR>b.jpg<BR>1200x1600<BR> 98,765 Bytes<BR>2006/01/02 "
      "03:05:06</TD></TR></TABLE>\r\n"
      "<P>Date: 2006/01/31 12:34:56</P>\r\n"
      "</BODY>\r\n"
      "</HTML>\r\n";
  EXPECT_EQ(writePage({pictureA(), b}, 2), expected);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Insert </TABLE> tag.",
                                                   "HTML Footer (Mailto and Maintainer).",
                                                   "</BODY> Insertion.", "</HTML> Insertion."}));
}

TEST_F(PageWriterTest, HeadFollowsTitleCommentOptionsAndHeadBlock) {
  auto& s = source.values();
  s.Title = "";
  s.Comment = "";
  s.BODYOption = "BGCOLOR=\"#FFFFFF\"";
  s.TABLEOption = "";
  s.HEADBlock = "<META NAME=\"a\" CONTENT=\"1\">\r\n\r\n<BASE TARGET=\"x\">\r\n";
  const auto lines = pageLines(writePage({}));
  EXPECT_EQ(lines.at(6), "<TITLE></TITLE>");
  EXPECT_EQ(lines.at(7), "<META NAME=\"a\" CONTENT=\"1\">");
  EXPECT_EQ(lines.at(8), "");
  EXPECT_EQ(lines.at(9), "<BASE TARGET=\"x\">");
  EXPECT_EQ(lines.at(10), "</HEAD>");
  EXPECT_EQ(lines.at(11), "<BODY BGCOLOR=\"#FFFFFF\">");
  EXPECT_EQ(lines.at(12), "<H1></H1>");
  EXPECT_EQ(lines.at(13), "<P></P>");
  EXPECT_EQ(lines.at(14), "<TABLE>");
}

TEST_F(PageWriterTest, MaintainerVariantsInHeadAndFooter) {
  source.values().DateAndTime = false;
  struct Case {
    std::string name, email, link, footer;
  };
  const std::vector<Case> cases{
      {"Ann", "", "", "<P>Maintainer: Ann</P>"},
      {"", "a@b.example", "<LINK REV=\"MADE\" HREF=\"mailto:a@b.example\">",
       "<P>Maintainer: <A HREF=\"mailto:a@b.example\"></A></P>"},
      {"Ann", "a@b.example", "<LINK REV=\"MADE\" HREF=\"mailto:a@b.example\">",
       "<P>Maintainer: <A HREF=\"mailto:a@b.example\">Ann</A></P>"},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    options.maintainerName = c.name;
    options.maintainerEmail = c.email;
    const auto lines = pageLines(writePage({}));
    SCOPED_TRACE(c.name + "|" + c.email);
    EXPECT_EQ(lines.at(7), c.link.empty() ? "</HEAD>" : c.link);
    const std::vector<std::string> tail(lines.end() - 3, lines.end());
    if (c.footer.empty()) {
      EXPECT_EQ(tail, (std::vector<std::string>{"</TABLE>", "</BODY>", "</HTML>"}));
    } else {
      EXPECT_EQ(tail, (std::vector<std::string>{c.footer, "</BODY>", "</HTML>"}));
    }
  }
}

TEST_F(PageWriterTest, CellPiecesFollowTheirSwitches) {
  options.displayInNewPage = true;
  source.values().NameInfo = false;
  source.values().TimeStamp = false;
  auto facts = pictureA();
  facts.thumbnailFolderLink = "";
  EXPECT_EQ(singleCellLine(facts),
            "<TR><TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><A HREF=\"a.jpg\" TARGET=\"NEW\"><IMG "
            "SRC=\"_a.jpg\" ALT=\"[a.jpg]\" WIDTH=\"160\" HEIGHT=\"120\" BORDER=\"0\"></A><BR>"
            "1600x1200<BR> 234,567 Bytes</TD></TR></TABLE>");
}

TEST_F(PageWriterTest, FileSizeAndTimeStampFormats) {
  source.values().NameInfo = source.values().PictureSizeInfo = false;
  struct Case {
    FileFacts file;
    std::string shown;
  };
  const std::vector<Case> cases{
      {{999, {2006, 1, 2, 3, 4, 4}}, "<BR> 999 Bytes<BR>2006/01/02 03:04:04"},
      {{1000, {2006, 1, 2, 3, 4, 59}}, "<BR> 1,000 Bytes<BR>2006/01/02 03:04:58"},
      {{5'000'000'000, {1975, 12, 31, 23, 59, 1}},
       "<BR> 5,000,000,000 Bytes<BR>1975/12/31 23:59:00"},
      {{0, {2150, 6, 7, 8, 9, 10}}, "<BR> 0 Bytes<BR>2150/06/07 08:09:10"},
  };
  for (const auto& c : cases) {
    files["/o/a.jpg"] = c.file;
    const std::string line = singleCellLine(pictureA());
    EXPECT_NE(line.find("</A>" + c.shown + "</TD>"), std::string::npos) << line;
  }
  auto gone = pictureA();  // a picture without file facts shows neither size nor time
  gone.picturePath = "/gone/a.jpg";
  EXPECT_NE(singleCellLine(gone).find("</A></TD>"), std::string::npos);
}

TEST_F(PageWriterTest, FileNamesCannotBreakTheMarkup) {
  source.values().PictureSizeInfo = source.values().FileSizeInfo = false;
  source.values().TimeStamp = false;
  const CellFacts facts{
      1, "R&D <\"x\"> 50% #1?.jpg", "/o/r.jpg", "_R&D 50%.jpg", "th#umb/", 8, 6, 80, 60};
  EXPECT_EQ(singleCellLine(facts),
            "<TR><TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><A HREF=\"R&amp;D &lt;&quot;x&quot;&gt; "
            "50%25 %231%3F.jpg\"><IMG SRC=\"th%23umb/_R&amp;D 50%25.jpg\" ALT=\"[R&amp;D "
            "&lt;&quot;x&quot;&gt; 50% #1?.jpg]\" WIDTH=\"8\" HEIGHT=\"6\" BORDER=\"0\"></A><BR>"
            "R&amp;D &lt;&quot;x&quot;&gt; 50% #1?.jpg</TD></TR></TABLE>");
  const CellFacts plain{1, "Urlaub 2006_a-1.jpg", "/o/u.jpg", "_caf\xC3\xA9.jpg", "", 8, 6, 80, 60};
  const std::string line = singleCellLine(plain);
  EXPECT_NE(line.find("HREF=\"Urlaub 2006_a-1.jpg\"><IMG SRC=\"_caf\xC3\xA9.jpg\""),
            std::string::npos);
  EXPECT_NE(line.find("<BR>Urlaub 2006_a-1.jpg</TD>"), std::string::npos);
}

TEST_F(PageWriterTest, ShortRowUnderFullRowsIsFilledWithDummyCells) {
  source.values() = test::quietSettings(false);
  std::vector<CellFacts> cells;
  for (int i = 1; i <= 5; ++i) {
    cells.push_back(test::plainFacts("/o", i));
    cells.back().ordinal = i;
  }
  const auto lines = pageLines(writePage(cells, 1));
  EXPECT_EQ(lines.at(13),
            "<TR>" + test::plainCell(5) + "<TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD></TR>");
  EXPECT_EQ(lines.at(14), "</TABLE>");
  EXPECT_EQ(log.lines().front(), "Dummy Cell Insertion.");
}

TEST_F(PageWriterTest, ColumnOnePutsEveryCellOnItsOwnLine) {
  source.values() = test::quietSettings(false);
  options.column = 1;
  CatalogPageWriter writer(source, log, options, test::fixedEnvironment());
  writer.OpenPage(dir.file("index.html"));
  writer.WriteTableStart();
  EXPECT_TRUE(writer.firstRow());
  auto first = test::plainFacts("/o", 1);
  first.ordinal = 1;
  writer.WriteCell(first);
  EXPECT_FALSE(writer.firstRow());
  writer.WritePlaceholderCell(2);
  writer.FinishPage();
  const auto lines = pageLines(test::readText(dir.file("index.html")));
  EXPECT_EQ(lines.at(1), "<TR>" + test::plainCell(1) + "</TR>");
  EXPECT_EQ(lines.at(2), "<TR><TD>&nbsp;</TD></TR>");
  EXPECT_EQ(lines.at(3), "</TABLE>");
}

TEST_F(PageWriterTest, NavigationLinksByPagePosition) {
  CatalogPageWriter writer(source, log, options, test::fixedEnvironment());
  writer.OpenPage(dir.file("nav.html"));
  for (int page = 1; page <= 3; ++page) writer.WriteNavigation(page, 3, "index", "html");
  writer.WriteNavigation(1, 1, "foto", "htm");
  writer.WriteNavigation(2, 2, "foto", "htm");
  EXPECT_EQ(
      pageLines(test::readText(dir.file("nav.html"))),
      (std::vector<std::string>{
          "<P>Page 1/3 [<A HREF=\"index2.html\">Next</A>] [<A HREF=\"index3.html\">Last</A>]</P>",
          "<P>Page 2/3 [<A HREF=\"index.html\">Top</A>] [<A HREF=\"index.html\">Previous</A>] "
          "[<A HREF=\"index3.html\">Next</A>] [<A HREF=\"index3.html\">Last</A>]</P>",
          "<P>Page 3/3 [<A HREF=\"index.html\">Top</A>] [<A HREF=\"index2.html\">Previous</A>]</P>",
          "<P>Page 1/1</P>",
          "<P>Page 2/2 [<A HREF=\"foto.htm\">Top</A>] [<A HREF=\"foto.htm\">Previous</A>]</P>",
      }));
}

TEST_F(PageWriterTest, SettingsAreReadWhenEachPieceIsWritten) {
  CatalogPageWriter writer(source, log, options, test::fixedEnvironment(files));
  writer.OpenPage(dir.file("index.html"));
  source.values().Title = "Early";
  writer.WritePageHead();
  source.values().TABLEOption = "BORDER=\"2\"";
  writer.WriteTableStart();
  source.values().NameInfo = source.values().PictureSizeInfo = false;
  source.values().FileSizeInfo = source.values().TimeStamp = false;
  auto first = test::plainFacts("/o", 1);
  first.ordinal = 1;
  writer.WriteCell(first);
  source.values().DateAndTime = false;
  source.values().Title = "Late";
  writer.WriteTableEnd();
  writer.WritePageFooter();
  const std::string page = test::readText(dir.file("index.html"));
  EXPECT_NE(page.find("<TITLE>Early</TITLE>"), std::string::npos);
  EXPECT_NE(page.find("<TABLE BORDER=\"2\">\r\n<TR>" + test::plainCell(1)), std::string::npos);
  EXPECT_EQ(page.find("Late"), std::string::npos);
  EXPECT_EQ(page.find("Date:"), std::string::npos);
}

}  // namespace
}  // namespace vok
