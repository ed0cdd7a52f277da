#include "ui/dialogs/html.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "settings/fake_windows.h"
#include "settings/key_path.h"
#include "settings/regutl.h"
#include "ui/dialogs/number_field.h"

namespace vok {
namespace {

struct HtmlDialogTest : testing::Test {
  test::StoreInTempDir store;
  TformHTML dialog;

  void SetUp() override {
    dialog.FormCreate(store.store);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  // Types into a field and leaves it for the title field.
  void typeAndLeave(QWidget* field, const char* text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    dialog.editTitle->setFocus();
  }
  void pickPageMode(int item) {
    QTest::mouseClick(dialog.radiogroupSingleMultiPage->button(item), Qt::LeftButton);
  }
};

TEST_F(HtmlDialogTest, FirstStartCreatesTheKeyAndShowsTheDefaults) {
  EXPECT_TRUE(SettingsKeyExists(store.store, SettingsKeyPath));
  EXPECT_EQ(dialog.pagecontrolHTML->currentIndex(), 0);
  EXPECT_EQ(dialog.editTitle->text(), "JPEG File Catalog");
  EXPECT_EQ(dialog.spineditColumn->text(), "4");
  EXPECT_EQ(dialog.spineditRow->text(), "5");
  EXPECT_EQ(dialog.radiogroupSingleMultiPage->checkedId(), 0);
  EXPECT_EQ(dialog.editIndexName->text(), "index");
  EXPECT_EQ(dialog.editIndexExt->text(), "html");
  EXPECT_EQ(dialog.editTABLEOption->text(), R"(BORDER="1" CELLSPACING="0" CELLPADDING="5")");
  for (QCheckBox* ticked :
       {dialog.checkboxName, dialog.checkboxFileSize, dialog.checkboxPictureSize,
        dialog.CheckBoxTimeStamp, dialog.checkboxDateTime})
    EXPECT_TRUE(ticked->isChecked()) << ticked->objectName().toStdString();
  EXPECT_FALSE(dialog.CheckBoxNewPage->isChecked());
  EXPECT_FALSE(dialog.labelRow->isEnabled());
  EXPECT_FALSE(dialog.spineditRow->isEnabled());
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((dialog.geometry().center() - area.center()).manhattanLength(), 8);

  // Never shown on a first start, it stores that centred place, not a corner of the screen.
  test::StoreInTempDir other;
  TformHTML hidden;
  hidden.FormCreate(other.store);
  hidden.FormDestroy(other.store);
  test::FakeWindow<> loaded{"formHTML"};
  LoadFormPosition(other.store, loaded, SettingsKeyPath);
  EXPECT_EQ(QPoint(loaded.left(), loaded.top()), hidden.pos());
  EXPECT_GT(loaded.left(), 0);
}

TEST_F(HtmlDialogTest, LeavingANumberFieldClampsToOneToNinetyNine) {
  pickPageMode(1);
  for (NumberField* field : {dialog.spineditColumn, dialog.spineditRow}) {
    for (auto [typed, left] : {std::pair{"150", "99"}, std::pair{"0", "1"}, std::pair{"-3", "1"},
                               std::pair{"42", "42"}, std::pair{"+", "+"}}) {
      typeAndLeave(field, typed);
      EXPECT_EQ(field->text(), left) << typed;
    }
  }
}

TEST_F(HtmlDialogTest, NumberFieldRefusesOtherCharactersAndStepsWithinTheLimits) {
  NumberField* field = dialog.spineditColumn;
  typeAndLeave(field, "1a2\r");
  EXPECT_EQ(field->text(), "12");
  struct Step {
    const char* from;
    Qt::Key key;
    const char* to;
  };
  for (const Step& s : {Step{"99", Qt::Key_Up, "99"}, Step{"1", Qt::Key_Down, "1"},
                        Step{"5", Qt::Key_Up, "6"}, Step{"5", Qt::Key_Down, "4"}}) {
    field->setText(QString::fromLatin1(s.from));
    QTest::keyClick(field, s.key);
    EXPECT_EQ(field->text(), s.to) << s.from;
  }
  field->setText("abc");  // a loaded text that is not a number counts as 1 for the arrows
  field->stepBy(1);
  EXPECT_EQ(field->text(), "2");
}

TEST_F(HtmlDialogTest, NameAndExtensionCannotBeEmptied) {
  for (auto [edit, fallback] :
       {std::pair{dialog.editIndexName, "index"}, std::pair{dialog.editIndexExt, "html"}}) {
    edit->setText("x");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), fallback);
  }
}

TEST_F(HtmlDialogTest, RowIsEnabledExactlyInMultiPageAlsoAfterARestart) {
  pickPageMode(1);
  EXPECT_TRUE(dialog.spineditRow->isEnabled());
  EXPECT_TRUE(dialog.labelRow->isEnabled());
  pickPageMode(0);
  EXPECT_FALSE(dialog.spineditRow->isEnabled());
  pickPageMode(1);
  dialog.FormDestroy(store.store);
  TformHTML restarted;
  restarted.FormCreate(store.store);
  EXPECT_TRUE(restarted.spineditRow->isEnabled());
  EXPECT_TRUE(restarted.labelRow->isEnabled());
}

TEST_F(HtmlDialogTest, HeadBlockLinesAreStoredWithCrLfAndComeBack) {
  dialog.memoHEADBlock->setFocus();
  QTest::keyClicks(dialog.memoHEADBlock, "<a>\r<b>\r<c>");
  EXPECT_EQ(dialog.current().HEADBlock, "<a>\r\n<b>\r\n<c>");
  dialog.FormDestroy(store.store);
  TformHTML restarted;
  restarted.FormCreate(store.store);
  EXPECT_EQ(restarted.memoHEADBlock->toPlainText(), "<a>\n<b>\n<c>");
}

TEST_F(HtmlDialogTest, StoredPageModeSelectsItsItem) {
  for (auto [stored, item] : {std::pair{2, 1}, std::pair{-1, -1}}) {
    CatalogSettings settings;
    settings.SingleMultiPage = stored;
    dialog.showCatalogSettings(settings);
    EXPECT_EQ(dialog.radiogroupSingleMultiPage->checkedId(), item) << stored;
    EXPECT_EQ(dialog.spineditRow->isEnabled(), item == 1);
  }
}

}  // namespace
}  // namespace vok
