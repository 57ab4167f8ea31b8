// Undo and redo in the window over real gestures: the worked sequence of steps, a longer
// session whose abandoned branch cannot be redone, the three messages, the unsaved-changes
// state, a work folder removed by hand, and an undo across pictures of different sizes.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "harness/score_window_harness.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "score_window/shared_values.h"
#include "window_pictures.h"

namespace scoreink::test {
namespace {

const QString kCaption = "どうでもいいけど";

// One free-draw stroke of gesture number n, drawn by the window and on `expected` alike.
void Stroke(ScoreWindowHarness& ui, QImage& expected, int n) {
  const QPoint from(60 + 40 * n, 100 + 90 * n), to(120 + 40 * n, 140 + 90 * n);
  ui.DragOnScore(from, to, 2);
  Canvas pen = PenOn(expected, 2, kBlack, from);
  pen.LineTo((from + to).x() / 2, (from + to).y() / 2);
  pen.LineTo(to.x(), to.y());
}

void ExpectBox(ScoreWindowHarness& ui, const char* text) {
  ASSERT_FALSE(ui.Dialogs().Boxes().empty());
  const AskedBox& box = ui.Dialogs().Boxes().back();
  EXPECT_EQ(box.text, QString::fromUtf8(text));
  EXPECT_EQ(box.caption, kCaption);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

TEST(EditHistorySession, TheWorkedSequence) {
  ScoreWindowHarness ui;
  const QImage s0 = BlankScore(ui.Window());
  ASSERT_EQ(HistoryPos(), 1);
  EXPECT_FALSE(SharedHistory().HasUnsavedChanges());

  QImage s1 = s0;
  Stroke(ui, s1, 0);  // gesture A
  QImage s2 = s1;
  Stroke(ui, s2, 1);  // gesture B
  EXPECT_EQ(HistoryPos(), 3);
  EXPECT_TRUE(SharedHistory().HasUnsavedChanges());
  EXPECT_TRUE(SamePicture(ui.Score(), s2));

  ui.Click("Btn7");
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn7");
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(SamePicture(ui.Score(), s0));
  EXPECT_FALSE(SharedHistory().HasUnsavedChanges());
  EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);

  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn7");
  ExpectBox(ui, "これより前はない");
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(SamePicture(ui.Score(), s0));

  ui.Click("Btn8");
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn8");  // the newest picture comes back too
  EXPECT_EQ(HistoryPos(), 3);
  EXPECT_TRUE(SamePicture(ui.Score(), s2));
  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn8");
  ExpectBox(ui, "これより後はない");
  EXPECT_EQ(HistoryPos(), 3);
  EXPECT_TRUE(SamePicture(ui.Score(), s2));

  // A new gesture after an undo replaces step 2 and drops what could have been redone.
  ui.Click("Btn7");
  QImage s3 = s1;
  Stroke(ui, s3, 2);
  EXPECT_EQ(HistoryPos(), 3);
  EXPECT_TRUE(SamePicture(ui.Score(), s3));
  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn8");
  ExpectBox(ui, "これより後はない");
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn8");
  EXPECT_TRUE(SamePicture(ui.Score(), s3));
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 3u);
}

TEST(EditHistorySession, DrawUndoRedoDrawAgainAndTheAbandonedBranchIsGone) {
  ScoreWindowHarness ui;
  std::vector<QImage> states{BlankScore(ui.Window())};
  for (int n = 0; n < 4; ++n) {  // A, B, C, D
    QImage next = states.back();
    Stroke(ui, next, n);
    states.push_back(next);
  }
  ASSERT_EQ(HistoryPos(), 5);

  for (int k = 0; k < 3; ++k) ui.Click("Btn7");
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(SamePicture(ui.Score(), states[1]));
  ui.Click("Btn8");
  EXPECT_EQ(HistoryPos(), 3);
  EXPECT_TRUE(SamePicture(ui.Score(), states[2]));

  QImage e = states[2];
  Stroke(ui, e, 5);  // E, on the state after B
  EXPECT_EQ(HistoryPos(), 4);
  EXPECT_TRUE(SamePicture(ui.Score(), e));
  EXPECT_FALSE(QFile::exists(SharedHistory().SnapshotFile(4))) << "the abandoned branch stays";

  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn8");
  ExpectBox(ui, "これより後はない");
  EXPECT_TRUE(SamePicture(ui.Score(), e));

  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), states[2]));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), states[1]));
  ui.Click("Btn8");
  EXPECT_TRUE(SamePicture(ui.Score(), states[2]));
  ui.Click("Btn8");  // onto E, never onto C or D
  EXPECT_TRUE(SamePicture(ui.Score(), e));
  EXPECT_EQ(HistoryPos(), 4);
  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn8");
  EXPECT_TRUE(SamePicture(ui.Score(), e));
}

TEST(EditHistorySession, AWorkFolderRemovedByHandComesBackAtTheNextPress) {
  ScoreWindowHarness ui;
  const QImage s0 = BlankScore(ui.Window());
  QImage s1 = s0;
  Stroke(ui, s1, 0);
  QImage s2 = s1;
  Stroke(ui, s2, 1);  // step 1 is in the folder now
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());

  QImage s3 = s2;
  Stroke(ui, s3, 2);
  EXPECT_EQ(HistoryPos(), 4);
  EXPECT_TRUE(SamePicture(ui.Score(), s3));

  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s2));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Dialogs().AnswerBox(kIdOk, kCaption);
  ui.Click("Btn7");  // step 1 went with the folder
  ExpectBox(ui, "何か事故");
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn8");
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  ui.Click("Btn8");
  EXPECT_TRUE(SamePicture(ui.Score(), s2));
}

TEST(EditHistorySession, UndoOntoAnotherSizeResizesTheView) {
  ScoreWindowHarness ui;
  QImage s1 = BlankScore(ui.Window());
  Stroke(ui, s1, 0);
  QImage s2 = s1;
  Stroke(ui, s2, 1);
  ui.Click("Btn10");  // zoom 200
  // Another picture in the score view, as if brought in without emptying the history.
  ui.ScoreView()->SetPicture(NewBitmap(300, 200, PixelFormat::Bits8));
  ui->ApplyScoreZoom();
  ASSERT_EQ(ui.ScoreView()->size(), QSize(600, 400));

  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), s1));
  EXPECT_EQ(ui.ScoreView()->size(), s1.size() * 2);
}

}  // namespace
}  // namespace scoreink::test
