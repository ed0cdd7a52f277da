#include "ui/pictures.h"

#include <QString>

// The resources live in a static library, whose registration the linker would drop unless
// something calls it.
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace vok {

QIcon programIcon() {
  registerPictures();
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/pictures/icons/vok-%1.png").arg(size), QSize(size, size));
  return icon;
}

QPixmap titlePicture() {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/title.png"));
}

QPixmap logoPicture() {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/logo.png"));
}

QIcon buttonGlyph(const char* name) {
  registerPictures();
  return QIcon(QStringLiteral(":/pictures/glyphs/%1.png").arg(QLatin1String(name)));
}

}  // namespace vok
