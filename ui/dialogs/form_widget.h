#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <string>

#include "ui/dialogs/screen_fit.h"

namespace vok {

// A top-level Qt window that keeps its position in the settings (`Model` is FormWindow or one of
// its extensions). Its object name is its settings section; positions are the outer frame's.
// Centring waits for the first showing, so a window that is never shown keeps the place it was
// designed at, and that is what gets stored. A window shown where no screen is moves onto the
// nearest one.
template <typename Model, typename Widget>
class FormWidget : public Widget, public Model {
 public:
  using Widget::Widget;

  std::string sectionName() const override { return this->objectName().toStdString(); }
  int left() const override { return this->pos().x(); }
  int top() const override { return this->pos().y(); }
  void setLeft(int left) override { this->move(left, this->pos().y()); }
  void setTop(int top) override { this->move(this->pos().x(), top); }
  void centreOnScreen() override {
    centreWhenShown_ = true;
    if (this->isVisible()) centreNow();
  }
  void setWindowSize(int width, int height) override { this->resize(width, height); }
  bool positionKnown() const override { return platformReportsWindowPositions(); }

 protected:
  void showEvent(QShowEvent* event) override {
    if (!event->spontaneous()) {
      if (centreWhenShown_)
        centreNow();
      else
        this->move(reachablePosition(this->pos(), this->frameSize()));
    }
    Widget::showEvent(event);
  }

 private:
  void centreNow() {
    centreWhenShown_ = false;
    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    this->move(area.center() - QPoint(this->width() / 2, this->height() / 2));
  }

  bool centreWhenShown_ = false;
};

}  // namespace vok
