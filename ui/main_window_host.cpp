// The main window as the run's host and as the settings' option controls.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

#include "codec/raster.h"
#include "convert/jpeg_file_list.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"

namespace vok {

namespace {

QImage imageOf(const Raster& raster) {
  if (raster.format() == PixelFormat::kRgb24) {
    QImage image(raster.width(), raster.height(), QImage::Format_RGB888);
    for (int y = 0; y < raster.height(); ++y)
      std::copy_n(raster.row(y), raster.rowBytes(), image.scanLine(y));
    return image;
  }
  QImage image(raster.width(), raster.height(), QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const PaletteEntry& entry : raster.palette())
    colours.push_back(qRgb(entry.red, entry.green, entry.blue));
  image.setColorTable(colours);
  for (int y = 0; y < raster.height(); ++y)
    std::copy_n(raster.row(y), raster.rowBytes(), image.scanLine(y));
  return image;
}

void fillFileList(QListWidget* list, const std::string& folder) {
  list->clear();
  for (const std::string& name : listJpegFiles(folder)) list->addItem(QString::fromStdString(name));
}

}  // namespace

void TformMain::fillOriginalLists() {
  fillFolderTree(directorylistboxOriginal_, folders_.originalFolder());
  showDriveOf(folders_.originalFolder());
  fillFileList(filelistboxOriginal_, folders_.originalFolder());
}

void TformMain::fillThumbnailLists() {
  fillFolderTree(directorylistboxThumbnail_, folders_.thumbnailFolder());
  fillFileList(filelistboxThumbnail_, folders_.thumbnailFolder());
}

std::string TformMain::sizeText(SizeField field) const {
  return (field == SizeField::kX ? editSizeX_ : editSizeY_)->text().toStdString();
}
std::string TformMain::preamble() const {
  return editPreamble_->text().toStdString();
}
std::string TformMain::postamble() const {
  return editPostamble_->text().toStdString();
}

void TformMain::setSizeText(SizeField field, std::string text) {
  (field == SizeField::kX ? editSizeX_ : editSizeY_)->setText(QString::fromStdString(text));
}
void TformMain::focusSizeField(SizeField field) {
  (field == SizeField::kX ? editSizeX_ : editSizeY_)->setFocus();
}
void TformMain::setPreamble(std::string text) {
  editPreamble_->setText(QString::fromStdString(text));
}
void TformMain::setPostamble(std::string text) {
  editPostamble_->setText(QString::fromStdString(text));
}

bool TformMain::showOriginalFolder(std::string_view, const std::string& folder) {
  if (!QDir(QString::fromStdString(folder)).exists()) return false;
  folders_.setOriginalFolder(folder);
  fillOriginalLists();
  return true;
}

void TformMain::setThumbnailFolderToOriginal() {
  folders_.setThumbnailFolder(folders_.originalFolder());
}

QAction* TformMain::optionMenuEntry(OptionMenuItem item) const {
  switch (item) {
    case OptionMenuItem::kIgnoreSizeX:
      return menuOptionIgnoreSizeX_;
    case OptionMenuItem::kIgnoreSizeY:
      return menuOptionIgnoreSizeY_;
    case OptionMenuItem::kAutoDir:
      return menuOptionAutoDir_;
    case OptionMenuItem::kWarning:
      return menuOptionWarning_;
    case OptionMenuItem::kAutoOrient:
      return menuOptionAutoOrient_;
    case OptionMenuItem::kUpdateOnly:
      return menuOptionUpdateOnly_;
    case OptionMenuItem::kSmooth:
      return menuOptionSmooth_;
  }
  return nullptr;
}

void TformMain::setMenuCaption(OptionMenuItem item, std::string caption) {
  optionMenuEntry(item)->setText(QString::fromStdString(caption));
}

void TformMain::setMenuTick(OptionMenuItem item, bool ticked) {
  optionMenuEntry(item)->setChecked(ticked);
}

void TformMain::redrawNow() {
  repaint();
}

bool TformMain::htmlChecked() const {
  return checkboxHTML_->isChecked();
}
std::size_t TformMain::fileCount() const {
  return filelistboxOriginal_->count();
}
std::string TformMain::fileName(std::size_t index) const {
  return filelistboxOriginal_->item(static_cast<int>(index))->text().toStdString();
}
bool TformMain::fileSelected(std::size_t index) const {
  return filelistboxOriginal_->item(static_cast<int>(index))->isSelected();
}
void TformMain::setFileSelected(std::size_t index, bool selected) {
  filelistboxOriginal_->item(static_cast<int>(index))->setSelected(selected);
}

void TformMain::refreshFileLists() {
  fillFileList(filelistboxOriginal_, folders_.originalFolder());
  fillFileList(filelistboxThumbnail_, folders_.thumbnailFolder());
}

void TformMain::reportStatus(std::string_view text) {
  statusPanel_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
void TformMain::reportProgressRange(int minimum, int maximum) {
  progressbarList_->setRange(minimum, maximum);
}
void TformMain::reportProgress(int position) {
  // The run ends by going back to 0, below the range it set; the bar would ignore that.
  if (position < progressbarList_->minimum()) progressbarList_->setMinimum(position);
  progressbarList_->setValue(position);
}
void TformMain::reportWorking(bool working) {
  if (working)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TformMain::presentThumbnail(const Raster& thumbnail, int left, int top) {
  imageViewArea_->setGeometry(left, top, thumbnail.width(), thumbnail.height());
  imageViewArea_->setPixmap(QPixmap::fromImage(imageOf(thumbnail)));
  imageViewArea_->show();
}

void TformMain::withdrawThumbnail() {
  imageViewArea_->hide();
}

void TformMain::letEventsRun() {
  QApplication::processEvents();
}

}  // namespace vok
