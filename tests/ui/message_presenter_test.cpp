#include "ui/message_presenter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

#include "tests/ui/box_recorder.h"

namespace vok {
namespace {

struct BoxCase {
  MessageKind kind;
  MessageButton button;
  const char* title;
  const char* prefix;
  friend void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.prefix << c.title; }
};

class MessagePresenterTest : public testing::TestWithParam<BoxCase> {};

TEST_P(MessagePresenterTest, HandlerGetsTheBoxWithItsTitle) {
  test::BoxRecorder recorder;
  MessagePresenter presenter;
  presenter.tellUser(GetParam().kind, GetParam().button, "Some text");
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].title, GetParam().title);
  EXPECT_EQ(recorder.boxes[0].kind, GetParam().kind);
  EXPECT_EQ(recorder.boxes[0].button, GetParam().button);
  EXPECT_EQ(recorder.boxes[0].text, "Some text");
}

TEST_P(MessagePresenterTest, WithoutHandlerOffscreenTheBoxGoesToStandardError) {
  ASSERT_TRUE(nobodyCanAnswer());
  MessagePresenter presenter;
  testing::internal::CaptureStderr();
  presenter.tellUser(GetParam().kind, GetParam().button, "Line one");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(GetParam().prefix) + "Line one\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MessagePresenterTest,
    testing::Values(BoxCase{MessageKind::kWarning, MessageButton::kOk, "警告", "warning: "},
                    BoxCase{MessageKind::kWarning, MessageButton::kYes, "警告", "warning: "},
                    BoxCase{MessageKind::kInformation, MessageButton::kOk, "情報", "information: "},
                    BoxCase{MessageKind::kError, MessageButton::kOk, "エラー", "error: "}));

// An object whose event handler fails the way an unexpected error does.
class FailingObject : public QObject {
 public:
  explicit FailingObject(const char* message) : message_(message) {}
  bool event(QEvent*) override { throw std::runtime_error(message_); }

 private:
  const char* message_;
};

struct EscapeCase {
  const char* message;
  const char* shown;
  friend void PrintTo(const EscapeCase& c, std::ostream* out) { *out << c.message; }
};

class GeneralErrorTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(GeneralErrorTest, AnEscapedErrorIsShownAndTheLoopGoesOn) {
  test::BoxRecorder recorder;
  FailingObject failing(GetParam().message);
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[0].title, "Tessaly's Vok");
  EXPECT_EQ(recorder.boxes[0].kind, MessageKind::kError);
  EXPECT_EQ(recorder.boxes[0].button, MessageButton::kOk);
  EXPECT_EQ(recorder.boxes[0].text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, GeneralErrorTest,
                         testing::Values(EscapeCase{"Cannot write", "Cannot write."},
                                         EscapeCase{"Done.", "Done."},
                                         EscapeCase{"Stopped!", "Stopped!"}));

}  // namespace
}  // namespace vok
