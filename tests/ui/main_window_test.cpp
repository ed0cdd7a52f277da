// The main window driven through its real widgets, offscreen, every box answered by a recorder.
#include "ui/main_window.h"

#include <QPointer>
#include "ui/splash_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "codec/jpeg_codec.h"
#include "common/version.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"
#include "tests/ui/box_recorder.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

struct MainWindowTest : testing::Test {
  test::TempDir scratch;
  test::TempDir photos;
  test::BoxRecorder boxes;
  SettingsStore store{scratch.file("settings")};
  TformMain window{store, {}};

  void SetUp() override {
    window.show();
    QApplication::setActiveWindow(&window);
    window.showOriginalFolder("/", photos.path().string());
    window.setThumbnailFolderToOriginal();
  }
  template <typename Widget>
  Widget* child(const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void addPicture(const std::string& name, int width, int height) {
    JpegCodec::encodeFile(test::texturedPicture(width, height), photos.file(name));
  }
  void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
};

TEST_F(MainWindowTest, CaptionAndClientSizeAreTheDesigned) {
  EXPECT_EQ(window.windowTitle().toStdString(), std::string("Vok  ") + kVersion);
  EXPECT_EQ(window.centralWidget()->size(), QSize(561, 427));
  EXPECT_TRUE(boxes.boxes.empty());
}

struct RangeCase {
  const char* field;
  const char* typed;
  const char* after;
  std::size_t messages;
  friend void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.field << c.typed; }
};

struct RangeTest : MainWindowTest, testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, LeavingASizeFieldChecksItsRange) {
  const RangeCase& c = GetParam();
  auto* field = child<QLineEdit>(c.field);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, QString::fromLatin1(c.typed));
  child<QLineEdit>("editPreamble")->setFocus();
  EXPECT_EQ(field->text().toStdString(), c.after);
  ASSERT_EQ(boxes.boxes.size(), c.messages);
  if (c.messages == 1) {
    EXPECT_EQ(boxes.boxes[0].kind, MessageKind::kWarning);
    EXPECT_EQ(boxes.boxes[0].button, MessageButton::kYes);
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, RangeTest,
                         testing::Values(RangeCase{"editSizeX", "300", "200", 1},
                                         RangeCase{"editSizeX", "31", "32", 1},
                                         RangeCase{"editSizeY", "201", "200", 1},
                                         RangeCase{"editSizeY", "120", "120", 0}));

TEST_F(MainWindowTest, AllInAFolderWithoutJpegFilesWarns) {
  click("bitbtnAll");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "There is no JPEG file in the directory.");
  EXPECT_EQ(boxes.boxes[0].title, "警告");
}

TEST_F(MainWindowTest, AllSelectsEveryFileAndSaveConvertsThem) {
  for (const char* name : {"a.jpg", "b.jpeg", "c.JPG"}) addPicture(name, 300, 240);
  window.refreshFileLists();
  auto* files = child<QListWidget>("filelistboxOriginal");
  ASSERT_EQ(files->count(), 3);
  files->item(1)->setSelected(true);
  click("bitbtnAll");
  EXPECT_EQ(files->selectedItems().size(), 3);
  click("bitbtnSave");
  EXPECT_TRUE(boxes.boxes.empty());
  for (const char* name : {"_a.jpg", "_b.jpg", "_c.jpg"})
    EXPECT_TRUE(fs::exists(photos.file(name))) << name;
  EXPECT_EQ(window.thumbnailFolder(), photos.path().string());
  EXPECT_EQ(child<QListWidget>("filelistboxThumbnail")->count(), 6);
  EXPECT_EQ(files->count(), 6);
  EXPECT_EQ(files->selectedItems().size(), 0);
  EXPECT_EQ(child<QProgressBar>("progressbarList")->value(), 0);
  EXPECT_FALSE(child<QLabel>("imageViewArea")->isVisible());
  EXPECT_FALSE(window.runLog().lines().empty());
}

