#include "ui/help_menu.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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

std::optional<std::string> findHelpFile(const std::string& programFolder, const std::string& name) {
  for (const char* folder : {"/", "/../share/vok/"}) {
    const std::string path = programFolder + folder + name;
    if (QFileInfo(QString::fromStdString(path)).isFile()) return path;
  }
  return std::nullopt;
}

void OpenHelpFile(const std::string& name, MessageSink& boxes) {
  const auto path = findHelpFile(QCoreApplication::applicationDirPath().toStdString(), name);
  if (!path) {
    ReportShellError(kFileNotFound, name, boxes);
    return;
  }
  const QString cleanPath = QDir::cleanPath(QString::fromStdString(*path));
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(cleanPath)))
    ReportShellError(kNoAssociation, name, boxes);
}

}  // namespace vok
