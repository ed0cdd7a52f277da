#include "ui/dialogs/screen_fit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace vok {
namespace {

long long distanceSquared(QPoint point, const QRect& area) {
  const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
  const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
  return dx * dx + dy * dy;
}

}  // namespace

QPoint reachablePosition(QPoint topLeft, QSize frame) {
  if (QGuiApplication::screenAt(topLeft) != nullptr) return topLeft;
  const QScreen* nearest = nullptr;
  long long best = std::numeric_limits<long long>::max();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const long long distance = distanceSquared(topLeft, screen->geometry());
    if (distance < best) {
      best = distance;
      nearest = screen;
    }
  }
  if (nearest == nullptr) return topLeft;
  const QRect area = nearest->availableGeometry();
  // As much of the window as fits, its title bar first.
  const int x =
      std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
  const int y =
      std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
  return {x, y};
}

bool platformReportsWindowPositions() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace vok
