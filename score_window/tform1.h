#pragma once
// The score window: the scrolling score view on the left ("ScrollBox1" with the score surface
// "Image1" and the floating overlay "Image2"), the symbol palette strip along the top
// ("Panel2") and the grey tool panel down the right edge ("Panel1"). It fills the desktop
// work area and has no caption bar.
//
// Controls are found by their object names as well as through the members below; handlers
// shared by a group of controls tell the sender apart by the digits that end its name.
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "dialogs/score_host.h"
#include "editing/blank_page.h"
#include "editing/pen_rules.h"
#include "editing/staff/staff_detection.h"
#include "editing/staff/symbol_fit_rules.h"
#include "platform/history/recovery_log.h"
#include "platform/history/shown_score.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"
#include "platform/ui/form_builder.h"
#include "score_window/core/score_document.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace scoreink {

class ImageControl;
class TForm2;
class TForm3;
class WorkFolderLock;

class TForm1 : public QWidget, public ScoreHost, public ShownScore {
  Q_OBJECT

 public:
  // Builds the window and its controls in their design state; FormCreate does the rest.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Start-up, with the file the program was given to open (absolute; empty: none). False when
  // another copy of the program is already using the work folder: that copy took the file
  // (HandedOver), or else the user has been told; nothing has been touched, and the window is
  // to be deleted unshown.
  bool FormCreate(const QString& givenFile = QString());
  bool HandedOver() const { return handedOver_; }
  // A file given to the program (its argument, or handed over by a second start): the window
  // comes to the front and opens it as a dropped file opens; an empty path only brings the
  // window to the front.
  void OpenHandedFile(const QString& path);
  // Runs once when the window closes, however it is closed: empties the edit history without
  // recreating the work folder, and lets another copy of the program use it.
  void FormClose(QObject* sender);

  // Sizes "Image1" to the zoom percent of "Label3" and the score bitmap's size.
  void ApplyScoreZoom();
  // The zoom percent shown in "Label3".
  int ZoomPercent() const;

  // First step of every button, radio-button, colour-box and combo-box handler: commits
  // whatever floats, then gives "Edit0" the focus.
  void FocusSink();
  // Stamps whatever floats on the score; true only when a lifted block was stamped.
  bool CommitPending();
  // Ends symbol mode.
  void LeavePaletteMode();
  // Shows custom symbol slot n (1..15) of the symbol store in its palette image.
  void LoadSymbolSlot(int n);
  // Shows a picture just written into custom symbol slot n in its palette image.
  void ShowSymbolSlot(int n, const QImage& picture);

  // The pen at its start width (the label "Label1" says so) and the pen tools' left limit with
  // it.
  void ResetPen();
  // "上書保存" writes to the score's own file; off for a score that has none.
  void EnableOverwriteSave(bool enabled);

  // The named operations the score file dialog works with (see ScoreHost).
  QWidget& HostWindow() override { return *this; }
  Settled SettleScoreBeforeOpening() override;
  void ShowScorePicture(QImage picture) override;
  void AdoptOpenedScore(const QString& path, PagePick pick = {}, int pages = 1) override;
  void RestoreKeptScore(bool carryEdits) override;
  void ForgetKeptScore() override;
  void LockForFileDialog(bool locked) override;
  // Ends symbol mode and shows the template-only tools (region delete and move, the key
  // signature) exactly when the score shown was made from the blank page; a hidden tool does
  // not stay chosen.
  void ApplyTemplateTest();
  // The score file dialog or the symbol editor is open and works on the score.
  bool ScoreWorkedOnElsewhere() const;

  // Reads the screen and printer facts again and sizes the blank page from them.
  void RefreshBlankPage();
  const BlankPage& ScoreBlankPage() const { return blankPage_; }

  // The score surface: the picture of "Image1", edited in its own pixel coordinates.
  QImage& Surface();

