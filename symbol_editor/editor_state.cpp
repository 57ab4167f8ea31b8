// Opening and leaving the symbol editor, the zoom of its two areas, the move base, and the
// blank drawing that opening and "Clear" start from.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "platform/history/edit_history.h"
#include "platform/program_values.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/control_values.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "symbol_editor/core/symbol_bounds.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm3::FormCreate() {
  // The editor's undo chain starts with its own first change; the score window's is gone.
  // What cannot be written of it is told after the input that met it.
  SharedHistory().ResetHistory(true);
  KeepTellingWorkTrouble(*this);

  setGeometry(0, 0, WorkAreaWidth, WorkAreaHeight);
  ScrollBox1->resize(WorkAreaWidth - 330, WorkAreaHeight - 60);
  Btn11->move(WorkAreaWidth - 65, Btn11->y());
  LBL7->move(WorkAreaWidth - 315, LBL7->y());

  NewBlankSymbol();
  SetMoveBase();
  ImgBK->ClearPicture();

  importLent_ = false;
  ShapeKind = EditorShape::FreeLine;
  PenWidth = 2;
  UsePen = true;
  Dragging = false;
  DrawColor = kBlack;
}

void TForm3::ApplyZoom(int index) {
  const auto* label = Control<QLabel>(QString("LBL%1").arg(index));
  auto* image = Control<ImageControl>(QString("Img%1").arg(index));
  if (!label || !image || !image->HasPicture()) return;
  const int factor = LabelInteger(label) / 100;
  image->resize(factor * image->Picture().width(), factor * image->Picture().height());
  image->update();
}

void TForm3::SetMoveBase() {
  ImgTMP->SetPicture(Drawing());
  MoveDX = 0;
  MoveDY = 0;
}

void TForm3::NewBlankSymbol() {
  Img0->SetPicture(NewBitmap(kSymbolSide, kSymbolSide, PixelFormat::Bits24));
  ApplyZoom(0);
}

// "Clear": starts the drawing again from white.
void TForm3::Btn12Click(QObject*) {
  FocusSink();
  RecordChange();
  LBL0->setText(QStringLiteral("400"));
  NewBlankSymbol();
  SetMoveBase();
}

// "Cancel": leaves the editor without registering anything.
void TForm3::Btn00Click(QObject*) {
  // Nothing is registered: the editor's snapshots go with the work folder.
  SharedHistory().ResetHistory(true);
  Release();
}

}  // namespace scoreink
