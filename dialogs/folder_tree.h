#pragma once
// The folder tree of the file dialogs: every folder of the file system under "/" (folders
// only), with the way to the user's home folder expanded. A folder is selected by its path;
// a change of the selected folder, by the user or by SelectFolder, counts as the tree's click.
#include <QTreeView>
#include <functional>

#include "platform/ui/form_builder.h"

class QFileSystemModel;

namespace scoreink {

class FolderTree : public QTreeView, public ClickSource {
  Q_OBJECT

 public:
  explicit FolderTree(QWidget* parent = nullptr);

  // Selects the folder at path and shows it, expanding the folders above it. False when the
  // tree has no such folder (the selection is then left as it was).
  bool SelectFolder(const QString& path);
  // File-system path of the selected folder (no trailing "/" except for "/" itself); empty
  // when none is selected.
  QString SelectedFolder() const;

  void OnClicked(std::function<void()> run) override;

 signals:
  void SelectionChanged();

 protected:
  // The user taking the tree in hand ends the wait for the selected folder to be shown.
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ExpandTo(const QModelIndex& index);

  QFileSystemModel* model_;
  // The folders are read in the background: rows arriving above the selected folder push it
  // out of sight, so it is scrolled to again as each folder is read, until the user acts.
  bool keepSelectionInView_ = false;
};

}  // namespace scoreink
