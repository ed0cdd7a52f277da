#include "ui/dialogs/ignore.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "settings/fake_windows.h"

namespace vok {
namespace {

struct IgnoreSizeTest : testing::Test {
  test::FakeMainForm mainWindow;
  test::MessageRecorder messages;
  ThumbnailOptions values;
  TformIgnoreSizeSetting dialog{values, mainWindow, messages};

  void type(const char* x, const char* y) {
    dialog.show();
    dialog.editX()->clear();
    dialog.editY()->clear();
    QTest::keyClicks(dialog.editX(), x);
    QTest::keyClicks(dialog.editY(), y);
  }
};

struct Accepted {
  const char* x;
  const char* y;
  int ignoreX;
  int ignoreY;
};

TEST_F(IgnoreSizeTest, OkTakesEveryWholeNumberWithoutRangeCheck) {
  for (const Accepted& c : {Accepted{"100", "80", 100, 80}, Accepted{"0", "0", 0, 0},
                            Accepted{"-5", " +7", -5, 7}, Accepted{"$10", "0x1f", 16, 31}}) {
    type(c.x, c.y);
    QTest::mouseClick(dialog.bitbtnOK(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isHidden()) << c.x;
    EXPECT_EQ(values.IgnoreX, c.ignoreX);
    EXPECT_EQ(values.IgnoreY, c.ignoreY);
    EXPECT_EQ(mainWindow.captions[OptionMenuItem::kIgnoreSizeX],
              "Ignore Size X=" + std::to_string(c.ignoreX));
    EXPECT_EQ(mainWindow.captions[OptionMenuItem::kIgnoreSizeY],
              "Ignore Size Y=" + std::to_string(c.ignoreY));
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(IgnoreSizeTest, WrongTextWarnsKeepsTheDialogOpenAndChangesNothing) {
  for (auto [x, y] : {std::pair{"", ""}, std::pair{"12 ", "5"}, std::pair{"abc", "1"},
                      std::pair{"7", "9x"}, std::pair{"2147483648", "1"}}) {
    messages.messages.clear();
    type(x, y);
    QTest::keyClick(dialog.editY(), Qt::Key_Return);  // Enter presses OK
    ASSERT_EQ(messages.messages.size(), 1u) << x << "," << y;
    EXPECT_EQ(messages.messages[0], (test::ShownMessage{MessageKind::kWarning, MessageButton::kOk,
                                                        "Value in X or Y is wrong."}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.editX()->text(), x);
    EXPECT_EQ(values.IgnoreX, 200);
    EXPECT_EQ(values.IgnoreY, 200);
  }
  EXPECT_TRUE(mainWindow.captions.empty());
}

TEST_F(IgnoreSizeTest, FieldsStartEmptyAndCancelOrEscKeepTheTypedTexts) {
  EXPECT_TRUE(dialog.editX()->text().isEmpty());
  EXPECT_TRUE(dialog.editY()->text().isEmpty());
  type("300", "400");
  QTest::mouseClick(dialog.bitbtnCancel(), Qt::LeftButton);
  EXPECT_TRUE(dialog.isHidden());
  dialog.show();
  QTest::keyClick(dialog.editX(), Qt::Key_Escape);
  EXPECT_TRUE(dialog.isHidden());
  dialog.show();
  EXPECT_EQ(dialog.editX()->text(), "300");
  EXPECT_EQ(dialog.editY()->text(), "400");
  EXPECT_EQ(values.IgnoreX, 200);
  EXPECT_TRUE(mainWindow.captions.empty());
}

}  // namespace
}  // namespace vok
