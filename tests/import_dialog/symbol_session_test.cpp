// One session through the real windows: a symbol copied out of an imported picture and one
// drawn by hand are registered, placed and stamped on the score, and the next start of the
// program in the same folder finds both in their slots.
#include <gtest/gtest.h>

#include <QPushButton>

#include "harness/import_dialog_harness.h"
#include "harness/open_window.h"
#include "import_test_pictures.h"
#include "palette_window/palette_test_support.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink::test {
namespace {

QImage SlotPicture(const TForm1& window, int n) {
  return window.Control<ImageControl>(SymbolSlotImageName(n))->Picture();
}

TEST(SymbolSession, ImportCopyRegisterPlaceDrawRegisterAndFindThemAfterARestart) {
  ImportDialogHarness im;
  ScoreWindowHarness& ui = im.EditorHarness().Score();
  im.PutPicture("drawing.jpg", PaperDrawing());

  // A picture brought in, accepted, and its black bar's left end copied into the drawing.
  im.Open();
  im.Pick("drawing.jpg");
  im.Click("Button1");
  im.EditorHarness().DragOnImport({15, 25}, {40, 45});  // 100 %: picture pixels
  const QImage copied = im.Editor().Drawing().copy();
  ASSERT_EQ(copied.size(), QSize(30, 30));
  // Picture x 20..39, y 30..39 of the bar land at 5..24, 5..14 of the drawing.
  EXPECT_TRUE(BlackExactlyIn(copied, QRect(5, 5, 20, 10)));
  im.EditorHarness().Click("Btn13");
  ASSERT_FALSE(im.EditorHarness().Open());
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());

  // Placed on the score and stamped: only its black.
  const QImage before = ui.Score().copy();
  PlaceSymbol(ui, "OPImg01", {300, 300});
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Score(), Stamped(before, SlotPicture(ui.Window(), 1), {285, 285}));

  // A second symbol drawn by hand goes to slot 2; the score keeps the first one's stamp.
  const QImage stamped = ui.Score().copy();
  ui.Click("Btn12");
  ASSERT_NE(Form3, nullptr);
  TForm3* opened = OpenWindow<TForm3>();
  FormDriver editor(opened);
  editor.Drag("Img0", {10, 10}, {100, 60});
  const QImage drawn = opened->Drawing().copy();
  editor.Click("Btn13");
  EXPECT_EQ(Form3, nullptr);
  EXPECT_EQ(BlackPixels(SlotPicture(ui.Window(), 2)), BlackPixels(drawn));
  EXPECT_EQ(ui.Score(), stamped);

  const QImage first = SlotPicture(ui.Window(), 1), second = SlotPicture(ui.Window(), 2);
  // The stamp was never saved: the visits to the editor do not make it so.
  ui.Dialogs().AnswerBox(kIdNo, "何か編集中のデータがあるみたいだけど");
  ui.Close();
  SymbolEditorHarness::FlushDeletes();

  // The next run in the same folder.
  TForm1 next;
  ASSERT_TRUE(next.FormCreate());
  EXPECT_EQ(SlotPicture(next, 1), first);
  EXPECT_EQ(SlotPicture(next, 2), second);
  EXPECT_FALSE(next.Control<ImageControl>(SymbolSlotImageName(3))->HasPicture());
  next.FormClose(&next);
}

}  // namespace
}  // namespace scoreink::test
