// The region tools and the edit history: moves and copies chained by the press that stamps
// one block and starts the next selection, each one undo step; the rubber band never stays
// behind; the page is not copied or converted by a lift; and what goes wrong (a snapshot or
// block file that is missing, a block file that cannot be written) is told and loses nothing.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <optional>
#include <vector>

#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/picture_io.h"
#include "region_test_support.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

void ExpectAccidentBox(ScoreWindowHarness& ui) {
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  const AskedBox& box = ui.Dialogs().Boxes().back();
  EXPECT_EQ(box.text, "何か事故");
  EXPECT_EQ(box.caption, "どうでもいいけど");
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

TEST(RegionChain, EachMoveOfAChainIsItsOwnUndoStep) {
  for (const ScoreTool tool : {ScoreTool::RegionMove, ScoreTool::RegionCopy}) {
    SCOPED_TRACE(static_cast<int>(tool));
    ScoreWindowHarness ui;
    const QImage blank = BlankScore(ui.Window());
    const bool move = tool == ScoreTool::RegionMove;
    InkNoteHead(ui.Score(), {310, 210});
    InkNoteHead(ui.Score(), {110, 610});
    const QImage s0 = ui.Score().copy();
    const QRect a(300, 200, 30, 20), b(100, 600, 30, 20);

    ui.Click(move ? "RBtnLM4" : "RBtnLM5");
    ui.DragOnScore(a.topLeft(), a.topLeft() + QPoint(30, 20));
    DragBlockTo(ui, {500, 200});
    const QImage s1 = Carried(s0, blank, a, {500, 200}, move);
    // This press stamps A and starts the selection of B.
    ui.DragOnScore(b.topLeft(), b.topLeft() + QPoint(30, 20));
    EXPECT_TRUE(SamePicture(ui.Score(), move ? WithBlank(s1, blank, b) : s1))
        << "B is lifted from the picture with A in it";
    EXPECT_EQ(HistoryPos(), 3);
    DragBlockTo(ui, {100, 800});
    const QImage s2 = Carried(s1, blank, b, {100, 800}, move);

    ui.Click("Btn7");  // stamps B, then takes it back
    EXPECT_TRUE(SamePicture(ui.Score(), s1)) << "only B is undone";
    ui.Click("Btn7");
    EXPECT_TRUE(SamePicture(ui.Score(), s0)) << "then A";
    ui.Click("Btn8");
    EXPECT_TRUE(SamePicture(ui.Score(), s1));
    EXPECT_FALSE(SamePicture(s2, s1));
    EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  }
}

TEST(RegionChain, ALiftThatFollowsAStampCopiesAndConvertsNoPage) {
  ScoreWindowHarness ui;
  InkNoteHead(ui.Score(), {310, 210});
  ui.Click("RBtnLM5");
  ui.DragOnScore({300, 200}, {330, 230});
  DragBlockTo(ui, {500, 200});
  const uchar* pixels = ui.Score().constBits();
  ui.DragOnScore({490, 190}, {540, 240});
  EXPECT_TRUE(ui.Overlay()->isVisible());
  EXPECT_EQ(ui.Score().constBits(), pixels) << "the page was copied";
  EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Score().constBits(), pixels);
  EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);
}

TEST(RegionChain, AKeySignatureSetByThePressThatStampsABlockIsItsOwnUndoStep) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  const QImage s0 = ui.Score().copy();
  ui.ChooseIndex("ComboBox1", 2);
  ui.Click("RBtnLM4");
  ui.DragOnScore({300, 200}, {330, 230});
  DragBlockTo(ui, {400, 600});
  const QImage s1 = Carried(s0, blank, QRect(300, 200, 30, 30), {400, 600}, true);
  ui.PressOnScore({10, 300});
  ui.ReleaseOnScore({10, 300});
  EXPECT_FALSE(SamePicture(ui.Score(), s1)) << "the key signature is set";
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s0));
}

struct BandCase {
  const char* name;
  ScoreTool tool;
  bool chained;                // a block floats when the selection starts
  std::vector<QPoint> path;    // press, moves, release at the last point
  std::optional<QRect> blank;  // what a delete puts back
};

