#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace vok {

void keepOnAScreen(QWidget& window) {
  const QPoint corner = window.pos();
  if (QGuiApplication::screenAt(corner) != nullptr) return;
  const QScreen* nearest = nullptr;
  long long best = std::numeric_limits<long long>::max();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    const long long dx = std::max({area.left() - corner.x(), 0, corner.x() - area.right()});
    const long long dy = std::max({area.top() - corner.y(), 0, corner.y() - area.bottom()});
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      nearest = screen;
    }
  }
  if (nearest == nullptr) return;
  const QRect area = nearest->availableGeometry();
  window.move(
      std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - window.width())),
      std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - window.height())));
}

}  // namespace vok
