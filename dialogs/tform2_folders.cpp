// The score file dialog's start and its folder tree: the dialog opens in the remembered picture
// folder, and choosing another folder lists its pictures and remembers it.
#include <QLabel>

#include "dialogs/folder_browser.h"
#include "dialogs/score_host.h"
#include "dialogs/tform2.h"
#include "platform/program_values.h"
#include "platform/ui/image_control.h"

namespace scoreink {

void TForm2::FormCreate() {
  // At the top right of the work area, over the score window's tool panel.
  move(WorkAreaWidth - width(), 0);

  // Selecting the folder reports a change that only shows the folder: nothing is listed or
  // remembered yet. A folder the tree does not have (removed since it was remembered) is
  // still shown in the label.
  creating_ = true;
  if (!ShellTreeView1->SelectFolder(PictureFolder)) ShellTreeView1Change(ShellTreeView1);
  creating_ = false;

  // With both the same, nothing is written into PixDir.txt.
  PictureFolder = ListFolder(*FileListBox1, PictureFolder, PictureFolder);
  pickedFile_.clear();

  // The score cannot be edited while a preview may stand in its place.
  score_.LockForFileDialog(true);
}

void TForm2::ShellTreeView1Change(QObject*) {
  if (!creating_)
    PictureFolder = ListFolder(*FileListBox1, PictureFolder, ShellTreeView1->SelectedFolder());
  Label1->setText(PictureFolder);
}

}  // namespace scoreink