TEST(RegionBand, NeverStaysBehindWhereverTheReleaseIs) {
  const std::vector<BandCase> cases = {
      {"copy chained, released past the right edge",
       ScoreTool::RegionCopy,
       true,
       {{700, 300}, {760, 320}, {800, 350}, {800, 350}},
       std::nullopt},
      {"copy chained, released past the bottom edge",
       ScoreTool::RegionCopy,
       true,
       {{300, 1050}, {330, 1090}, {340, 1200}, {340, 1200}},
       std::nullopt},
      {"delete released away from its last move",
       ScoreTool::RegionDelete,
       false,
       {{100, 100}, {300, 300}, {200, 200}},
       QRect(QPoint(100, 100), QPoint(199, 199))},
      {"move released on the press column",
       ScoreTool::RegionMove,
       false,
       {{100, 100}, {300, 300}, {100, 250}},
       std::nullopt},
      {"copy chained, released on the press row",
       ScoreTool::RegionCopy,
       true,
       {{100, 100}, {300, 300}, {250, 100}},
       std::nullopt},
  };
  for (const BandCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScoreWindowHarness ui;
    const QImage blank = BlankScore(ui.Window());
    InkArea(ui.Score(), QRect(100, 100, 700, 1001));  // the band shows on ink and paper alike
    ui.Click(c.tool == ScoreTool::RegionMove   ? "RBtnLM4"
             : c.tool == ScoreTool::RegionCopy ? "RBtnLM5"
                                               : "RBtnLM3");
    if (c.chained) {
      ui.DragOnScore({600, 600}, {640, 640});
      DragBlockTo(ui, {600, 700});
    }
    ui.PressOnScore(c.path.front());  // stamps the floating block, if any
    const QImage atPress = ui.Score().copy();
    for (size_t i = 1; i + 1 < c.path.size(); ++i) ui.MoveOnScore(c.path[i]);
    ui.ReleaseOnScore(c.path.back());
    if (ui.Overlay()->isVisible()) CommitByPanelClick(ui);
    EXPECT_TRUE(SamePicture(ui.Score(), c.blank ? WithBlank(atPress, blank, *c.blank) : atPress));
    if (c.chained) {
      ui.Click("Btn7");
      EXPECT_TRUE(SamePicture(ui.Score(), atPress)) << "the step of the lift starts with no band";
    }
  }
}

TEST(RegionFailure, ABlockFileThatCannotBeWrittenKeepsTheBlockInMemoryAndSaysSoOnce) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  const QImage before = ui.Score().copy();
  const QRect region(300, 200, 30, 30);
  ASSERT_TRUE(QDir().mkpath(CurrentWorkPlaces.BlockFile()));  // a folder in the file's place
  ui.Click("RBtnLM4");
  ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
  ui.DragOnScore({300, 200}, {330, 230});
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith(
      "作業フォルダに書き込めないので、持ち上げた部分はメモリに置いておく\n"));
  DragBlockTo(ui, {500, 400});
  CommitByPanelClick(ui);
  const QImage moved = Carried(before, blank, region, {500, 400}, true);
  EXPECT_TRUE(SamePicture(ui.Score(), moved));

  // The next move goes the same way without a word, and undo takes each back.
  ui.DragOnScore({500, 400}, {530, 430});
  DragBlockTo(ui, {600, 600});
  CommitByPanelClick(ui);
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(
      SamePicture(ui.Score(), Carried(moved, blank, QRect(500, 400, 30, 30), {600, 600}, true)));
  ui.Click("Btn7");
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), before));
}

TEST(RegionFailure, AChainedLiftThatCannotWriteItsStepGoesOnAndIsTold) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  InkNoteHead(ui.Score(), {110, 610});
  const QImage s0 = ui.Score().copy();
  ui.Click("RBtnLM4");
  ui.DragOnScore({300, 200}, {330, 230});
  DragBlockTo(ui, {500, 200});
  const QImage s1 = Carried(s0, blank, QRect(300, 200, 30, 30), {500, 200}, true);
  // A file where the work folder should be: no step can be written any more.
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());
  ASSERT_TRUE(ui.Folder().Write(WorkFolder.mid(ui.Folder().Path().size()), "not a folder"));
  ui.Dialogs().AnswerBox(kIdOk);
  ui.DragOnScore({100, 600}, {130, 630});
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith("作業フォルダに書き込めない"));
  EXPECT_TRUE(ui.Overlay()->isVisible()) << "the second block is lifted all the same";
  EXPECT_EQ(HistoryPos(), 3);
  CommitByPanelClick(ui);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s0));
}

TEST(RegionFailure, AWorkFolderGoneDuringTheSelectionLeavesTheLiftAlone) {
  ScoreWindowHarness ui;
  InkNoteHead(ui.Score(), {310, 210});
  const QImage before = ui.Score().copy();
  ui.Click("RBtnLM5");
  ui.PressOnScore({300, 200});
  ui.MoveOnScore({340, 240});
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());
  ui.ReleaseOnScore({340, 240});
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_TRUE(ui.Overlay()->isVisible());
  EXPECT_TRUE(SamePicture(ui.Score(), before)) << "no band stays";
  CommitByPanelClick(ui);
  EXPECT_TRUE(SamePicture(ui.Score(), before)) << "the copy is stamped onto itself";
}

TEST(RegionFailure, ABlockFileGoneBeforeTheDropIsToldAndUndoBringsTheRegionBack) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  const QImage before = ui.Score().copy();
  ui.Click("RBtnLM4");
  ui.DragOnScore({300, 200}, {330, 230});
  ASSERT_TRUE(QFile::remove(CurrentWorkPlaces.BlockFile()));
  ui.Dialogs().AnswerBox(kIdOk);
  CommitByPanelClick(ui);
  ExpectAccidentBox(ui);
  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_TRUE(SamePicture(ui.Score(), WithBlank(before, blank, QRect(300, 200, 30, 30))));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), before));
}

}  // namespace
}  // namespace scoreink::test
