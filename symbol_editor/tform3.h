#pragma once
// The symbol editor: the window in which the user draws a small black-and-white symbol (at
// most 30 x 30 pixels) for the score window's palette. On the left the drawing area "Img0"
// (the symbol shown enlarged) with its tool panels; on the right the import area "Img1" in
// "ScrollBox1", where a picture brought in by the image import dialog is shown and a region
// of it can be copied into the drawing. It covers the desktop work area and has no caption
// bar.
//
// Every change of the drawing first writes a snapshot into the history that the score window
// shares; a snapshot that cannot be written drops the change. The window releases itself
// (deleteLater) when it is left with "Cancel" or a registration; Form3 is null from then on.
//
// Controls are found by their object names as well as through the members below; handlers
// shared by a group of controls tell the sender apart by the digits that end its name.
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRgb>
#include <QWidget>

#include "dialogs/import_area.h"
#include "platform/history/edit_history.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"
#include "platform/ui/form_builder.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace scoreink {

class ImageControl;
class TForm4;

// The pen figures of the drawing area, numbered as the radio buttons "RBtn0".."RBtn3" end. A
// free line is drawn for good as it goes; the others show a feedback figure while dragged.
enum class EditorShape : quint8 { FreeLine = 0, StraightLine = 1, Rectangle = 2, Ellipse = 3 };

class TForm3 : public QWidget, public ImportArea {
  Q_OBJECT

 public:
  // Builds the window and its controls in their design state; FormCreate does the rest.
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  // Opening: empties the shared history, covers the work area and starts a blank drawing.
  void FormCreate();

  // Sizes the image control "Img" + index (0 drawing, 1 import area) to the zoom percent of
  // the label "LBL" + index and its bitmap's size. An empty bitmap leaves the control alone.
  void ApplyZoom(int index);
  // The drawing as it is now becomes the move base; the move offsets go back to 0.
  void SetMoveBase();
  // A new white 30 x 30 drawing, shown at the drawing area's zoom.
  void NewBlankSymbol();
  // Draws the current pen figure from start to end on the drawing; feedback figures of the
  // straight line, rectangle and ellipse are drawn in NotXor so that drawing one twice
  // removes it. Repaints what it drew.
  void DrawShape(QPoint start, QPoint end, bool feedback);
  // Moves the drawing by one pixel against the move base: up (vertical, forward), down
  // (vertical, not forward), right (horizontal, forward) or left.
  void ShiftImage(bool vertical, bool forward);

  // First step of every button, radio-button and colour-box handler but Cancel: no button
  // or colour box keeps the keyboard focus after a click.
  void FocusSink();
  // Leaves the editor: closes the image import dialog when it is open, hides the window and
  // deletes it once the current handler has returned. Form3 is null from here on. The history
  // is left as it is: Cancel and registration empty it first.
  void Release();

  // Escape during a drag: the selection rectangle in the import area, or the feedback figure of
  // a straight line, rectangle or ellipse in the drawing area, is taken away and the drag ends
  // (its release does nothing). False when no such drag was under way.
  bool TakeBackSelection();
  bool TakeBackFigure();

  // The drawing: the picture of "Img0", edited in its own pixel coordinates. After editing it
  // in place, call DrawingChanged().
  QImage& Drawing();
  void DrawingChanged();

  // The image import dialog is open and has the import area.
  bool ImportOpen() const { return importLent_; }
  // The named operations the image import dialog works with (see ImportArea).
  QWidget& EditorWindow() override { return *this; }
  void LendImportArea(bool lent) override;
  const QImage* UnacceptedSplit() const override;
  void ClearImport() override;
  void PutImport(const QImage& split) override;
  void ShowImport(const QImage& split) override;
  void AcceptImport() override;
  void RestoreAcceptedImport() override;

  template <class T = QWidget>
  T* Control(const QString& name) const {
    return FormControl<T>(this, name);
  }

