#include "dialogs/folder_tree.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

namespace scoreink {

namespace {

constexpr int kIndent = 19;

}  // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this)) {
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  // The tree is read when it is opened, not kept up to date behind the user's back.
  model_->setOption(QFileSystemModel::DontWatchForChanges, true);
  model_->setReadOnly(true);
  model_->setRootPath(QStringLiteral("/"));
  setModel(model_);
  // One column of names: no size, kind or date of a folder.
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  header()->hide();
  setIndentation(kIndent);
  setFrameShape(QFrame::Box);
  setContextMenuPolicy(Qt::NoContextMenu);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FolderTree::SelectionChanged);

  const QModelIndex home = model_->index(QDir::homePath());
  ExpandTo(home);
  expand(home);
}

bool FolderTree::SelectFolder(const QString& path) {
  if (path.isEmpty()) return false;
  const QModelIndex index = model_->index(QDir::cleanPath(path));
  if (!index.isValid() || !model_->isDir(index)) return false;
  ExpandTo(index);
  setCurrentIndex(index);
  scrollTo(index);
  return true;
}

QString FolderTree::SelectedFolder() const {
  const QModelIndex index = currentIndex();
  if (!index.isValid()) return QString();
  return model_->filePath(index);
}

void FolderTree::OnClicked(std::function<void()> run) {
  connect(this, &FolderTree::SelectionChanged, this, std::move(run));
}

void FolderTree::ExpandTo(const QModelIndex& index) {
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) expand(above);
}

}  // namespace scoreink
