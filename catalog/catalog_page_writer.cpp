#include "catalog/catalog_page_writer.h"

#include <stdexcept>
#include <utility>

#include "catalog/markup_escape.h"
#include "catalog/page_file_name.h"

namespace vok {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string line(const std::string& text) {
  return text + kLineEnd;
}

std::string tagWithOptions(const char* tag, const std::string& options) {
  return std::string("<") + tag + (options.empty() ? "" : " " + options) + ">";
}

std::string navigationLink(const std::string& indexName, const std::string& indexExt, int page,
                           const char* caption) {
  return " [<A HREF=\"" + escapeLinkTarget(pageFileName(indexName, indexExt, page)) + "\">" +
         caption + "</A>]";
}

// File times have a two-second resolution on the systems the catalogs come from.
LocalDateTime toEvenSecond(LocalDateTime moment) {
  moment.second -= moment.second % 2;
  return moment;
}

}  // namespace

CatalogPageWriter::CatalogPageWriter(const CatalogSettingsSource& settings, RunLog& log,
                                     PageRunOptions options, PageEnvironment environment)
    : settings_(settings),
      log_(log),
      options_(std::move(options)),
      environment_(std::move(environment)) {
  if (options_.column < 1) throw std::invalid_argument("a catalog row needs at least one column");
}

PageFile& CatalogPageWriter::page() {
  if (!page_) throw std::logic_error("no catalog page is open");
  return *page_;
}

void CatalogPageWriter::OpenPage(const std::string& path) {
  if (page_) page_->close();
  page_.reset();
  page_.emplace(path);
  firstRow_ = false;
}

void CatalogPageWriter::WritePageHead() {
  const CatalogSettings settings = settings_.current();
  std::string head;
  head += line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">");
  head += line("<HTML>");
  head += line("<!-- This HTML file is created by Vok -->");
  head += line("<!-- Copyright (C) Vok developers -->");
  head += line("<!-- See the Vok home page for detailed information on the program -->");
  head += line("<HEAD>");
  head += line("<TITLE>" + settings.Title + "</TITLE>");
  if (!options_.maintainerEmail.empty()) {
    head += line("<LINK REV=\"MADE\" HREF=\"mailto:" + options_.maintainerEmail + "\">");
  }
  for (const auto& extra : headBlockLines(settings.HEADBlock)) head += line(extra);
  head += line("</HEAD>");
  head += line(tagWithOptions("BODY", settings.BODYOption));
  head += line("<H1>" + settings.Title + "</H1>");
  head += line("<P>" + settings.Comment + "</P>");
  page().write(head);
}

void CatalogPageWriter::WriteNavigation(int pageNumber, int pageCount, const std::string& indexName,
                                        const std::string& indexExt) {
  std::string text = "<P>Page " + std::to_string(pageNumber) + "/" + std::to_string(pageCount);
  if (pageNumber > 1) {
    text += navigationLink(indexName, indexExt, 1, "Top");
    text += navigationLink(indexName, indexExt, pageNumber - 1, "Previous");
  }
  if (pageNumber < pageCount) {
    text += navigationLink(indexName, indexExt, pageNumber + 1, "Next");
    text += navigationLink(indexName, indexExt, pageCount, "Last");
  }
  page().write(line(text + "</P>"));
}

void CatalogPageWriter::WriteTableStart() {
  page().write(line(tagWithOptions("TABLE", settings_.current().TABLEOption)));
  firstRow_ = true;
}

void CatalogPageWriter::writeRowStartIfDue(int ordinal) {
  if ((ordinal - 1) % options_.column == 0) page().write("<TR>");
}

void CatalogPageWriter::writeRowEndIfDue(int ordinal) {
  if ((ordinal - 1) % options_.column != options_.column - 1) return;
  page().write(line("</TR>"));
  firstRow_ = false;
}