  // Score surface steps shared by the tools (the mouse pipeline and the commit).
  // Stamps the floating palette symbol into the surface and hides the overlay.
  void DropSymbol();
  // Stamps a lifted block at the overlay's place; true when a block was stamped.
  bool DropBlock();
  // Lifts the user's black ink of the selection into the overlay (region move and copy).
  bool LiftBlock();
  // Puts back what the selection's rubber band changed since the press.
  void TakeBackRubberBand();
  // Repaints the rectangle between two corners (right and bottom exclusive) from the blank page.
  void RestoreFromTemplate(int x1, int y1, int x2, int y2);
  // After a white free-draw stroke on a template score, puts the blank staff back over the
  // whole box the stroke covered.
  void RestoreEraseBox(int x, int y);
  // Shows the selected palette symbol as the floating overlay centred on a control point of
  // "Image1".
  void PlaceSymbolOverlay(int x, int y);
  // Redraws the clef strip of the staff system at surface row y with the key signature chosen
  // in "ComboBox1".
  void StampKeySignature(int y);

  // Fitting symbols to the staves of the score ("CheckBox1", "譜表に合わせる"). Finds the
  // staves of the score now shown, shows their factor in "Label10" and turns fitting off: every
  // new or newly opened score starts unfitted.
  void ResetStaffFit();

  // Windows that work beside the score window while they are open. The score file dialog shows
  // its previews in the score view; the symbol editor records its own drawing into the same
  // history. While one is open the score takes no edits, and while the editor is open the
  // score's undo and redo are off too (they would load the editor's drawings into the score).
  enum class ScoreLock : unsigned { FileDialog = 1u << 0, SymbolEditor = 1u << 1 };
  void LockScore(ScoreLock by, bool locked);

  // Score documents.
  // Whether the score has edits that were never saved: those of the history since it was last
  // emptied, and those carried over an emptying that was no save (a visit to the symbol
  // editor, another picture looked at in the score file dialog and then given up). The window
  // title marks them.
  bool HasUnsavedEdits() const override;
  // Carries the score's unsaved edits over an emptying of the history, or (false) forgets
  // them once they are saved or the score is replaced.
  void CarryUnsavedEdits(bool carried) override;
  // Pages not shown of a document of several pages have edits that were never saved.
  bool OtherPagesUnsaved() const;
  // 0 when there is nothing to save, else the answer to the save question (6, 7 or 2).
  int AskSaveChanges();
  // Shows or hides the tools that only a score made from the template offers (region delete
  // and move, the key signature), and says whether the score is one.
  void ShowTemplateTools(bool isTemplate);

  // The recovery copy of the score, which the edit history keeps (in the work places'
  // "Recovery" folder while the program runs, offered back at the next start after a crash).
  // At start-up: offers a copy left by a session that ended without closing, then has the
  // history keep the score's.
  void StartRecovery();
  // Tells the history whose score is shown and whether it carries unsaved edits.
  void UpdateRecoverySession();
  // What the recovery copy keeps of what the user sees (see ShownScore): the score, and what
  // floats stamped where it floats.
  const QImage* EditedPicture() const override;
  QRect FloatingRect() const override;
  void StampFloating(QImage& part, QPoint origin) const override;
  // Saves the score, asking for a name when askName; true when a file was written. The whole
  // document goes into a PDF or TIFF name (a PDF keeps its own pages with the edits laid over
  // them); a BMP, JPEG or PNG name of a document of several pages takes the page shown only,
  // after a word to the user.
  bool SaveScore(bool askName);
  // The question and the save-before rule of the close command, for any way of closing the
  // window; false when the user chose to keep the window open.
  bool ConfirmClose();

  // Documents of several pages (a TIFF or PDF): the document shown, and a switch to another
  // of its pages (0 = the first), as a panel action: what floats is stamped first, the page
  // shown is set aside with its edits and undo chain, the other comes back with its own. The
  // zoom stays; the view goes to the page's top. False when nothing changed (the same page, no
  // such page, the page could not be read: the user has been told).
  const ScoreDocument& Document() const { return document_; }
  bool GoToPage(int page);
  void BtnPageClick(QObject* sender);

