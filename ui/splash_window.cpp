#include "ui/splash_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/pictures.h"

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
  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("imageIcon"));
  icon->setGeometry(96, 40, 32, 32);
  icon->setPixmap(programIcon().pixmap(32, 32));
  auto* title = new QLabel(panel);
  title->setObjectName(QStringLiteral("imageTitle"));
  title->setGeometry(144, 24, 182, 65);
  title->setPixmap(titlePicture());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TformSplash::showUntilTheLoopRuns() {
  show();
  repaint();
  deleteLater();
}

}  // namespace vok