void CatalogPageWriter::WriteCell(const CellFacts& facts) {
  const CatalogSettings settings = settings_.current();
  const std::string name = escapeMarkupText(facts.pictureName);
  std::string cell = "<TD ALIGN=\"CENTER\" VALIGN=\"TOP\">";
  cell += "<A HREF=\"" + escapeLinkTarget(facts.pictureName) + "\"";
  cell += options_.displayInNewPage ? " TARGET=\"NEW\">" : ">";
  cell += "<IMG SRC=\"" + escapeLinkTarget(facts.thumbnailFolderLink + facts.thumbnailName) + "\"";
  cell += " ALT=\"[" + name + "]\"";
  cell += " WIDTH=\"" + std::to_string(facts.thumbnailWidth) + "\"";
  cell += " HEIGHT=\"" + std::to_string(facts.thumbnailHeight) + "\"";
  cell += " BORDER=\"0\"></A>";
  if (settings.NameInfo) cell += "<BR>" + name;
  if (settings.PictureSizeInfo) {
    cell += "<BR>" + std::to_string(facts.pictureWidth) + "x" + std::to_string(facts.pictureHeight);
  }
  // A picture gone since its thumbnail was written has no size or time to show; leave them out.
  std::optional<FileFacts> file;
  if (settings.FileSizeInfo || settings.TimeStamp) file = environment_.fileFacts(facts.picturePath);
  if (settings.FileSizeInfo && file) {
    cell += "<BR> " + formatGrouped(file->size, environment_.formats.thousandsSeparator) + " Bytes";
  }
  if (settings.TimeStamp && file) {
    cell += "<BR>" + formatTimeStamp(toEvenSecond(file->modified), environment_.formats);
  }
  cell += "</TD>";

  writeRowStartIfDue(facts.ordinal);
  page().write(cell);
  writeRowEndIfDue(facts.ordinal);
}

void CatalogPageWriter::WritePlaceholderCell(int ordinal) {
  writeRowStartIfDue(ordinal);
  page().write("<TD>&nbsp;</TD>");
  writeRowEndIfDue(ordinal);
}

void CatalogPageWriter::CompleteLastRow(int cellsInLastRow) {
  if (cellsInLastRow < 1 || cellsInLastRow >= options_.column) {
    throw std::invalid_argument("a short last row has 1 to column - 1 cells");
  }
  if (firstRow_) {
    page().write("</TR>");  // the table end follows on the same line
    return;
  }
  log_.append("Dummy Cell Insertion.");
  std::string fill;
  for (int i = cellsInLastRow; i < options_.column; ++i) fill += "<TD>&nbsp;</TD>";
  page().write(fill + line("</TR>"));
}

void CatalogPageWriter::WriteTableEnd() {
  log_.append("Insert </TABLE> tag.");
  page().write(line("</TABLE>"));
}

void CatalogPageWriter::WritePageFooter() {
  log_.append("HTML Footer (Mailto and Maintainer).");
  const std::string& name = options_.maintainerName;
  const std::string& email = options_.maintainerEmail;
  if (!name.empty() || !email.empty()) {
    std::string text = "<P>Maintainer: ";
    if (!email.empty()) text += "<A HREF=\"mailto:" + email + "\">";
    text += name;
    if (!email.empty()) text += "</A>";
    page().write(line(text + "</P>"));
  }
  if (settings_.current().DateAndTime) {
    const std::string moment = formatFooterDateTime(environment_.now(), environment_.formats);
    page().write(line("<P>Date: " + moment + "</P>"));
  }
  log_.append("</BODY> Insertion.");
  page().write(line("</BODY>"));
  log_.append("</HTML> Insertion.");
  page().write(line("</HTML>"));
}

void CatalogPageWriter::FinishPage() {
  WriteTableEnd();
  WritePageFooter();
  // Even a failed close ends this page: it is never finished a second time.
  struct EndPage {
    std::optional<PageFile>& page;
    ~EndPage() { page.reset(); }
  } end{page_};
  page_->close();
}

}  // namespace vok
