// Undo and redo of the drawing, and the changes that a snapshot refused leaves undone.
#include <gtest/gtest.h>
#include <QFile>

#include "harness/symbol_editor_harness.h"
#include "harness/symbol_pictures.h"
#include "platform/files/work_files.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "symbol_editor/core/move_base.h"

namespace scoreink::test {
namespace {

TEST(SymbolEditorHistory, OneChangeUndoneComesBackWithRedo) {
  SymbolEditorHarness ed;
  ed.Undo("これより前はない");
  ed.DragOnDrawing({10, 10}, {90, 60});
  const QImage drawn = ed.Drawing();
  ASSERT_FALSE(AllWhite(drawn));
  ed.Undo();
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(HistoryPos(), 1);
  ed.Redo();
  EXPECT_EQ(ed.Drawing(), drawn);
  ed.Redo("これより後はない");
  ed.Undo();
  ed.Undo("これより前はない");
}

TEST(SymbolEditorHistory, UndoAndRedoStepAcrossMovesAndTrimsAndRenewTheMoveBase) {
  SymbolEditorHarness ed;
  const QImage pattern = CoordinatePicture(30, 30);
  ed.SetDrawing(pattern);
  ed.Click("Btn04");  // snapshot 1: the pattern
  const QImage moved = ed.Drawing();
  ed.Click("Btn05");  // snapshot 2: the moved pattern
  ASSERT_EQ(ed.Drawing().size(), QSize(30, 29));

  ed.Undo();
  EXPECT_EQ(ed.Drawing(), moved);
  EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
  EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), moved);
  EXPECT_EQ(ed->MoveOffset().x(), 0);
  ed.Undo();
  EXPECT_EQ(ed.Drawing(), pattern);
  ed.Undo("これより前はない");
  ed.Redo();
  EXPECT_EQ(ed.Drawing(), moved);
  EXPECT_EQ(HistoryPos(), 2);
  ed.Redo();  // the trimmed drawing comes back with its own size
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 29));
  ed.Redo("これより後はない");
  ed.Undo();
  // A move after the undo starts from what the undo loaded.
  ed.Click("Btn03");
  EXPECT_EQ(ed.Drawing(), ShiftedFromBase(moved, {-1, 0}));
}

TEST(SymbolEditorHistory, AMissingSnapshotIsAnAccident) {
  SymbolEditorHarness ed;
  ed.DragOnDrawing({10, 10}, {90, 60});
  const QImage drawn = ed.Drawing();
  ed.DragOnDrawing({10, 60}, {90, 10});  // the first change is in the work folder now
  ASSERT_TRUE(QFile::remove(SnapshotPath(WorkFolder, 1)));
  ed.Undo();
  EXPECT_EQ(ed.Drawing(), drawn);
  ed.Undo("何か事故");
  EXPECT_EQ(ed.Drawing(), drawn);
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(SymbolEditorHistory, AWorkFolderThatTakesNoStepsIsToldAndTheChangeStays) {
  struct Action {
    const char* what;
    void (*run)(SymbolEditorHarness&);
  };
  const Action actions[] = {
      {"pen drag",
       [](SymbolEditorHarness& ed) {
         ed.DragOnDrawing({10, 10}, {90, 60});
       }},
      {"fill",
       [](SymbolEditorHarness& ed) {
         ed.Click("RBtn4");
         ed.ClickOnDrawing({50, 50});
       }},
      {"Clear", [](SymbolEditorHarness& ed) { ed.Click("Btn12"); }},
      {"move", [](SymbolEditorHarness& ed) { ed.Click("Btn02"); }},
      {"trim", [](SymbolEditorHarness& ed) { ed.Click("Btn08"); }},
      {"region copy",
       [](SymbolEditorHarness& ed) {
         ed.Import(CoordinatePicture(60, 60));
         ed.DragOnImport({1, 1}, {20, 20});
       }},
  };
  for (const Action& action : actions) {
    SCOPED_TRACE(action.what);
    SymbolEditorHarness ed;
    const QImage pattern = CoordinatePicture(30, 30);
    ed.SetDrawing(pattern);
    ed.Click("BtnZoomUpDn00");
    ed.BlockSnapshots();
    ed.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
    action.run(ed);
    EXPECT_NE(ed.Drawing(), pattern);
    EXPECT_EQ(HistoryPos(), 2);
    EXPECT_FALSE(ed->InDrag());
    ASSERT_EQ(ed.Dialogs().Boxes().size(), 1u);
    EXPECT_TRUE(ed.Dialogs().Boxes()[0].text.startsWith("作業フォルダに書き込めない"));
    ed.Undo();
    EXPECT_EQ(ed.Drawing(), pattern) << "the step waits in memory";
  }
}

}  // namespace
}  // namespace scoreink::test