  // Handlers, named after the control and event or the group they serve.
  void Img0MouseDown(Qt::MouseButton button, int x, int y);
  void Img0MouseMove(int x, int y);
  void Img0MouseUp(Qt::MouseButton button, int x, int y);
  void Img0Click(QObject* sender);
  void Img1MouseDown(Qt::MouseButton button, int x, int y);
  void Img1MouseMove(int x, int y);
  void Img1MouseUp(Qt::MouseButton button, int x, int y);
  void RBtn0to3Click(QObject* sender);
  void RBtn4Or5Click(QObject* sender);
  void Btn9Or10Click(QObject* sender);
  void ColEdtClick(QObject* sender);
  void BtnZoomUpDnClick(QObject* sender);
  void Btn1to4Click(QObject* sender);
  void Btn5to8Click(QObject* sender);
  void Btn11Click(QObject* sender);
  void Btn12Click(QObject* sender);
  void Btn13Click(QObject* sender);
  void Btn14Click(QObject* sender);
  void Btn15Click(QObject* sender);
  void Btn00Click(QObject* sender);

  // What the tools are doing, read-only: the editor's own handlers change it.
  EditorShape CurrentShape() const { return ShapeKind; }
  int CurrentPenWidth() const { return PenWidth; }
  bool PenChosen() const { return UsePen; }
  bool InDrag() const { return Dragging; }
  QRgb CurrentDrawColor() const { return DrawColor; }
  QPoint MoveOffset() const { return {MoveDX, MoveDY}; }

 signals:
  // "OK(登録)" has written the drawing into custom symbol slot n (1..15) of the symbol store;
  // picture is what the file holds.
  void SymbolRegistered(int n, const QImage& picture);
  // The editor has been left (Cancel, registration, or the score window closing).
  void Released();

 protected:
  // A close by the window system is a Cancel.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BindControls();
  void WireHandlers();
  // Shows the drawing that an undo or redo loaded, with a new move base.
  void ShowHistoryStep(EditHistory::Step step);
  // Starts the next step of the shared history on the drawing.
  void RecordChange();
  // Bitmap pixel of an area's picture under a point of its control.
  static QPoint BitmapPoint(const ImageControl* image, int x, int y);
  // Repaints the part of an area that its canvas has drawn on since the last call.
  void ShowCanvasWork(Canvas& canvas, ImageControl* image);
  // Takes the selection's feedback out of the import area's picture again, from the clean
  // copy: only the part it drew on when the two pictures match.
  void RepairImportArea(bool copied);
  // Keeps the scrolled content of the import area as large as its picture.
  void FitImportContent();
  // Shows (or hides) the controls of an accepted import, and hides (or shows) the hint.
  void ShowImportControls(bool show);

  // State of the tools.
  EditorShape ShapeKind = EditorShape::FreeLine;
  quint8 PenWidth = 2;      // 1..6 bitmap pixels
  bool UsePen = true;       // false: "Brush" is chosen and a click fills
  bool Dragging = false;    // a left drag in either area
  QRgb DrawColor = kBlack;  // kBlack or kWhite
  int MoveDX = 0;           // offsets of the shown drawing against the move base
  int MoveDY = 0;

  // The editor's controls; others find them by name (Control).
  ImageControl* Img0 = nullptr;
  ImageControl* Img1 = nullptr;
  ImageControl* ImgTMP = nullptr;
  ImageControl* ImgBK = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLineEdit* Edit0 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLabel* LBL0 = nullptr;
  QLabel* LBL1 = nullptr;
  QLabel* LBL7 = nullptr;
  QLabel* LBL8 = nullptr;
  QLabel* LBL9 = nullptr;
  QPushButton* Btn09 = nullptr;
  QPushButton* Btn10 = nullptr;
  QPushButton* Btn11 = nullptr;
  QGroupBox* GroupBox1 = nullptr;

  // The current drag: its press point, in bitmap pixels of its area, and its latest point.
  QPoint StartPt;
  QPoint CurPt;
  // Draw on the drawing and on the import area's picture.
  Canvas DrawCanvas{nullptr};
  Canvas ImportCanvas{nullptr};
  QGroupBox* GroupBox2 = nullptr;

  bool released_ = false;
  // The image import dialog has the import area.
  bool importLent_ = false;
  // The image import dialog this window opened, while it exists.
  QPointer<TForm4> importDialog_;
  // Control points of the latest left press and release on the drawing: a click fills at
  // the point of the click itself.
  QPoint drawingPressPos_;
  QPoint drawingReleasePos_;
  // Picture pixels of the import area that the current selection's feedback has drawn on.
  QRect selectionMarks_;
};

// The symbol editor while it is open, else null.
extern TForm3* Form3;

}  // namespace scoreink
