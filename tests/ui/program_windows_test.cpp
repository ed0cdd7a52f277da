// The program's four windows together: start-up, the menus that open the others, a run that
// reads the HTML settings dialog and shows in the log viewer, and the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "codec/jpeg_codec.h"
#include "convert/run_summary.h"
#include "settings/key_path.h"
#include "settings/settings_access.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"
#include "tests/ui/box_recorder.h"
#include "ui/dialogs/html.h"
#include "ui/dialogs/ignore.h"
#include "ui/dialogs/logview.h"
#include "ui/main_window.h"
#include "ui/vok_program.h"

namespace vok {
namespace {

struct ProgramWindowsTest : testing::Test {
  test::TempDir scratch;
  test::TempDir photos;
  test::BoxRecorder boxes;
  SettingsStore store{scratch.file("settings")};
  VokProgram program{store, {}};
  TformMain& main = program.mainWindow();

  void SetUp() override {
    program.start();
    main.showOriginalFolder("/", photos.path().string());
    main.setThumbnailFolderToOriginal();
  }
  QAction* entry(const char* caption) {
    for (QAction* action : main.findChildren<QAction*>())
      if (action->text() == QString::fromUtf8(caption)) return action;
    ADD_FAILURE() << caption;
    return nullptr;
  }
  std::int32_t stored(std::string_view section, const char* name) {
    return SettingsAccess(store, SettingsKeyPath).readInteger(section, name, -1);
  }
};

TEST_F(ProgramWindowsTest, WindowsEndInReverseOrderEachStoringItsPlace) {
  std::vector<QString> ended;
  for (QWidget* window : std::initializer_list<QWidget*>{
           &main, &program.ignoreSizeSetting(), &program.logViewer(), &program.htmlSetting()}) {
    QObject::connect(window, &QObject::destroyed,
                     [&ended, name = window->objectName()] { ended.push_back(name); });
  }
  program.htmlSetting().move(50, 60);
  program.logViewer().move(70, 80);
  program.end();
  EXPECT_EQ(ended, (std::vector<QString>{"formHTML", "formLogViewer", "formIgnoreSizeSetting",
                                         "formMain"}));
  EXPECT_EQ(stored(kHtmlSection, "Left"), 50);
  EXPECT_EQ(stored(kLogViewerSection, "Top"), 80);
  EXPECT_NE(stored(kMainSection, "Left"), -1);
}

TEST_F(ProgramWindowsTest, AfterDeleteRegistryNoWindowWritesAtTheEnd) {
  entry("Delete Registry(&D)")->trigger();
  program.end();
  EXPECT_FALSE(store.keyExists(SettingsKeyPath));
}

struct OpeningCase {
  const char* control;  // a menu entry's caption, or a button's object name
  const char* window;
};

struct OpeningTest : ProgramWindowsTest, testing::WithParamInterface<OpeningCase> {};

TEST_P(OpeningTest, MenuAndButtonShowTheirWindowBesideTheMainWindow) {
  if (auto* button = main.findChild<QPushButton*>(QString::fromLatin1(GetParam().control)))
    button->click();
  else
    entry(GetParam().control)->trigger();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() != QString::fromLatin1(GetParam().window)) continue;
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
  }
  EXPECT_TRUE(main.isEnabled());
  EXPECT_TRUE(boxes.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Controls, OpeningTest,
                         testing::Values(OpeningCase{"bitbtnHTML", "formHTML"},
                                         OpeningCase{"HTML Setting(&H)", "formHTML"},
                                         OpeningCase{"Log Viewer(&L)", "formLogViewer"},
                                         OpeningCase{"Ignore Size Setting...(&S)",
                                                     "formIgnoreSizeSetting"}));

TEST_F(ProgramWindowsTest, RunReadsTheHtmlDialogAndShowsInTheLogViewer) {
  JpegCodec::encodeFile(test::texturedPicture(300, 240), photos.file("a.jpg"));
  main.refreshFileLists();
  program.htmlSetting().editTitle->setText(QStringLiteral("Summer Holiday"));
  main.findChild<QCheckBox*>(QStringLiteral("checkboxHTML"))->setChecked(true);
  main.menuFileSelectAllClick();
  main.menuFileSaveClick();
  EXPECT_NE(test::readText(photos.file("index.html")).find("Summer Holiday"), std::string::npos);
  const QString shown = program.logViewer().memoLog()->toPlainText();
  EXPECT_TRUE(shown.contains(QStringLiteral("***** Conversion Log *****"))) << shown.toStdString();
}

TEST_F(ProgramWindowsTest, IgnoreSizeDialogSetsTheMainWindowsOptions) {
  TformIgnoreSizeSetting& dialog = program.ignoreSizeSetting();
  dialog.editX()->setText(QStringLiteral("320"));
  dialog.editY()->setText(QStringLiteral("240"));
  dialog.bitbtnOKClick();
  EXPECT_EQ(main.values().IgnoreX, 320);
  EXPECT_EQ(entry("Ignore Size Y=240") != nullptr, true);
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowEndsTheProgramWithOtherWindowsOpen) {
  bool ended = false;
  QTimer::singleShot(0, &main, [&] {
    program.logViewer().show();
    program.htmlSetting().show();
    main.close();
  });
  QTimer::singleShot(5000, [&] { QCoreApplication::exit(1); });
  ended = QCoreApplication::exec() == 0;
  EXPECT_TRUE(ended);
}

// Closing the window during a run stops it after the picture in hand: the page it had open is
// finished, the settings are stored as at every end, and the program ends.
TEST_F(ProgramWindowsTest, ClosingDuringARunStopsAfterThePictureInHand) {
  constexpr int kPictures = 6;
  for (int i = 1; i <= kPictures; ++i)
    JpegCodec::encodeFile(test::texturedPicture(640, 480), photos.file(std::to_string(i) + ".jpg"));
  main.refreshFileLists();
  main.findChild<QCheckBox*>(QStringLiteral("checkboxHTML"))->setChecked(true);
  main.menuFileSelectAllClick();
  std::unique_ptr<RunSummary> summary;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QFileInfo::exists(QString::fromStdString(photos.file("_1.jpg")))) main.close();
  });
  closer.start(0);
  QTimer::singleShot(0, &main, [&] { summary = main.menuFileSaveClick(); });
  QTimer::singleShot(20000, [&] { QCoreApplication::exit(1); });
  ASSERT_EQ(QCoreApplication::exec(), 0);
  closer.stop();

  ASSERT_TRUE(summary);
  EXPECT_TRUE(summary->interrupted());
  EXPECT_LT(summary->converted, kPictures);
  EXPECT_FALSE(main.isVisible());
  const std::string page = test::readText(photos.file("index.html"));
  EXPECT_TRUE(page.ends_with("</HTML>\r\n")) << page;
  program.end();
  EXPECT_NE(stored("formMain", "Left"), -1);
}

}  // namespace
}  // namespace vok
