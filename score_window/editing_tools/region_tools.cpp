// The region tools: lifting the user's ink of a selection into the floating overlay, and
// stamping it where the overlay was dragged.
//
// While a block floats, the clean block (without its frame) waits in the block file; the
// overlay shows it framed. One undo step covers a whole move or copy: the snapshot recorded
// before the lift holds the picture from before it, and the press that stamps the block
// records none.
#include <QFile>

#include "editing/lifted_block.h"
#include "editing/region_block.h"
#include "editing/surface_rules.h"
#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/score_notes.h"
#include "score_window/editing_tools/surface_edit.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

bool TForm1::LiftBlock() {
  const QRect block = SelectedBlock(StartPt, EndPt, Surface().size());
  if (block.isEmpty()) return false;

  // Whatever the rubber band left behind goes: the lift starts from the picture the user saw
  // at the press. The press that stamped the previous block recorded nothing: this lift starts
  // from the picture as it is, with that block in it, and records it further down.
  if (!blockStampedAtPress_) TakeBackRubberBand();
  QImage lifted = LiftBlackInk(Surface(), block);
  if (lifted.isNull()) {
    TellAccident();
    return false;
  }
  // The clean block is kept before the source is blanked: in its file, or in memory (and the
  // user told once) when the file cannot be written.
  if (const QString note = SharedLiftedBlock().Keep(lifted, CurrentWorkPlaces.BlockFile());
      !note.isEmpty())
    AppMessageBox(note, QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
  if (blockStampedAtPress_) RecordGesture(Surface());

  if (ToolMode == ScoreTool::RegionMove)
    RestoreFromTemplate(block.x(), block.y(), block.x() + block.width(),
                        block.y() + block.height());
  // From here on the selection names the block as lifted, cut to the score.
  StartPt = block.topLeft();
  EndPt = QPoint(block.x() + block.width(), block.y() + block.height());

  DrawBlockFrame(lifted);
  Image2->setGeometry(BlockOverlayRect(block, Surface().size(), Image1->geometry()));
  blockOverlayAtLift_ = Image2->pos();
  Image2->SetPicture(lifted);
  Image2->raise();
  Image2->show();
  return true;
}

void TForm1::TakeBackRubberBand() {
  // Only the tiles the band reached since the press are compared and put back.
  SharedHistory().TakeBackGesture(Surface());
  Image1->PictureChanged();
}

bool TForm1::DropBlock() {
  if (Image2->isHidden()) return false;
  const QImage block = SharedLiftedBlock().Take(CurrentWorkPlaces.BlockFile());
  Image2->hide();
  Image2->ClearPicture();
  const QRect spanned = NormalizeRect(StartPt.x(), StartPt.y(), EndPt.x(), EndPt.y());
  if (block.isNull() || block.size() != spanned.size()) {
    // The block is lost, but the snapshot of its lift still holds the picture before it: the
    // user is told, and an undo brings the region back.
    TellAccident();
    return false;
  }
  // Stamped like a floating symbol: its black pixels where the overlay is (its own place when
  // it was not dragged), clipped to the score, which stays at 8 bits.
  const SurfaceEdit edit(*Image1);
  edit.Show(StampSymbolAt(Surface(), block, FloatingTopLeft()));
  return true;
}

}  // namespace scoreink
