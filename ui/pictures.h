#pragma once

#include <QIcon>
#include <QPixmap>

namespace vok {

// The program's own pictures, compiled into the program (sources and renders in ui/pictures/).
QIcon programIcon();
// The title picture of the splash window (182 by 65) and the main window's logo (185 by 61).
QPixmap titlePicture();
QPixmap logoPicture();
// A button's picture by name: "all", "html", "save", "exit".
QIcon buttonGlyph(const char* name);

}  // namespace vok