  // Escape: takes back a rubber band under way (a free line's or a selection's; a straight line
  // or tie being dragged is dropped the same way), or leaves symbol mode as "→選択解除" does.
  // False when there was nothing to take back or leave.
  bool EscapeGesture();

  // Finds a control by its object name ("RBtnLM" + digit, "OPImg" + two digits ...).
  template <class T = QWidget>
  T* Control(const QString& name) const {
    return FormControl<T>(this, name);
  }

  // Handlers, named after the control and event or the group they serve.
  void FormClick(QObject* sender);
  void ScrollBox1Click(QObject* sender);
  void Panel1Click(QObject* sender);
  void Panel1DblClick(QObject* sender);
  void Edit0Enter(QObject* sender);
  void Btn0Click(QObject* sender);
  void Btn1Click(QObject* sender);
  void Btn2Click(QObject* sender);
  void Btn3Click(QObject* sender);
  void Btn4Click(QObject* sender);
  void Btn7Click(QObject* sender);
  void Btn8Click(QObject* sender);
  void Btn9Or10Click(QObject* sender);
  void Btn11Click(QObject* sender);
  void Btn12Click(QObject* sender);
  void ComboBox1Change(QObject* sender);
  void RBtnLMClick(QObject* sender);
  void RBtnSBClick(QObject* sender);
  void Btn5Or6Click(QObject* sender);
  void ColEdtClick(QObject* sender);
  void ImgVClick(QObject* sender);
  void BtnXXClick(QObject* sender);
  void CheckBox1Click(QObject* sender);
  void Image1MouseDown(Qt::MouseButton button, int x, int y);
  void Image1MouseMove(int x, int y);
  void Image1MouseUp(Qt::MouseButton button, int x, int y);
  void Image2MouseDown(Qt::MouseButton button, int x, int y);
  void Image2MouseMove(int x, int y);
  void Image2MouseUp(Qt::MouseButton button, int x, int y);

  // What the score tools are doing, read-only: the window's own handlers change it.
  ScoreTool CurrentTool() const { return ToolMode; }
  LineVariant CurrentLine() const { return LineKind; }
  QRgb CurrentPenColor() const { return PenColor; }
  // A gesture is under way, from the press point to the latest point (surface pixels).
  bool InGesture() const { return Dragging; }
  QPoint GestureStart() const { return StartPt; }
  QPoint GestureEnd() const { return EndPt; }
  const Canvas& SurfaceCanvas() const { return ScoreCanvas; }

 signals:
  // The window has closed (FormClose has run).
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BindControls();
  void WireHandlers();
  void LayOut();
  // Keeps the scrolled content as large as the images it holds.
  void FitScrollContent();
  // The pen width shown in "Label1" and used by the pen tools, the left limit left alone.
  void ShowPenWidth(int width);
  // The score shown starts afresh: an empty history that knows its picture, no unsaved edits,
  // the recovery copy told whose score it is, and overwrite save for a score with a file of its
  // own (CurrentScoreFile).
  void StartScoreHistory(bool hasOwnFile);
  // Shows or hides the key-signature chooser with its labels.
  void ShowKeySignatureControls(bool show);
  void ShowRecoveredScore(const RecoveryLog::Found& found);
  // The document of a recovered score: its other pages' records back in the page folder, and
  // the record of the page shown (shownRecord_) for the history.
  void RestoreDocument(const RecoveryLog::Found& found);
  bool SavesWholeDocument(const QString& name) const;
  WriteResult SaveDocumentAs(const QString& name);
  // Each page of the document as it is now, for the writers of pages.
  std::function<QImage(int page, QString& reason)> PageAt();
  // The page buttons and label in the free band of the tool panel, shown for documents of
  // several pages.
  void BuildPageControls();
  void ShowPageControls();
  // The staves of the page shown looked for again, fitting left as it was.
  void RefreshStaves();
  // Where what floats lands in the score (surface pixels) when it is stamped now.
  QPoint FloatingTopLeft() const;
  // What floats, as it will be stamped: the clean block or the symbol; null when nothing.
  QImage FloatingInk() const;
  // The selected symbol as it floats: fitted to the staves while "CheckBox1" is on.
  QImage FloatingSymbol() const;
  // The overlay's top with a fitted symbol moved onto the nearest place it may take.
  int SnappedTop(QPoint overlayTopLeft) const;

