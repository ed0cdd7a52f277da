#include "ui/main_window.h"
#include "ui/dialogs/screen_fit.h"
#include "ui/drive_list.h"
#include "ui/folder_tree.h"
#include "ui/help_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <filesystem>

#include "common/version.h"
#include "convert/run_summary.h"
#include "settings/conversion_options.h"
#include "settings/delete_registry.h"
#include "settings/stored_options.h"

namespace vok {

namespace {

// Leaves a field's range check when it loses the focus, as the window's exit event.
class FieldExitFilter : public QObject {
 public:
  FieldExitFilter(TformMain* window, SizeField field)
      : QObject(window), window_(window), field_(field) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) window_->editSizeExit(field_);
    return false;
  }

 private:
  TformMain* window_;
  SizeField field_;
};

}  // namespace

TformMain::TformMain(SettingsStore& store, QStringList arguments)
    : MessagePresenter(this),
      store_(store),
      arguments_(std::move(arguments)),
      values_(optionsBeforeLoad()),
      folders_("/", false,
               {[this](std::string_view text) {
                  tellUser(MessageKind::kWarning, MessageButton::kOk, text);
                },
                [this](const std::string&) { fillThumbnailLists(); }}) {
  setObjectName(QStringLiteral("formMain"));
  auto* client = new QWidget(this);
  client->setFixedSize(561, 427);
  setCentralWidget(client);
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(15);
  font.setBold(true);
  setFont(font);
  createActions();
  createMenus();
  createPreview(client);
  createOriginalGroup(client);
  createThumbnailGroup(client);
  createSizeGroup(client);
  createButtonBar(client);
  createStatusBar(client);
  connectHandlers();
  setTabOrder();
  // A fixed single border: no resizing, no maximise.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  move(361, 229);
  formCreate();
}

TformMain::~TformMain() {
  // The fields lose the focus while the widgets go; no range check then.
  editSizeX_->removeEventFilter(exitFilterX_);
  editSizeY_->removeEventFilter(exitFilterY_);
}

void TformMain::connectHandlers() {
  connect(menuFileSelectAll_, &QAction::triggered, this, [this] { menuFileSelectAllClick(); });
  connect(bitbtnAll_, &QPushButton::clicked, this, [this] { menuFileSelectAllClick(); });
  connect(filelistboxOriginal_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { filelistboxOriginalClick(item->text().toStdString()); });
  connect(menuFileSave_, &QAction::triggered, this, [this] { menuFileSaveClick(); });
  connect(bitbtnSave_, &QPushButton::clicked, this, [this] { menuFileSaveClick(); });
  connect(menuFileExit_, &QAction::triggered, this, &QWidget::close);
  connect(bitbtnExit_, &QPushButton::clicked, this, &QWidget::close);
  connect(menuOptionAutoDir_, &QAction::triggered, this, [this] {
    menuOptionAutoDirClick(*this, values_);
    folders_.setAutoDir(values_.AutoDir);
  });
  connect(menuOptionWarning_, &QAction::triggered, this,
          [this] { menuOptionWarningClick(*this, values_); });
  for (const OptionMenuItem tick :
       {OptionMenuItem::kAutoOrient, OptionMenuItem::kUpdateOnly, OptionMenuItem::kSmooth}) {
    connect(optionMenuEntry(tick), &QAction::triggered, this,
            [this, tick] { menuOptionTickClick(*this, values_, tick); });
  }
  connect(menuHelpInEng_, &QAction::triggered, this, [this] { OpenHelpFile("vok.html", *this); });
  connect(menuHelpInJap_, &QAction::triggered, this, [this] { OpenHelpFile("vok-j.html", *this); });
  connect(menuHelpVersion_, &QAction::triggered, this,
          [this] { tellUser(MessageKind::kInformation, MessageButton::kOk, versionBoxText()); });
  connect(menuOptionDeleteRegistry_, &QAction::triggered, this,
          [this] { menuOptionDeleteRegistryClick(store_, *this); });
  connect(drivecomboboxOriginal_, &QComboBox::activated, this,
          [this](int index) { chooseDrive(index); });
  connect(directorylistboxOriginal_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) {
            const std::string target = folderOf(*item);
            if (folderReachable(target)) folders_.setOriginalFolder(target);
            fillOriginalLists();
          });
  connect(directorylistboxThumbnail_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) {
            const std::string target = folderOf(*item);
            if (folderReachable(target))
              folders_.setThumbnailFolder(target);
            else
              fillThumbnailLists();
          });
  connect(menuDisplayHTMLSetting_, &QAction::triggered, this,
          [this] { menuDisplayHTMLSettingClick(); });
  connect(bitbtnHTML_, &QPushButton::clicked, this, [this] { menuDisplayHTMLSettingClick(); });
  connect(menuDisplayLogViewer_, &QAction::triggered, this,
          [this] { menuDisplayLogViewerClick(); });
  connect(menuIgnoreSizeSetting_, &QAction::triggered, this,
          [this] { menuIgnoreSizeSettingClick(); });
  exitFilterX_ = new FieldExitFilter(this, SizeField::kX);
  exitFilterY_ = new FieldExitFilter(this, SizeField::kY);
  editSizeX_->installEventFilter(exitFilterX_);
  editSizeY_->installEventFilter(exitFilterY_);
}

