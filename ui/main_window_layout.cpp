// The main window's controls at their designed places inside the 561 x 427 client area.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "ui/drive_list.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

namespace vok {

namespace {

template <typename Widget>
Widget* placed(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* label(QWidget* parent, const char* text, int left, int top) {
  auto* result = new QLabel(QString::fromUtf8(text), parent);
  result->move(left, top);
  result->adjustSize();
  return result;
}

QFont listFont() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(13);
  return font;
}

}  // namespace

void TformMain::createActions() {
  auto action = [this](const char* caption) {
    return new QAction(QString::fromUtf8(caption), this);
  };
  const auto named = [](QAction* entry, const char* name) {
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
  };
  menuFileSelectAll_ = action("Select All(&A)");
  menuFileSave_ = action("Save(&S)");
  menuFileExit_ = action("Exit(&X)");
  menuDisplayHTMLSetting_ = action("HTML Setting(&H)");
  menuDisplayLogViewer_ = action("Log Viewer(&L)");
  menuOptionDeleteRegistry_ = named(action("Delete Registry(&D)"), "menuOptionDeleteRegistry");
  menuOptionAutoDir_ = named(action("Auto Dir(&A)"), "menuOptionAutoDir");
  menuOptionAutoDir_->setCheckable(true);
  menuOptionWarning_ = named(action("Warning(&W)"), "menuOptionWarning");
  menuOptionWarning_->setCheckable(true);
  menuOptionAutoOrient_ = named(action("Auto Orient(&R)"), "menuOptionAutoOrient");
  menuOptionUpdateOnly_ = named(action("Update Only Changed(&U)"), "menuOptionUpdateOnly");
  menuOptionSmooth_ = named(action("Smooth Thumbnails(&M)"), "menuOptionSmooth");
  for (QAction* tick : {menuOptionAutoOrient_, menuOptionUpdateOnly_, menuOptionSmooth_})
    tick->setCheckable(true);
  menuOptionIgnoreSizeX_ = action("Ignore Size X=");
  menuOptionIgnoreSizeY_ = action("Ignore Size Y=");
  menuIgnoreSizeSetting_ = action("Ignore Size Setting...(&S)");
  menuHelpInEng_ = named(action("Help in English(&E)"), "menuHelpInEng");
  menuHelpInJap_ = named(action("Help in Japanese(&J)"), "menuHelpInJap");
  menuHelpVersion_ = named(action("Version Informations(&A)"), "menuHelpVersion");
}

void TformMain::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
  file->addActions({menuFileSelectAll_, menuFileSave_, menuFileExit_});
  QMenu* display = menuBar()->addMenu(QStringLiteral("Display(&V)"));
  display->addActions({menuDisplayHTMLSetting_, menuDisplayLogViewer_});
  QMenu* option = menuBar()->addMenu(QStringLiteral("Option(&O)"));
  option->addActions({menuOptionDeleteRegistry_, menuOptionAutoDir_, menuOptionWarning_,
                      menuOptionIgnoreSizeX_, menuOptionIgnoreSizeY_});
  option->addSeparator();
  option->addAction(menuIgnoreSizeSetting_);
  option->addSeparator();
  option->addActions({menuOptionAutoOrient_, menuOptionUpdateOnly_, menuOptionSmooth_});
  QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
  help->addActions({menuHelpInEng_, menuHelpInJap_, menuHelpVersion_});
}

void TformMain::createPreview(QWidget* client) {
  panelViewArea_ = placed(new QWidget(client), 8, 8, 193, 193);
  panelViewArea_->setObjectName(QStringLiteral("panelViewArea"));
  panelViewArea_->setAutoFillBackground(true);
  QPalette white = panelViewArea_->palette();
  white.setColor(QPalette::Window, Qt::white);
  panelViewArea_->setPalette(white);
  imageViewArea_ = placed(new QLabel(panelViewArea_), 0, 0, 97, 97);
  imageViewArea_->setObjectName(QStringLiteral("imageViewArea"));
  imageViewArea_->hide();
}

void TformMain::createOriginalGroup(QWidget* client) {
  auto* group = placed(new QGroupBox(QStringLiteral("Original"), client), 204, 0, 352, 169);
  group->setObjectName(QStringLiteral("groupboxMaster"));
  drivecomboboxOriginal_ = placed(new QComboBox(group), 8, 16, 145, 24);
  drivecomboboxOriginal_->setObjectName(QStringLiteral("drivecomboboxOriginal"));
  for (const std::string& root : mountedVolumeRoots())
    drivecomboboxOriginal_->addItem(QString::fromStdString(root));
  directorylistboxOriginal_ = placed(makeFolderTree(group), 8, 48, 145, 113);
  directorylistboxOriginal_->setObjectName(QStringLiteral("directorylistboxOriginal"));
  filelistboxOriginal_ = placed(new QListWidget(group), 160, 48, 185, 113);
  filelistboxOriginal_->setObjectName(QStringLiteral("filelistboxOriginal"));
  filelistboxOriginal_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  bitbtnAll_ = placed(new QPushButton(QStringLiteral("All(&A)"), group), 208, 16, 75, 25);
  bitbtnAll_->setObjectName(QStringLiteral("bitbtnAll"));
  bitbtnAll_->setIcon(buttonGlyph("all"));
  for (QWidget* widget : {static_cast<QWidget*>(drivecomboboxOriginal_),
                          static_cast<QWidget*>(directorylistboxOriginal_),
                          static_cast<QWidget*>(filelistboxOriginal_)})
    widget->setFont(listFont());
}

