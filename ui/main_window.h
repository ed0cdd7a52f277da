#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "catalog/catalog_settings.h"
#include "common/run_log.h"
#include "convert/folder_pair.h"
#include "convert/run_host.h"
#include "convert/thumbnail_options.h"
#include "settings/settings_store.h"
#include "settings/window_lifecycle.h"
#include "ui/message_presenter.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QProgressBar;
class QPushButton;
class QWidget;

namespace vok {

struct RunSummary;

// The windows that the main window opens from its menus and buttons; the program creates them
// after it.
struct CompanionWindows {
  QWidget* ignoreSizeSetting = nullptr;
  QWidget* logViewer = nullptr;
  QWidget* htmlSetting = nullptr;
  // The catalog settings a run starts with: the HTML settings dialog's controls.
  const CatalogSettingsSource* catalog = nullptr;
};

// The main window: the Original and thumbnail folders with their JPEG files, the thumbnail box
// and affixes, the preview, and the run behind "Save(&S)". It is the run's host and the settings'
// view of the conversion options.
class TformMain : public QMainWindow,
                  public MainFormModel,
                  public RunHost,
                  public MessagePresenter {
 public:
  TformMain(SettingsStore& store, QStringList arguments);
  ~TformMain() override;

  void setCompanions(const CompanionWindows& companions) { companions_ = companions; }

  // The menu and button handlers.
  void menuFileSelectAllClick();
  void menuDisplayHTMLSettingClick();
  void menuDisplayLogViewerClick();
  void menuIgnoreSizeSettingClick();
  void filelistboxOriginalClick(const std::string& name);
  // Runs the conversion; returns what it did, or nothing when a run is already going on.
  std::unique_ptr<RunSummary> menuFileSaveClick();
  void editSizeExit(SizeField field);
  // Stores the position and options; the program calls it when it ends.
  void formDestroy();

  // Whether the command line ended the program, and what its run did when one was made.
  bool commandLineEnded() const { return commandLineEnded_; }
  const RunSummary* commandLineRun() const { return commandLineRun_.get(); }
  RunLog& runLog() { return log_; }
  const ThumbnailOptions& values() const { return values_; }
  // The options record that the ignore-size dialog sets.
  ThumbnailOptions& options() { return values_; }

  // FormWindow
  std::string sectionName() const override { return "formMain"; }
  int left() const override { return x(); }
  int top() const override { return y(); }
  void setLeft(int left) override { move(left, y()); }
  void setTop(int top) override { move(x(), top); }
  void centreOnScreen() override;
  void setWindowSize(int width, int height) override { setFixedSize(width, height); }
  bool positionKnown() const override;

  // OptionFields and OptionControls
  std::string sizeText(SizeField field) const override;
  std::string preamble() const override;
  std::string postamble() const override;
  std::string originalFolder() const override { return folders_.originalFolder(); }
  void setSizeText(SizeField field, std::string text) override;
  void focusSizeField(SizeField field) override;
  void setPreamble(std::string text) override;
  void setPostamble(std::string text) override;
  std::string drive() const override;
  bool showOriginalFolder(std::string_view drive, const std::string& folder) override;
  void setThumbnailFolderToOriginal() override;
  void setMenuCaption(OptionMenuItem item, std::string caption) override;
  void setMenuTick(OptionMenuItem item, bool ticked) override;
  QAction* optionMenuEntry(OptionMenuItem item) const;
  void redrawNow() override;

  // RunHost
  bool htmlChecked() const override;
  std::string thumbnailFolder() const override { return folders_.thumbnailFolder(); }
  std::size_t fileCount() const override;
  std::string fileName(std::size_t index) const override;
  bool fileSelected(std::size_t index) const override;
  void setFileSelected(std::size_t index, bool selected) override;
  void refreshFileLists() override;
  void reportStatus(std::string_view text) override;
  void reportProgressRange(int minimum, int maximum) override;
  void reportProgress(int position) override;
  void reportWorking(bool working) override;
  void presentThumbnail(const Raster& thumbnail, int left, int top) override;
  void withdrawThumbnail() override;
  void letEventsRun() override;
  // Closing the window during a run asks the run to stop after the picture in hand.
  bool stopRequested() const override { return closeAfterRun_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createOriginalGroup(QWidget* client);
  void createThumbnailGroup(QWidget* client);
  void createSizeGroup(QWidget* client);
  void createPreview(QWidget* client);
  void createButtonBar(QWidget* client);
  void createStatusBar(QWidget* client);
  void connectHandlers();
  void setTabOrder();
  bool folderReachable(const std::string& folder);
  void chooseDrive(int index);
  void showDriveOf(const std::string& folder);
  void formCreate();
  void formActivate();
  void runCommandLine();
  void fillOriginalLists();
  void fillThumbnailLists();

  SettingsStore& store_;
  QStringList arguments_;
  ThumbnailOptions values_;
  CatalogSettings catalog_;
  CompanionWindows companions_;
  RunLog log_;
  FolderPair folders_;
  bool running_ = false;
  bool activated_ = false;
  bool closeAfterRun_ = false;
  bool commandLineEnded_ = false;
  std::unique_ptr<RunSummary> commandLineRun_;

  QAction* menuFileSelectAll_ = nullptr;
  QAction* menuFileSave_ = nullptr;
  QAction* menuFileExit_ = nullptr;
  QAction* menuDisplayHTMLSetting_ = nullptr;
  QAction* menuDisplayLogViewer_ = nullptr;
  QAction* menuOptionDeleteRegistry_ = nullptr;
  QAction* menuOptionAutoDir_ = nullptr;
  QAction* menuOptionWarning_ = nullptr;
  QAction* menuOptionAutoOrient_ = nullptr;
  QAction* menuOptionUpdateOnly_ = nullptr;
  QAction* menuOptionSmooth_ = nullptr;
  QAction* menuOptionIgnoreSizeX_ = nullptr;
  QAction* menuOptionIgnoreSizeY_ = nullptr;
  QAction* menuIgnoreSizeSetting_ = nullptr;
  QAction* menuHelpInEng_ = nullptr;
  QAction* menuHelpInJap_ = nullptr;
  QAction* menuHelpVersion_ = nullptr;

  QWidget* panelViewArea_ = nullptr;
  QLabel* imageViewArea_ = nullptr;
  QComboBox* drivecomboboxOriginal_ = nullptr;
  QTreeWidget* directorylistboxOriginal_ = nullptr;
  QListWidget* filelistboxOriginal_ = nullptr;
  QPushButton* bitbtnAll_ = nullptr;
  QTreeWidget* directorylistboxThumbnail_ = nullptr;
  QLineEdit* editPreamble_ = nullptr;
  QLineEdit* editPostamble_ = nullptr;
  QListWidget* filelistboxThumbnail_ = nullptr;
  QCheckBox* checkboxHTML_ = nullptr;
  QLineEdit* editSizeX_ = nullptr;
  QLineEdit* editSizeY_ = nullptr;
  QObject* exitFilterX_ = nullptr;
  QObject* exitFilterY_ = nullptr;
  QPushButton* bitbtnHTML_ = nullptr;
  QPushButton* bitbtnSave_ = nullptr;
  QPushButton* bitbtnExit_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QProgressBar* progressbarList_ = nullptr;
};

}  // namespace vok
