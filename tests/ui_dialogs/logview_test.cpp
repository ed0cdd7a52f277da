#include "ui/dialogs/logview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

#include "settings/fake_windows.h"
#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {
namespace {

struct LogViewerTest : testing::Test {
  RunLog log;
  TformLogViewer viewer{log};
  QString text() const { return viewer.memoLog()->toPlainText(); }
};

TEST_F(LogViewerTest, LinesFollowTheOneEmptyLineOfTheStart) {
  log.append("a.jpg is corrupt.");
  log.append("second");
  EXPECT_EQ(text(), "\na.jpg is corrupt.\nsecond");
}

TEST_F(LogViewerTest, ClearRemovesTypedAndPreviewLinesAndTheNextLineIsFirst) {
  log.append("preview line");
  QTest::keyClicks(viewer.memoLog(), "typed");
  log.clear();
  log.append("***** Conversion Log *****");
  EXPECT_EQ(text(), "***** Conversion Log *****");
}

TEST_F(LogViewerTest, TypedTextStaysUntilAClear) {
  viewer.show();
  log.append("one");
  QTest::keyClicks(viewer.memoLog(), "note");
  log.append("two");
  EXPECT_EQ(text(), "\nonenote\ntwo");
}

TEST_F(LogViewerTest, EveryWayOfClosingOnlyHidesAndKeepsTheText) {
  const std::vector<std::function<void()>> closers = {
      [&] { QTest::mouseClick(viewer.bitbtnClose(), Qt::LeftButton); },
      [&] { viewer.menuFileClose()->trigger(); },
      [&] { viewer.close(); },
  };
  log.append("kept");
  for (const auto& closeIt : closers) {
    viewer.show();
    closeIt();
    EXPECT_TRUE(viewer.isHidden());
    viewer.show();
    EXPECT_EQ(text(), "\nkept");
  }
}

TEST(LogViewerPlacement, FirstStartIs600By480CentredWhenShown) {
  test::StoreInTempDir store;
  RunLog log;
  TformLogViewer viewer{log};
  viewer.FormCreate(store.store);
  EXPECT_EQ(viewer.size(), QSize(600, 480));
  EXPECT_EQ(viewer.pos(), QPoint(188, 100));  // not shown yet
  viewer.show();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(viewer.pos(), area.center() - QPoint(300, 240));
}

TEST(LogViewerPlacement, StoredPositionIsKeptOnAScreenAndMovedOntoOneOtherwise) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    QPoint stored;
    bool keepsX, keepsY;
  };
  for (const auto [stored, keepsX, keepsY] :
       {Case{{30, 40}, true, true}, Case{{-5000, 40}, false, true},
        Case{{30, 90000}, true, false}}) {
    test::StoreInTempDir store;
    test::FakeWindow<> window{"formLogViewer"};
    window.moveTo(stored.x(), stored.y());
    SaveFormPosition(store.store, window, SettingsKeyPath);
    RunLog log;
    TformLogViewer viewer{log};
    viewer.FormCreate(store.store);
    viewer.show();
    EXPECT_EQ(viewer.size(), QSize(544, 375));
    EXPECT_TRUE(area.contains(viewer.frameGeometry())) << stored.x() << "," << stored.y();
    EXPECT_EQ(viewer.pos().x() == stored.x(), keepsX);
    EXPECT_EQ(viewer.pos().y() == stored.y(), keepsY);
  }
}

TEST(LogViewerPlacement, NeverShownStoresTheDesignedPosition) {
  test::StoreInTempDir store;
  ensureSettingsKey(store.store);
  {
    RunLog log;
    TformLogViewer viewer{log};
    viewer.FormCreate(store.store);
    viewer.FormDestroy(store.store);
  }
  test::FakeWindow<> loaded{"formLogViewer"};
  LoadFormPosition(store.store, loaded, SettingsKeyPath);
  EXPECT_EQ(QPoint(loaded.left(), loaded.top()), QPoint(188, 100));
}

}  // namespace
}  // namespace vok