TEST_F(MainWindowTest, SaveWithNothingSelectedSaysSo) {
  addPicture("a.jpg", 300, 240);
  window.refreshFileLists();
  click("bitbtnSave");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "No selected JPEG file.");
  EXPECT_FALSE(fs::exists(photos.file("_a.jpg")));
}

TEST_F(MainWindowTest, ClickingAFileShowsItsPreviewAndWritesNothing) {
  addPicture("a.jpg", 300, 240);
  test::writeText(photos.file("b.jpg"), "not a picture");
  window.refreshFileLists();
  auto* files = child<QListWidget>("filelistboxOriginal");
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualItemRect(files->item(0)).center());
  EXPECT_TRUE(child<QLabel>("imageViewArea")->isVisible());
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualItemRect(files->item(1)).center());
  EXPECT_TRUE(boxes.boxes.empty()) << "Warning is off";
  ASSERT_EQ(window.runLog().lines().size(), 1u);
  EXPECT_NE(window.runLog().lines()[0].find(" is corrupt."), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(photos.path()), {}), 2);
}

TEST_F(MainWindowTest, SaveDuringARunStartsNothingAndSaysSo) {
  addPicture("a.jpg", 300, 240);
  addPicture("b.jpg", 300, 240);
  window.refreshFileLists();
  click("bitbtnAll");
  std::string statusDuringRun;
  QTimer::singleShot(0, &window, [&] {
    click("bitbtnSave");
    statusDuringRun = child<QLabel>("statusPanel")->text().toStdString();
  });
  click("bitbtnSave");
  EXPECT_NE(statusDuringRun.find("Save starts nothing"), std::string::npos) << statusDuringRun;
  EXPECT_TRUE(fs::exists(photos.file("_b.jpg")));
}

TEST_F(MainWindowTest, TabGoesThroughTheGroupsInOrder) {
  std::vector<std::string> visited;
  child<QWidget>("drivecomboboxOriginal")->setFocus();
  for (int i = 0; i < 14; ++i) {
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, (std::vector<std::string>{
                         "drivecomboboxOriginal", "directorylistboxOriginal", "filelistboxOriginal",
                         "bitbtnAll", "directorylistboxThumbnail", "editPreamble", "editPostamble",
                         "filelistboxThumbnail", "checkboxHTML", "editSizeX", "editSizeY",
                         "bitbtnHTML", "bitbtnSave", "bitbtnExit"}));
}

TEST_F(MainWindowTest, WarningTwiceIsOffAgainAndShowsBoxesOnlyWhileOn) {
  auto* warning = window.findChild<QAction*>(QStringLiteral("menuOptionWarning"));
  ASSERT_NE(warning, nullptr);
  test::writeText(photos.file("b.jpg"), "not a picture");
  window.refreshFileLists();
  warning->trigger();
  EXPECT_TRUE(warning->isChecked());
  window.filelistboxOriginalClick("b.jpg");
  EXPECT_EQ(boxes.boxes.size(), 1u);
  warning->trigger();
  EXPECT_FALSE(warning->isChecked());
  window.filelistboxOriginalClick("b.jpg");
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(MainWindowTest, AfterDeleteRegistryTheEndWritesNothing) {
  window.findChild<QAction*>(QStringLiteral("menuOptionDeleteRegistry"))->trigger();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, MessageKind::kInformation);
  window.formDestroy();
  SettingsAccess access(store, SettingsKeyPath);
  EXPECT_FALSE(access.sectionExists(kMainSection));
}

