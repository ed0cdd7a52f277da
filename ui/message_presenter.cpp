#include "ui/message_presenter.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <utility>

#include "common/error_box.h"

namespace vok {

namespace {

BoxHandler& handlerSlot() {
  static BoxHandler handler;
  return handler;
}

QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return QMessageBox::Warning;
    case MessageKind::kInformation:
      return QMessageBox::Information;
    case MessageKind::kError:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

BoxHandler installBoxHandler(BoxHandler handler) {
  return std::exchange(handlerSlot(), std::move(handler));
}

bool nobodyCanAnswer() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

std::string boxTitleOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kWarning:
      return "警告";
    case MessageKind::kInformation:
      return "情報";
    case MessageKind::kError:
      return "エラー";
  }
  return {};
}

void presentBox(QWidget* parent, const PresentedBox& box) {
  if (const BoxHandler& handler = handlerSlot()) {
    handler(box);
    return;
  }
  if (nobodyCanAnswer()) {
    std::fprintf(stderr, "%s%s\n", terminalPrefixOf(box.kind), box.text.c_str());
    std::fflush(stderr);
    return;
  }
  QMessageBox message(iconOf(box.kind), QString::fromStdString(box.title),
                      QString::fromStdString(box.text), QMessageBox::NoButton, parent);
  if (box.button == MessageButton::kYes)
    message.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
  else
    message.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  message.exec();
}

void presentGeneralError(std::string_view message) {
  presentBox(nullptr,
             {"Tessaly's Vok", MessageKind::kError, MessageButton::kOk, errorBoxText(message)});
}

void MessagePresenter::tellUser(MessageKind kind, MessageButton button, std::string_view text) {
  presentBox(parent_, {boxTitleOf(kind), kind, button, std::string(text)});
}

}  // namespace vok
