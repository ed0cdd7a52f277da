#pragma once

#include <QAbstractSpinBox>

namespace vok {

// A whole-number field with arrows that keeps its text as typed: the arrows and the Up and Down
// keys step within the limits (a text that is not a number counts as the lower limit), typing
// takes only digits, signs, the decimal separator and editing keys, and leaving the field moves a
// number outside the limits to the nearer one. A text that is not a number stays as it is.
class NumberField : public QAbstractSpinBox {
 public:
  NumberField(int minimum, int maximum, QWidget* parent = nullptr);

  QString text() const;
  void setText(const QString& text);

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int minimum_;
  int maximum_;
};

}  // namespace vok