  // State shared by the score tools.
  ScoreTool ToolMode = ScoreTool::FreeDraw;
  LineVariant LineKind = LineVariant::Free;  // of the line and tie tools
  bool Dragging = false;
  QPoint StartPt;  // press point of the gesture, surface pixels
  QPoint EndPt;    // latest point of the gesture, surface pixels
  QRgb PenColor = kBlack;
  // Draws on the score surface.
  Canvas ScoreCanvas{nullptr};

  // The window's controls; others find them by name (Control).
  ImageControl* Img00 = nullptr;
  ImageControl* ImgScoreDef = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  ImageControl* Image1 = nullptr;
  ImageControl* Image2 = nullptr;
  QLineEdit* Edit0 = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel2 = nullptr;
  // The tool panel.
  QPushButton* Btn1 = nullptr;
  QPushButton* Btn2 = nullptr;
  QPushButton* Btn3 = nullptr;
  QPushButton* Btn4 = nullptr;
  QPushButton* Btn5 = nullptr;
  QPushButton* Btn7 = nullptr;
  QPushButton* Btn8 = nullptr;
  QPushButton* Btn9 = nullptr;
  QPushButton* Btn10 = nullptr;
  QPushButton* Btn11 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label9 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* RBtnLM0 = nullptr;
  QRadioButton* RBtnLM2 = nullptr;
  QRadioButton* RBtnLM3 = nullptr;
  QRadioButton* RBtnLM4 = nullptr;
  QRadioButton* RBtnLM5 = nullptr;
  QRadioButton* RBtnSB0 = nullptr;
  QRadioButton* RBtnSB1 = nullptr;
  QRadioButton* RBtnSB2 = nullptr;
  // The radio buttons of each group box; exclusive except while code unchecks them all.
  QButtonGroup* RBtnLMGroup = nullptr;
  QButtonGroup* RBtnSBGroup = nullptr;
  // The palette strip ("Img01".."Img23" and "OPImg01".."OPImg15" are found by name).
  ImageControl* ImgXX = nullptr;
  QPushButton* BtnXX = nullptr;
  QPushButton* Btn12 = nullptr;

  // What a white stroke has covered so far.
  EraseBox Erased;
  QPushButton* Btn0 = nullptr;
  QPushButton* Btn6 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label8 = nullptr;
  QRadioButton* RBtnLM1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QLabel* Label10 = nullptr;
  QPushButton* BtnPagePrev = nullptr;
  QPushButton* BtnPageNext = nullptr;
  QLabel* LabelPage = nullptr;
  ScoreDocument document_;
  HistoryStep shownRecord_;

  BlankPage blankPage_;
  std::unique_ptr<WorkFolderLock> lock_;
  bool started_ = false;
  bool closed_ = false;
  bool handedOver_ = false;
  bool sinkingFocus_ = false;
  bool formPressed_ = false;
  unsigned scoreLocks_ = 0;
  bool carriedEdits_ = false;
  // The press of the current gesture stamped a lifted block and so recorded no snapshot; a
  // block lifted at its release records its own.
  bool blockStampedAtPress_ = false;
  // Where the lifted block's overlay was placed: a block dropped without being dragged lands
  // on its own place, whatever the zoom's rounding of the overlay.
  QPoint blockOverlayAtLift_;
  // The staves of the score, how the selected symbol fits them and its number in the palette
  // (0 for a custom symbol), and the point of it within the overlay that goes onto a line or
  // space while a fitted symbol floats.
  StaffGeometry staves_;
  SymbolFit selectedFit_;
  int selectedNumber_ = 0;
  std::optional<QPointF> floatingAnchor_;
  // The windows this one opened, while they are open.
  QPointer<TForm2> fileDialog_;
  QPointer<TForm3> symbolEditor_;
};

// The score window while it exists, else null.
extern TForm1* Form1;

}  // namespace scoreink
