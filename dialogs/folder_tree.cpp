#include "dialogs/folder_tree.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTimer>

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
  // Rows are read, inserted and sorted in the background: show the selected folder again after
  // each, once the view has taken the change in.
  const auto showSelection = [this] {
    QTimer::singleShot(0, this, [this] {
      if (keepSelectionInView_ && currentIndex().isValid())
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    });
  };
  connect(model_, &QFileSystemModel::directoryLoaded, this, showSelection);
  connect(model_, &QFileSystemModel::rowsInserted, this, showSelection);
  connect(model_, &QFileSystemModel::layoutChanged, this, showSelection);

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
  scrollTo(index, QAbstractItemView::PositionAtCenter);
  keepSelectionInView_ = true;
  return true;
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
  keepSelectionInView_ = false;
  QTreeView::mousePressEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent* event) {
  keepSelectionInView_ = false;
  QTreeView::wheelEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
  keepSelectionInView_ = false;
  QTreeView::keyPressEvent(event);
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
