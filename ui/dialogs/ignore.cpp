#include "ui/dialogs/ignore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "common/whole_number.h"
#include "settings/conversion_options.h"
#include "ui/dialogs/dialog_fonts.h"

namespace vok {
namespace {

QLabel* placedLabel(QWidget* parent, const char* name, const QString& text, QRect where) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(captionFont(true));
  label->setGeometry(where);
  return label;
}

QLineEdit* placedEdit(QWidget* parent, const char* name, QRect where) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setFont(captionFont(false));
  edit->setGeometry(where);
  return edit;
}

QPushButton* placedButton(QWidget* parent, const char* name, const QString& text,
                          QStyle::StandardPixmap picture, QRect where) {
  auto* button = new QPushButton(parent->style()->standardIcon(picture), text, parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(captionFont(true));
  button->setGeometry(where);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TformIgnoreSizeSetting::TformIgnoreSizeSetting(ThumbnailOptions& values, OptionControls& mainWindow,
                                               MessageSink& sink, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      values_(values),
      mainWindow_(mainWindow),
      sink_(sink) {
  setObjectName(QStringLiteral("formIgnoreSizeSetting"));
  setWindowTitle(QStringLiteral("Ignore Size Setting"));
  setFixedSize(406, 124);
  move(182, 363);

  placedLabel(this, "labelUsage",
              QStringLiteral("The Vok ignores images which is smaller than following size."),
              QRect(8, 8, 388, 17));
  placedLabel(this, "labelX", QStringLiteral("X"), QRect(24, 40, 16, 25));
  editX_ = placedEdit(this, "editX", QRect(48, 40, 49, 25));
  placedLabel(this, "labelY", QStringLiteral("Y"), QRect(128, 40, 16, 25));
  editY_ = placedEdit(this, "editY", QRect(144, 40, 49, 25));
  bitbtnOK_ = placedButton(this, "bitbtnOK", QStringLiteral("OK(&O)"), QStyle::SP_DialogOkButton,
                           QRect(152, 88, 89, 25));
  bitbtnCancel_ = placedButton(this, "bitbtnCancel", QStringLiteral("Cancel(&C)"),
                               QStyle::SP_DialogCancelButton, QRect(272, 88, 105, 25));
  bitbtnOK_->setDefault(true);

  setTabOrder(editX_, editY_);
  setTabOrder(editY_, bitbtnOK_);
  setTabOrder(bitbtnOK_, bitbtnCancel_);

  connect(bitbtnOK_, &QPushButton::clicked, this, [this] { bitbtnOKClick(); });
  connect(bitbtnCancel_, &QPushButton::clicked, this, [this] { bitbtnCancelClick(); });
  // Esc and the close box end in reject(): hide, nothing changes.
}

void TformIgnoreSizeSetting::bitbtnOKClick() {
  // Both fields are read before either value changes, so a wrong Y leaves X as it was too.
  const auto x = tryParseWholeNumber(editX_->text().toStdString());
  const auto y = tryParseWholeNumber(editY_->text().toStdString());
  if (!x || !y) {
    sink_.tellUser(MessageKind::kWarning, MessageButton::kOk, "Value in X or Y is wrong.");
    return;
  }
  values_.IgnoreX = *x;
  values_.IgnoreY = *y;
  WriteOptions(mainWindow_, values_);
  hide();
}

void TformIgnoreSizeSetting::bitbtnCancelClick() {
  hide();
}

}  // namespace vok
