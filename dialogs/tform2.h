#pragma once
// The score file dialog: a folder tree on the left, the pictures of the chosen folder on the
// right. In open mode a click on a file shows it at once in the score window as a preview; OK
// makes it the score being edited, Cancel brings back the score from before the dialog
// opened. In delete mode a click on a file deletes it. Frameless and above other windows, at
// the top right of the work area; made afresh at every opening, it releases itself after OK or
// Cancel. The score surface takes no mouse input while the dialog is open.
//
// The score window keeps the score it had before it makes the dialog; Cancel puts that back.
// The dialog works on the score window through its ScoreHost operations only.
#include <QString>
#include <QWidget>

#include "platform/picture_files/picture_io.h"
#include "platform/ui/form_builder.h"

class QCloseEvent;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace scoreink {

class FileListBox;
class FolderTree;
class PageChooser;
class ScoreHost;

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  // Builds the dialog's controls in their design state, as a window of the score window it
  // works on (which owns it); FormCreate does the rest.
  explicit TForm2(ScoreHost& score);
  ~TForm2() override;

  // Placement, the remembered folder in the tree and its pictures in the list; the score
  // surface is disabled.
  void FormCreate();

  // Handlers, named after the control and event.
  void ShellTreeView1Change(QObject* sender);
  void FileListBox1Click(QObject* sender);
  void RadioButton0Click(QObject* sender);
  void RadioButton1Click(QObject* sender);
  void Button1Click(QObject* sender);
  void Button2Click(QObject* sender);
  // Runs once when the dialog closes, however it is closed: the template test of the score
  // now shown, and the score surface enabled again.
  void FormClose(QObject* sender);

  // Full path of the last file picked in open mode that passed the checks; empty before. Of a
  // file of several pages, the page shown (and a PDF page's resolution) is ShownPick.
  const QString& PickedFile() const { return pickedFile_; }
  PagePick ShownPick() const { return shownPick_; }
  // The score window shows a picked file, not the score it had when the dialog opened.
  bool PreviewShown() const { return previewShown_; }

  // Finds a control by its object name.
  template <class T = QWidget>
  T* Control(const QString& name) const {
    return FormControl<T>(this, name);
  }

 signals:
  // The dialog has closed (FormClose has run): the score shown is the one to go on with.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BindControls();
  // The picks of the two modes.
  void OpenPicked(const QString& path);
  void DeletePicked(const QString& path);
  // Reads page pick of path and shows it as the preview; false, with nothing changed, when it
  // is not to be shown. pick takes a resolution the user chose instead in a question.
  bool ShowPickedPage(const QString& path, PagePick& pick);
  // Another page or resolution chosen for the file shown.
  void PagePickChanged();
  // Asks about the score being edited before a pick replaces it; false when the user
  // cancelled.
  bool SettleScoreBeforePick();
  // The score from before the dialog back in the score window, at 100 percent.
  void RestoreScore();
  // Closes the dialog (FormClose runs) and deletes it once the handler has returned.
  void Release();

  // The dialog's controls; others find them by name (Control).
  QLabel* Label1 = nullptr;
  FolderTree* ShellTreeView1 = nullptr;
  FileListBox* FileListBox1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* RadioButton0 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  ScoreHost& score_;
  QProgressBar* readProgress_ = nullptr;  // shown while a long pick is read
  PageChooser* pageChooser_ = nullptr;
  QString pickedFile_;
  PagePick shownPick_;
  int pickedPages_ = 1;
  bool previewShown_ = false;
  // The score behind the first preview had unsaved edits (they come back with it on Cancel).
  bool scoreHadEdits_ = false;
  bool creating_ = false;
  bool released_ = false;
  bool closed_ = false;
};

// The score file dialog while it is open, else null.
extern TForm2* Form2;

}  // namespace scoreink
