#include "ui/dialogs/dialog_fonts.h"

namespace vok {

QFont captionFont(bool bold) {
  QFont font(QStringLiteral("Liberation Serif"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(15);
  font.setBold(bold);
  return font;
}

}  // namespace vok
