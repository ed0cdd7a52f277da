#include "ui/folder_tree.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <filesystem>
#include <vector>

namespace vok {

namespace {

constexpr int kPathRole = Qt::UserRole;

QTreeWidgetItem* entryFor(const std::string& path, const QString& name, const QIcon& icon) {
  auto* entry = new QTreeWidgetItem(QStringList{name});
  entry->setData(0, kPathRole, QString::fromStdString(path));
  entry->setIcon(0, icon);
  return entry;
}

std::string childPath(const std::string& folder, const QString& name) {
  std::string path = folder;
  if (path != "/") path += '/';
  path += name.toStdString();
  return path;
}

}  // namespace

QTreeWidget* makeFolderTree(QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(false);
  tree->setIndentation(8);
  tree->setItemsExpandable(false);
  tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tree->header()->setStretchLastSection(false);
  return tree;
}

void fillFolderTree(QTreeWidget* tree, const std::string& folder) {
  tree->clear();
  const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);

  std::vector<std::string> way;
  for (std::filesystem::path step(folder); !step.empty(); step = step.parent_path()) {
    way.insert(way.begin(), step.string());
    if (step == step.parent_path()) break;
  }
  QTreeWidgetItem* shown = nullptr;
  for (const std::string& step : way) {
    const std::string name = std::filesystem::path(step).filename().string();
    QTreeWidgetItem* entry =
        entryFor(step, QString::fromStdString(name.empty() ? step : name), open);
    if (shown == nullptr)
      tree->addTopLevelItem(entry);
    else
      shown->addChild(entry);
    shown = entry;
  }
  // A folder that cannot be read shows only the way to it.
  const QDir dir(QString::fromStdString(folder));
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    shown->addChild(entryFor(childPath(folder, name), name, closed));
  tree->expandAll();
  tree->setCurrentItem(shown);
  tree->scrollToItem(shown);
}

std::string folderOf(const QTreeWidgetItem& entry) {
  return entry.data(0, kPathRole).toString().toStdString();
}

}  // namespace vok
