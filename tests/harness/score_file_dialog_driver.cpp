#include "harness/score_file_dialog_driver.h"

#include <gtest/gtest.h>
#include <QApplication>

#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "harness/item_views.h"
#include "harness/open_window.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink::test {

ScoreFileDialogDriver::ScoreFileDialogDriver(ScoreWindowHarness& ui) : ui_(ui) {
  ui_.Click("Btn2");
  dialog_ = OpenWindow<TForm2>();
  if (!dialog_) ADD_FAILURE() << "The open button brought no score file dialog";
  SetWindow(dialog_);
}

void ScoreFileDialogDriver::ChooseFolder(const QString& path) {
  if (!dialog_) {
    ADD_FAILURE() << "No dialog to choose " << path.toStdString() << " in";
    return;
  }
  if (!dialog_->Control<FolderTree>("ShellTreeView1")->SelectFolder(path))
    ADD_FAILURE() << "The folder tree has no folder " << path.toStdString();
}

bool ScoreFileDialogDriver::ClickFile(const QString& name) {
  if (!dialog_) {
    ADD_FAILURE() << "No dialog to click " << name.toStdString() << " in";
    return false;
  }
  return ClickListEntry(dialog_->Control<FileListBox>("FileListBox1"), name);
}

QStringList ScoreFileDialogDriver::Listed() const {
  return dialog_ ? ListedNames(dialog_->Control<FileListBox>("FileListBox1")) : QStringList();
}

void ScoreFileDialogDriver::Click(const QString& name) {
  FormDriver::Click(name);
  FinishDeferredDeletes();
}

void WritePictureFile(const QString& path, const QImage& picture) {
  const WriteResult written = PictureKindFromName(path) == PictureKind::Jpeg
                                  ? SaveJpeg(picture, path)
                                  : SaveBmp(picture, path);
  if (!written.ok()) ADD_FAILURE() << written.error.toStdString();
}

QImage MarkedPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(QColor(210, 210, 210));
  for (int y = height / 2 - 2; y < height / 2 + 2; ++y)
    for (int x = width / 2 - 2; x < width / 2 + 2; ++x) image.setPixelColor(x, y, Qt::black);
  return image;
}

}  // namespace scoreink::test
