#pragma once
// Opens the score file dialog from a started score window and drives it as a user would:
// choosing a folder in its tree, clicking a file in its list, clicking its buttons.
//
//   ScoreWindowHarness ui;
//   ScoreFileDialogDriver dialog(ui);    // clicks "Btn2"
//   dialog.ChooseFolder(scans.path());
//   dialog.ClickFile("scan.jpg");        // the preview is in the score window now
//   dialog.Click("Button1");             // OK; the dialog is gone
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "dialogs/tform2.h"
#include "harness/form_driver.h"
#include "harness/score_window_harness.h"

namespace scoreink::test {

// Drives the dialog's controls by name through FormDriver.
class ScoreFileDialogDriver : public FormDriver {
 public:
  // Clicks the score window's open button; fails the test when no dialog opens.
  explicit ScoreFileDialogDriver(ScoreWindowHarness& ui);

  // The open dialog (null once it has released itself).
  TForm2* Dialog() const { return dialog_; }
  bool IsOpen() const { return dialog_ != nullptr; }
  FormDriver& Driver() { return *this; }

  // Selects the folder in the tree, as a click on it would.
  void ChooseFolder(const QString& path);
  // Clicks the entry of the file list with that name; false (and a failure) when it is not
  // listed.
  bool ClickFile(const QString& name);
  QStringList Listed() const;
  // Clicks a control of the dialog by name ("Button1", "RadioButton1" ...). OK and Cancel
  // release the dialog; the deletion that follows is carried out here too.
  void Click(const QString& name);

 private:
  ScoreWindowHarness& ui_;
  QPointer<TForm2> dialog_;
};

// Writes picture to path as BMP or JPEG by its extension; fails the test when it cannot.
void WritePictureFile(const QString& path, const QImage& picture);
// A grey picture of the size, 24 bits, with a black mark at its centre.
QImage MarkedPicture(int width, int height);

}  // namespace scoreink::test
