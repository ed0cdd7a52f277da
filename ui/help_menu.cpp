#include "ui/help_menu.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "common/version.h"

namespace vok {

namespace {

constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

}  // namespace

std::string versionBoxText() {
  return std::string("Tessaly's Vok\r") + "JPEG thumbnails and HTML catalogs\r" + "Version " +
         kVersion + "\r" + "Copyright " + "the Vok developers\r" + "Homepage ";
}

void ReportShellError(int code, const std::string& name, MessageSink& boxes) {
  boxes.tellUser(
      MessageKind::kWarning, MessageButton::kOk,
      "Could not shellexecute \"" + name + "\".\rReturn Code was " + std::to_string(code) + " .");
}

void OpenHelpFile(const std::string& name, MessageSink& boxes) {
  const QString path =
      QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromStdString(name);
  if (!QFileInfo::exists(path)) {
    ReportShellError(kFileNotFound, name, boxes);
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    ReportShellError(kNoAssociation, name, boxes);
}

}  // namespace vok
