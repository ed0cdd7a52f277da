#include "ui/splash_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace vok {

TformSplash::TformSplash()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen) {
  setObjectName(QStringLiteral("formSplash"));
  setFixedSize(392, 152);
  setCursor(Qt::BusyCursor);
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("panelSplash"));
  panel->setGeometry(rect());
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setLineWidth(1);
  auto* title = new QLabel(QStringLiteral("Tessaly's Vok"), panel);
  title->setObjectName(QStringLiteral("imageTitle"));
  title->setGeometry(96, 24, 230, 65);
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(32);
  font.setBold(true);
  font.setItalic(true);
  title->setFont(font);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TformSplash::showUntilTheLoopRuns() {
  show();
  repaint();
  deleteLater();
}

}  // namespace vok
