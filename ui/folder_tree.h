#pragma once

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vok {

// A folder list drawn as a tree: the way from the root down to the shown folder, each step one
// level deeper, then the shown folder's subfolders by name. Each entry keeps its full path.
QTreeWidget* makeFolderTree(QWidget* parent);
void fillFolderTree(QTreeWidget* tree, const std::string& folder);
std::string folderOf(const QTreeWidgetItem& entry);

}  // namespace vok
