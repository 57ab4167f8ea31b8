// The key signature set by a click at the head of a staff system.
#include <QComboBox>

#include "editing/key_signature.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/image_control.h"
#include "score_window/editing_tools/surface_edit.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::StampKeySignature(int y) {
  BusyCursor busy;
  // The accidentals are the palette's own sharp and flat, in the colour of the staff lines.
  const QImage& sharp = Control<ImageControl>(QStringLiteral("Img11"))->Picture();
  const QImage& flat = Control<ImageControl>(QStringLiteral("Img12"))->Picture();
  QImage& surface = Surface();
  const SurfaceEdit edit(*Image1);
  edit.Show(scoreink::StampKeySignature(surface, y, ComboBox1->currentIndex(),
                                        KeySignatureInk(surface), ImgScoreDef->Picture(), sharp,
                                        flat));
}

}  // namespace scoreink