void TformMain::createThumbnailGroup(QWidget* client) {
  auto* group = placed(new QGroupBox(QStringLiteral("Thumbnail"), client), 204, 174, 352, 185);
  group->setObjectName(QStringLiteral("broupboxThumbnail"));
  directorylistboxThumbnail_ = placed(makeFolderTree(group), 8, 16, 145, 113);
  directorylistboxThumbnail_->setObjectName(QStringLiteral("directorylistboxThumbnail"));
  auto* letters =
      placed(new QGroupBox(QStringLiteral("Additional Letters"), group), 8, 128, 257, 49);
  letters->setObjectName(QStringLiteral("groupboxFileName"));
  editPreamble_ = placed(new QLineEdit(QStringLiteral("_"), letters), 8, 16, 41, 26);
  editPreamble_->setObjectName(QStringLiteral("editPreamble"));
  label(letters, "+ filename +", 56, 24)->setObjectName(QStringLiteral("labelFilename"));
  editPostamble_ = placed(new QLineEdit(letters), 144, 16, 41, 26);
  editPostamble_->setObjectName(QStringLiteral("editPostamble"));
  label(letters, "+ .jpg", 192, 24)->setObjectName(QStringLiteral("labelJpeg"));
  filelistboxThumbnail_ = placed(new QListWidget(group), 160, 16, 185, 113);
  filelistboxThumbnail_->setObjectName(QStringLiteral("filelistboxThumbnail"));
  filelistboxThumbnail_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  checkboxHTML_ = placed(new QCheckBox(QStringLiteral("HTML"), group), 272, 152, 73, 17);
  checkboxHTML_->setObjectName(QStringLiteral("checkboxHTML"));
  for (QWidget* widget :
       {static_cast<QWidget*>(directorylistboxThumbnail_), static_cast<QWidget*>(editPreamble_),
        static_cast<QWidget*>(editPostamble_), static_cast<QWidget*>(filelistboxThumbnail_)})
    widget->setFont(listFont());
}

void TformMain::createSizeGroup(QWidget* client) {
  auto* group = placed(new QGroupBox(QStringLiteral("Thumbnail Size"), client), 8, 216, 191, 49);
  group->setObjectName(QStringLiteral("groupboxThumbnailSize"));
  QFont font = group->font();
  font.setPixelSize(13);
  group->setFont(font);
  label(group, "X", 24, 18)->setObjectName(QStringLiteral("labelX"));
  editSizeX_ = placed(new QLineEdit(QStringLiteral("160"), group), 40, 16, 41, 23);
  editSizeX_->setObjectName(QStringLiteral("editSizeX"));
  label(group, "Y", 112, 18)->setObjectName(QStringLiteral("labelY"));
  editSizeY_ = placed(new QLineEdit(QStringLiteral("120"), group), 128, 16, 41, 23);
  editSizeY_->setObjectName(QStringLiteral("editSizeY"));
  auto* logo = placed(new QLabel(client), 8, 284, 185, 61);
  logo->setObjectName(QStringLiteral("imageTitleLogo"));
  logo->setPixmap(logoPicture());
}

void TformMain::createButtonBar(QWidget* client) {
  auto* bar = placed(new QWidget(client), 0, 366, 561, 32);
  bar->setObjectName(QStringLiteral("Panel1"));
  bitbtnHTML_ = placed(new QPushButton(QStringLiteral("HTML(&H)"), bar), 168, 1, 113, 25);
  bitbtnHTML_->setObjectName(QStringLiteral("bitbtnHTML"));
  bitbtnSave_ = placed(new QPushButton(QStringLiteral("Save(&S)"), bar), 291, 1, 88, 25);
  bitbtnSave_->setObjectName(QStringLiteral("bitbtnSave"));
  bitbtnExit_ = placed(new QPushButton(QStringLiteral("Exit(&X)"), bar), 388, 1, 75, 25);
  bitbtnExit_->setObjectName(QStringLiteral("bitbtnExit"));
  bitbtnHTML_->setIcon(buttonGlyph("html"));
  bitbtnSave_->setIcon(buttonGlyph("save"));
  bitbtnExit_->setIcon(buttonGlyph("exit"));
}

void TformMain::createStatusBar(QWidget* client) {
  auto* bar = placed(new QWidget(client), 0, 398, 561, 29);
  bar->setObjectName(QStringLiteral("StatusBar"));
  statusPanel_ = placed(new QLabel(bar), 2, 4, 378, 21);
  statusPanel_->setObjectName(QStringLiteral("statusPanel"));
  statusPanel_->setFrameShape(QFrame::Panel);
  statusPanel_->setFrameShadow(QFrame::Sunken);
  auto* secondPanel = placed(new QLabel(bar), 382, 4, 50, 21);
  secondPanel->setFrameShape(QFrame::Panel);
  secondPanel->setFrameShadow(QFrame::Sunken);
  progressbarList_ = placed(new QProgressBar(bar), 388, 8, 153, 17);
  progressbarList_->setObjectName(QStringLiteral("progressbarList"));
  progressbarList_->setRange(0, 100);
  progressbarList_->setValue(0);
  progressbarList_->setTextVisible(false);
}

}  // namespace vok
