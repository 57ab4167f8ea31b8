#pragma once
// Opens the image import dialog for one test the way a user does: a started score window,
// "記号追加" for the symbol editor, then the editor's "OpenFile", with the file dialogs set to
// open in a folder of pictures of the test's own. Drives the dialog by the object names of its
// controls.
//
//   ImportDialogHarness im;
//   im.PutPicture("scan.bmp", picture);       // before the dialog lists the folder: Open()
//   im.Open();
//   im.Pick("scan.bmp");                      // a click on the file in the list
//   im.DragKnob(140, 200);                    // the knob's left from 140 to 200, released
//   EXPECT_EQ(im.ImportView()->Picture().size(), picture.size());
#include <QImage>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include "dialogs/tform4.h"
#include "harness/form_driver.h"
#include "harness/symbol_editor_harness.h"

namespace scoreink::test {

// Drives the dialog's controls by name through FormDriver.
class ImportDialogHarness : public FormDriver {
 public:
  explicit ImportDialogHarness(WindowOptions options = {});

  // The folder of pictures the dialog opens in (no trailing "/"), and files in it.
  QString Pictures() const { return pictures_.path(); }
  QString PicturePath(const QString& name) const { return pictures_.filePath(name); }
  // Saves picture there as BMP or JPEG by the name's extension.
  void PutPicture(const QString& name, const QImage& picture);
  void PutBytes(const QString& name, const QByteArray& bytes);

  // Clicks "OpenFile" on the editor; the dialog that came is Dialog() from then on.
  void Open();
  TForm4& Dialog();
  TForm4* operator->() { return &Dialog(); }
  // Still open (not released and not deleted)?
  bool IsOpen() const { return dialog_ && Form4 == dialog_; }

  SymbolEditorHarness& EditorHarness() { return editor_; }
  TForm3& Editor() { return editor_.Editor(); }
  // The editor's import area ("Img1"), where the dialog puts its split.
  ImageControl* ImportView() { return editor_.ImportView(); }
  ScriptedDialogs& Dialogs() { return editor_.Dialogs(); }
  FormDriver& Driver() { return *this; }

  // A click on the named file in the dialog's list.
  void Pick(const QString& name);
  // A left press on the knob, moves that take its left edge to each of lefts (as far as the
  // track lets it), and the release.
  void DragKnob(std::initializer_list<int> lefts);

 private:
  SymbolEditorHarness editor_;
  QTemporaryDir pictures_;
  QPointer<TForm4> dialog_;
};

}  // namespace scoreink::test