TEST_F(MainWindowTest, AFolderThatVanishedIsNamedAndTheListsStay) {
  fs::create_directory(photos.file("gone"));
  addPicture("a.jpg", 300, 240);
  window.showOriginalFolder("/", photos.path().string());
  auto* folders = child<QTreeWidget>("directorylistboxOriginal");
  const auto named = [folders](const char* name) {
    return folders->findItems(QString::fromLatin1(name), Qt::MatchExactly | Qt::MatchRecursive);
  };
  const QList<QTreeWidgetItem*> gone = named("gone");
  ASSERT_EQ(gone.size(), 1);
  fs::remove(photos.file("gone"));
  emit folders->itemActivated(gone[0], 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "There is no folder " + photos.file("gone") + ".");
  EXPECT_EQ(window.originalFolder(), photos.path().string());
  EXPECT_EQ(child<QListWidget>("filelistboxOriginal")->count(), 1);
  EXPECT_EQ(named("gone").size(), 0);
}

struct HelpCase {
  const char* entry;
  const char* text;
  friend void PrintTo(const HelpCase& c, std::ostream* out) { *out << c.entry; }
};

struct HelpTest : MainWindowTest, testing::WithParamInterface<HelpCase> {};

TEST_P(HelpTest, HelpEntryShowsItsBox) {
  window.findChild<QAction*>(QString::fromLatin1(GetParam().entry))->trigger();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, GetParam().text);
}

const std::string kVersionBox =
    std::string("Tessaly's Vok\rJPEG thumbnails and HTML catalogs\rVersion ") + kVersion +
    "\rCopyright the Vok developers\rHomepage ";

INSTANTIATE_TEST_SUITE_P(
    Entries, HelpTest,
    testing::Values(
        HelpCase{"menuHelpInEng", "Could not shellexecute \"vok.html\".\rReturn Code was 2 ."},
        HelpCase{"menuHelpInJap", "Could not shellexecute \"vok-j.html\".\rReturn Code was 2 ."},
        HelpCase{"menuHelpVersion", kVersionBox.c_str()}));

QSize pictureSizeOf(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QLatin1String(name));
  return label ? label->pixmap().size() : QSize();
}

// The pictures are compiled in: the logo fills its place, every button of the window has its own.
TEST_F(MainWindowTest, LogoAndButtonsCarryTheirPictures) {
  EXPECT_EQ(pictureSizeOf(window, "imageTitleLogo"), QSize(185, 61));
  std::vector<QImage> glyphs;
  for (const char* name : {"bitbtnAll", "bitbtnHTML", "bitbtnSave", "bitbtnExit"}) {
    const QImage glyph =
        window.findChild<QPushButton*>(QLatin1String(name))->icon().pixmap(16, 16).toImage();
    EXPECT_FALSE(glyph.isNull()) << name;
    for (const QImage& other : glyphs) EXPECT_NE(glyph, other) << name;
    glyphs.push_back(glyph);
  }
}

TEST(SplashTest, CentredOnTopAndGoneAtTheFirstEvents) {
  QPointer<TformSplash> splash = new TformSplash;
  splash->showUntilTheLoopRuns();
  EXPECT_EQ(splash->size(), QSize(392, 152));
  EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
  EXPECT_EQ(pictureSizeOf(*splash, "imageIcon"), QSize(32, 32));
  EXPECT_EQ(pictureSizeOf(*splash, "imageTitle"), QSize(182, 65));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
}

struct PlacementCase {
  int left;
  int top;
  bool kept;
  friend void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.left << "," << c.top; }
};

struct PlacementTest : testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, AStoredPositionOffEveryScreenMovesOntoOne) {
  test::TempDir scratch;
  SettingsStore store(scratch.file("settings"));
  {
    SettingsAccess access(store, SettingsKeyPath);
    access.writeInteger(kMainSection, "Left", GetParam().left);
    access.writeInteger(kMainSection, "Top", GetParam().top);
    access.close();
  }
  TformMain placed(store, {});
  EXPECT_NE(QGuiApplication::screenAt(placed.pos()), nullptr);
  EXPECT_EQ(placed.pos() == QPoint(GetParam().left, GetParam().top), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Positions, PlacementTest,
                         testing::Values(PlacementCase{100, 80, true},
                                         PlacementCase{5000, 4000, false},
                                         PlacementCase{-3000, 50, false}));

}  // namespace
}  // namespace vok