bool TformMain::folderReachable(const std::string& folder) {
  // A folder that vanished while shown, or that may not be read, is named; the lists stay.
  const QDir dir(QString::fromStdString(folder));
  if (!dir.exists()) {
    tellUser(MessageKind::kWarning, MessageButton::kOk, "There is no folder " + folder + ".");
    return false;
  }
  if (!dir.isReadable()) {
    tellUser(MessageKind::kWarning, MessageButton::kOk, "Cannot read the folder " + folder + ".");
    return false;
  }
  return true;
}

void TformMain::chooseDrive(int index) {
  const std::string root = drivecomboboxOriginal_->itemText(index).toStdString();
  // The folder list stays where it is when the chosen volume already holds it.
  if (volumeRootOf(folders_.originalFolder(), mountedVolumeRoots()) == root) return;
  if (folderReachable(root)) folders_.setOriginalFolder(root);
  fillOriginalLists();
}

void TformMain::showDriveOf(const std::string& folder) {
  std::vector<std::string> roots;
  for (int i = 0; i < drivecomboboxOriginal_->count(); ++i)
    roots.push_back(drivecomboboxOriginal_->itemText(i).toStdString());
  drivecomboboxOriginal_->setCurrentText(QString::fromStdString(volumeRootOf(folder, roots)));
}

bool TformMain::positionKnown() const {
  return platformReportsWindowPositions();
}

std::string TformMain::drive() const {
  return drivecomboboxOriginal_->currentText().toStdString();
}

namespace {

void bringUp(QWidget* window) {
  if (window == nullptr) return;
  if (window->isMinimized())
    window->showNormal();
  else
    window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void TformMain::menuDisplayHTMLSettingClick() {
  bringUp(companions_.htmlSetting);
}
void TformMain::menuDisplayLogViewerClick() {
  bringUp(companions_.logViewer);
}
void TformMain::menuIgnoreSizeSettingClick() {
  bringUp(companions_.ignoreSizeSetting);
}

void TformMain::setTabOrder() {
  const QList<QWidget*> order{drivecomboboxOriginal_,
                              directorylistboxOriginal_,
                              filelistboxOriginal_,
                              bitbtnAll_,
                              directorylistboxThumbnail_,
                              editPreamble_,
                              editPostamble_,
                              filelistboxThumbnail_,
                              checkboxHTML_,
                              editSizeX_,
                              editSizeY_,
                              bitbtnHTML_,
                              bitbtnSave_,
                              bitbtnExit_};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TformMain::formCreate() {
  setWindowTitle(QStringLiteral("Vok  ") + QString::fromLatin1(kVersion));
  mainFormCreate(store_, *this, values_);
  move(reachablePosition(pos(), size()));
  folders_.setAutoDir(values_.AutoDir);
  StoredOptions stored = loadStoredOptions(store_);
  catalog_ = stored.catalog;
}

void TformMain::centreOnScreen() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TformMain::editSizeExit(SizeField field) {
  if (field == SizeField::kX)
    editSizeXExit(*this);
  else
    editSizeYExit(*this);
}

bool TformMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) formActivate();
  return handled;
}

void TformMain::closeEvent(QCloseEvent* event) {
  // The run uses this window; it stops after the current picture and the window closes then.
  if (running_) {
    closeAfterRun_ = true;
    reportStatus("Stopping after the current picture...");
    event->ignore();
    return;
  }
  event->accept();
  // Closing the main window ends the program, whatever other window is still open.
  QCoreApplication::quit();
}

void TformMain::formDestroy() {
  mainFormDestroy(store_, *this, values_);
}

}  // namespace vok
