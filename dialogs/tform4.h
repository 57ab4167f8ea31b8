#pragma once
// The image import dialog: a folder tree and the pictures of the chosen folder, as in the
// score file dialog. A click on a picture loads it, shows a small preview and puts it into
// the symbol editor's import area in black and white; the slider below the preview sets the
// brightness threshold of that split, and releasing its knob splits the picture again. OK
// keeps the result as the accepted import; Cancel brings back what the import area held
// before. Frameless, navy, above other windows at the top right of the work area; made afresh
// at every opening, it releases itself after OK or Cancel. The import area takes no mouse
// input while the dialog is open.
//
// The symbol editor puts the import it had into its hidden image "ImgBK" before it makes the
// dialog; Cancel puts that back.
#include <QString>
#include <QWidget>

#include "platform/ui/form_builder.h"

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;

namespace scoreink {

class FileListBox;
class FolderTree;
class ImageControl;
class ImportArea;

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  // Builds the dialog's controls in their design state, as a window of the symbol editor it
  // works on (which owns it); FormCreate does the rest.
  explicit TForm4(ImportArea& editor);
  ~TForm4() override;

  // The editor's import area disabled, placement, the remembered folder in the tree and its
  // pictures in the list, the threshold at 60.
  void FormCreate();

  // Loads the picture selected in the list and puts its black-and-white split into the
  // editor's import area. newPick: a picture just chosen (the threshold goes back to 60 and
  // the preview is made); otherwise the same picture split again at the slider's threshold.
  // A picture that cannot be read is reported and changes nothing.
  void ImportPicked(bool newPick);
  // Puts the slider's knob at the place of a threshold of 0 to 255.
  void PlaceKnob(int value);

  // Handlers, named after the control and event.
  void ShellTreeView1Change(QObject* sender);
  void FileListBox1Click(QObject* sender);
  void TBB0MouseDown(Qt::MouseButton button, int x, int y);
  void TBB0MouseMove(int x, int y);
  void TBB0MouseUp(Qt::MouseButton button, int x, int y);
  void Button1Click(QObject* sender);
  void Button2Click(QObject* sender);
  // Runs once when the dialog closes, however it is closed: the editor's import area takes
  // mouse input again.
  void FormClose(QObject* sender);

  // Closes the dialog without accepting anything (as Cancel) and deletes it once the current
  // handler has returned.
  void Release();

  // A left press on the knob is being dragged.
  bool KnobHeld() const { return KnobDragging; }

  // Finds a control by its object name.
  template <class T = QWidget>
  T* Control(const QString& name) const {
    return FormControl<T>(this, name);
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BindControls();
  // Cancel's work: the import area as it was before the dialog opened.
  void RestoreImport();
  // Closes (FormClose runs) and deletes the dialog once the handler has returned.
  void Leave();

  // The dialog's controls; others find them by name (Control).
  QLabel* Label1 = nullptr;
  FolderTree* ShellTreeView1 = nullptr;
  FileListBox* FileListBox1 = nullptr;
  ImageControl* Image1 = nullptr;
  QLabel* TBL0 = nullptr;
  QLabel* TBL1 = nullptr;
  QLabel* TBL2 = nullptr;
  QPushButton* TBB0 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  // A left press on the knob is being dragged.
  bool KnobDragging = false;
  ImportArea& editor_;
  QProgressBar* readProgress_ = nullptr;  // shown while a long pick is read
  bool creating_ = false;
  bool leaving_ = false;
  bool closed_ = false;
};

// The image import dialog while it is open, else null.
extern TForm4* Form4;

}  // namespace scoreink
