#pragma once
// What the score file dialog's window tests share: a folder of pictures to open, and an edit
// that the history counts.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "harness/score_file_dialog_driver.h"
#include "harness/score_window_harness.h"

namespace scoreink::test {

// One edit as the user makes it: a short black stroke, recorded in the history by its press.
inline void EditOnce(ScoreWindowHarness& ui, int row = 400) {
  ui.DragOnScore({200, row}, {260, row});
}

// Opens the file with the dialog and OK: the score window shows it afterwards.
inline void OpenWithOk(ScoreWindowHarness& ui, const QString& folder, const QString& name) {
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(folder);
  ASSERT_TRUE(dialog.ClickFile(name));
  dialog.Click("Button1");
}

// A temporary folder to put pictures in.
class PictureFolderFixture {
 public:
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }
  // Writes a marked picture of the size under name (BMP or JPEG by the extension).
  QString Add(const QString& name, int width = 300, int height = 400) {
    WritePictureFile(File(name), MarkedPicture(width, height));
    return File(name);
  }
  QString AddBytes(const QString& name, const QByteArray& bytes) {
    QFile file(File(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return File(name);
  }

 private:
  QTemporaryDir dir_;
};

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace scoreink::test
