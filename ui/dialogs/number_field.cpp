#include "ui/dialogs/number_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>

#include "common/whole_number.h"

namespace vok {
namespace {

bool acceptsCharacter(QChar c) {
  return c.isDigit() || c == u'+' || c == u'-' || c == QLocale().decimalPoint().front();
}

}  // namespace

NumberField::NumberField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {}

QString NumberField::text() const {
  return lineEdit()->text();
}

void NumberField::setText(const QString& text) {
  lineEdit()->setText(text);
}

void NumberField::stepBy(int steps) {
  const auto value = tryParseWholeNumber(text().toStdString());
  const long long from = value ? *value : minimum_;
  setText(QString::number(std::clamp<long long>(from + steps, minimum_, maximum_)));
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
  const auto value = tryParseWholeNumber(text().toStdString());
  if (!value) return StepUpEnabled | StepDownEnabled;
  StepEnabled enabled = StepNone;
  if (*value < maximum_) enabled |= StepUpEnabled;
  if (*value > minimum_) enabled |= StepDownEnabled;
  return enabled;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool shortcut =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const bool refused = enter || (!shortcut && !typed.isEmpty() && typed.front().isPrint() &&
                                 !std::all_of(typed.begin(), typed.end(), acceptsCharacter));
  if (refused) {
    QApplication::beep();
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
  if (const auto value = tryParseWholeNumber(text().toStdString())) {
    const int limited = std::clamp<int>(*value, minimum_, maximum_);
    if (limited != *value) setText(QString::number(limited));
  }
  QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace vok
