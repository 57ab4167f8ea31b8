#pragma once
// The file list of the file dialogs: the names of the files of one folder that match a mask,
// sorted by name. A click on a name, or moving to another name with the keyboard, counts as
// the list's click; LastChoice() tells which of the two it was.
#include <QListWidget>
#include <QRgb>
#include <functional>
#include <optional>

#include "dialogs/core/file_mask.h"
#include "dialogs/core/folder_listing.h"
#include "platform/ui/form_builder.h"

namespace scoreink {

// How the latest name was chosen: a single click, a further click of a multi-click (the second
// click of a double click, or any click within the double-click time of a name's removal: it
// may land on a name that has just slid under the pointer), or a keyboard move.
enum class FileChoice { Click, SecondClick, Keyboard };

class FileListBox : public QListWidget, public FolderListTarget, public ClickSource {
  Q_OBJECT

 public:
  explicit FileListBox(QWidget* parent = nullptr);

  // Empties the list; the folder it was pointed at stays its folder.
  void Clear() override;
  void SetMask(const QString& mask) override;
  QString Mask() const { return mask_; }
  // Reads folder afresh and shows its matching files; false (list and folder unchanged) when
  // it cannot be listed.
  bool PointAt(const QString& folder) override;
  // The folder the list was last pointed at successfully; empty before the first.
  QString Directory() const { return directory_; }

  // Full path of the selected file; empty when no name is selected.
  QString SelectedFilePath() const;
  // Takes the selected name out of the list (the file itself is not touched); the names below
  // slide up.
  void RemoveSelected();

  // Background colour of the list (white in open mode, red in delete mode).
  void SetColor(QRgb color);

  void OnClicked(std::function<void()> run) override;
  FileChoice LastChoice() const { return lastChoice_; }

 signals:
  // A name was clicked, or the keyboard moved the selection to another name.
  void FileChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // The click under way began within the double-click time of a name's removal.
  bool SoonAfterRemoval() const;

  QString mask_;
  FileMask fileMask_;
  QString directory_;
  FileChoice lastChoice_ = FileChoice::Click;
  bool secondClick_ = false;  // between a double click and its release
  // Times of the window system's mouse events, in its milliseconds.
  ulong pressTime_ = 0;               // of the latest press
  ulong mouseTime_ = 0;               // of the latest press or release
  std::optional<ulong> removedTime_;  // of the latest removal of a name
};

}  // namespace scoreink
