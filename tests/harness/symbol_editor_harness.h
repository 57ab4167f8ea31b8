#pragma once
// Opens the symbol editor for one test the way a user does: a started score window (its own
// temporary executable folder, fake screen, scripted message boxes), then a click on its
// "記号追加". Drives the editor by the object names of its controls.
//
//   SymbolEditorHarness ed;
//   ed.Driver().Click("RBtn2");                // rectangle
//   ed.DragOnDrawing({8, 8}, {40, 32});        // control coordinates of Img0 (zoomed)
//   EXPECT_EQ(ed.Drawing().size(), QSize(30, 30));
#include <QImage>
#include <QPoint>
#include <QPointer>

#include "harness/form_driver.h"
#include "harness/score_window_harness.h"
#include "symbol_editor/tform3.h"

namespace scoreink::test {

// Drives the editor's controls by name through FormDriver.
class SymbolEditorHarness : public FormDriver {
 public:
  explicit SymbolEditorHarness(WindowOptions options = {});

  ScoreWindowHarness& Score() { return score_; }
  ScriptedDialogs& Dialogs() { return score_.Dialogs(); }
  // The editor; fails the test (and aborts it through a null dereference guard) when gone.
  TForm3& Editor();
  TForm3* operator->() { return &Editor(); }
  // Still open (not released and not deleted)?
  bool Open() const { return editor_ && Form3 == editor_; }
  // Runs the deletions that released windows asked for.
  static void FlushDeletes();
  // The editor object itself, null once it has been deleted.
  TForm3* EditorObject() const { return editor_; }

  FormDriver& Driver() { return *this; }
  using FormDriver::Click;
  void Click(const QString& name, int times);

  // The drawing area ("Img0") and the import area ("Img1").
  ImageControl* DrawingView();
  ImageControl* ImportView();
  // The drawing ("Img0"'s picture) and mouse work on it, in control coordinates.
  QImage& Drawing();
  void PressOnDrawing(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  void MoveOnDrawing(const QPoint& pos);
  void ReleaseOnDrawing(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  void DragOnDrawing(const QPoint& from, const QPoint& to, int steps = 4);
  // A press and release at one point.
  void ClickOnDrawing(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  // The control point in the middle of drawing pixel p at the current zoom.
  QPoint DrawingPoint(const QPoint& p);

  // Gives the editor a drawing as if it had been drawn: shown at the current zoom, the move
  // base renewed. Records nothing.
  void SetDrawing(const QImage& drawing);
  // From here on no snapshot can be written: the work folder is replaced by a plain file.
  void BlockSnapshots();

  // Puts picture into the import area as the image import dialog's OK does: the import area
  // and its clean copy, the import area's zoom, its controls shown.
  void Import(const QImage& picture);
  // Mouse work on the import area ("Img1"), in its control coordinates.
  void DragOnImport(const QPoint& from, const QPoint& to, int steps = 4);

  // Undo or redo that is expected to say text (or to say nothing when text is empty).
  void Undo(const QString& expectedText = {});
  void Redo(const QString& expectedText = {});

 private:
  void StepHistory(const char* button, const QString& expectedText);

  ScoreWindowHarness score_;
  QPointer<TForm3> editor_;
};

// True when every pixel of picture is pure white.
bool AllWhite(const QImage& picture);
// The pixels of picture that are pure black.
QList<QPoint> BlackPixels(const QImage& picture);

}  // namespace scoreink::test
