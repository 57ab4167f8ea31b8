// Registering the drawing of the symbol editor: the black test, the slot the file goes to, the
// palette image filled at once, the editor left; and registrations whose file cannot be
// written, which keep the editor, the drawing and its undo steps.
#include <gtest/gtest.h>

#include <QDir>

#include "harness/scratch_mount.h"
#include "harness/symbol_editor_harness.h"
#include "platform/history/edit_history.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "store_test_support.h"

namespace scoreink::test {
namespace {

const QString kUselessText = "こんなもの登録したって役に立たないと思う";
const QString kUselessCaption = "大きなお世話だろうけど";

QString Store(SymbolEditorHarness& ed) {
  return ed.Score().Folder().File("OpPIX");
}

ImageControl* Slot(SymbolEditorHarness& ed, int n) {
  return ed.Score().Find<ImageControl>(SymbolSlotImageName(n));
}

// A stroke across the drawing, as the user draws it: one undo step.
void DrawStroke(SymbolEditorHarness& ed) {
  ed.DragOnDrawing(ed.DrawingPoint({3, 5}), ed.DrawingPoint({20, 12}));
}

bool SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (PixelColor(a, x, y) != PixelColor(b, x, y)) return false;
  return true;
}

TEST(Registration, TheFirstSymbolGoesToSlotOneAndShowsInThePaletteAtOnce) {
  SymbolEditorHarness ed;
  DrawStroke(ed);
  const QImage drawing = ed.Drawing().copy();
  ASSERT_EQ(HistoryPos(), 2);

  ed.Click("Btn13");

  EXPECT_TRUE(ed.Dialogs().Boxes().empty());
  EXPECT_FALSE(ed.Open()) << "the editor is left";
  EXPECT_EQ(Entries(Store(ed)), QStringList{"1.bmp"});
  EXPECT_EQ(uchar(ReadBytes(SymbolSlotFile(Store(ed), 1))[28]), 4) << "a 4-bit file";
  const SymbolSlotRead file = ReadSymbolSlot(Store(ed), 1);
  ASSERT_EQ(file.status, SymbolSlotRead::Status::Loaded);
  EXPECT_TRUE(SamePixels(file.image, drawing));
  ImageControl* slot = Slot(ed, 1);
  ASSERT_TRUE(slot->HasPicture());
  EXPECT_TRUE(SamePixels(slot->Picture(), drawing));
  EXPECT_EQ(slot->size(), QSize(30, 30));
  EXPECT_EQ(HistoryPos(), 1) << "the history is emptied";
  EXPECT_TRUE(QDir(WorkFolder).isEmpty());
  for (int n = 2; n <= kSymbolSlotCount; ++n) EXPECT_FALSE(Slot(ed, n)->HasPicture()) << n;
}

TEST(Registration, FillsTheNextFreeSlotAndReplacesTheOldestWhenFull) {
  const struct {
    const char* name;
    std::vector<int> present;
    int oldest;  // 0: distinct times by slot number
    int expected;
  } cases[] = {
      {"Tenth", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, 10},
      {"Gap", {1, 2, 4}, 0, 3},
      {"FullOldestIsEleven", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 11, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WindowOptions options;
    options.prepare = [&](TempExecutableFolder& folder) {
      for (int n : c.present) {
        PutSlotFile(folder.File("OpPIX"), n, DiagonalSymbol(6, 6));
        const int daysAgo = n == c.oldest ? 400 : 20 - n;
        SetModified(SymbolSlotFile(folder.File("OpPIX"), n),
                    QDateTime::currentDateTime().addDays(-daysAgo));
      }
    };
    SymbolEditorHarness ed(options);
    DrawStroke(ed);
    ed.Click("Btn13");
    EXPECT_FALSE(ed.Open());
    EXPECT_EQ(ReadSymbolSlot(Store(ed), c.expected).image.size(), QSize(30, 30));
    EXPECT_EQ(Slot(ed, c.expected)->Picture().size(), QSize(30, 30));
    for (int n : c.present) {
      if (n == c.expected) continue;
      EXPECT_EQ(Slot(ed, n)->Picture().size(), QSize(6, 6)) << n;
    }
  }
}

TEST(Registration, ADrawingWithoutPureBlackIsRefusedAndChangesNothing) {
  const struct {
    const char* name;
    QRgb ink;
  } cases[] = {{"AllWhite", kWhite}, {"NearlyBlack", qRgb(1, 1, 1)}, {"TemplateInk", kTemplateInk}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SymbolEditorHarness ed;
    DrawStroke(ed);  // black, then turned into the case's colour
    QImage& drawing = ed.Drawing();
    for (int y = 0; y < drawing.height(); ++y)
      for (int x = 0; x < drawing.width(); ++x)
        if (PixelColor(drawing, x, y) == kBlack) drawing.setPixel(x, y, c.ink);
    const QImage before = drawing.copy();
    const int position = HistoryPos();
    ed.Dialogs().AnswerBox(kIdOk, kUselessCaption);

    ed.Click("Btn13");

    ASSERT_EQ(ed.Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(ed.Dialogs().Boxes()[0].text, kUselessText);
    EXPECT_EQ(ed.Dialogs().Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(ed.Open());
    EXPECT_EQ(ed.Drawing(), before);
    EXPECT_EQ(HistoryPos(), position) << "the undo steps are kept";
    EXPECT_FALSE(QFileInfo::exists(Store(ed))) << "no store folder made";
  }
}

TEST(Registration, ASingleBlackPixelAnywhereIsEnough) {
  for (const QPoint at : {QPoint(0, 0), QPoint(29, 29), QPoint(17, 3)}) {
    SymbolEditorHarness ed;
    ed.Drawing().setPixel(at, kBlack);
    ed.Click("Btn13");
    EXPECT_FALSE(ed.Open()) << at.x() << "," << at.y();
    EXPECT_EQ(BlackPixels(Slot(ed, 1)->Picture()), QList<QPoint>{at});
  }
}

// What a failed registration must leave as it was.
struct EditorState {
  QImage drawing;
  int historyPos;
  bool operator==(const EditorState& other) const {
    return drawing == other.drawing && historyPos == other.historyPos;
  }
};

EditorState StateOf(SymbolEditorHarness& ed) {
  return {ed.Drawing().copy(), HistoryPos()};
}

void ExpectFailedRegistration(SymbolEditorHarness& ed, const EditorState& before,
                              const QString& named) {
  ASSERT_EQ(ed.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ed.Dialogs().Boxes()[0].text.contains(named))
      << ed.Dialogs().Boxes()[0].text.toStdString();
  EXPECT_TRUE(ed.Open()) << "the editor stays open";
  EXPECT_TRUE(StateOf(ed) == before) << "drawing and undo steps are kept";
  for (int n = 1; n <= kSymbolSlotCount; ++n) EXPECT_FALSE(Slot(ed, n)->HasPicture()) << n;
  // The drawing can still be undone step by step.
  ed.Undo();
  EXPECT_TRUE(AllWhite(ed.Drawing()));
}

TEST(FailedRegistration, AFileNamedOpPIXIsAClearMessage) {
  WindowOptions options;
  options.prepare = [](TempExecutableFolder& folder) {
    ASSERT_TRUE(folder.Write("OpPIX", "not a folder"));
  };
  SymbolEditorHarness ed(options);
  DrawStroke(ed);
  const EditorState before = StateOf(ed);
  ed.Dialogs().AnswerBox(kIdOk, "エラー");
  ed.Click("Btn13");
  ExpectFailedRegistration(ed, before, "OpPIX");
  EXPECT_EQ(ReadBytes(Store(ed)), "not a folder");
}

TEST(FailedRegistration, AWriteProtectedStoreIsAClearMessage) {
  SymbolEditorHarness ed;
  ASSERT_TRUE(QDir().mkpath(Store(ed)));
  ProtectedFolder folder(Store(ed));
  if (!folder.usable()) GTEST_SKIP() << "root ignores permissions and no read-only mount works";
  ASSERT_TRUE(folder.Protect());
  DrawStroke(ed);
  const EditorState before = StateOf(ed);
  ed.Dialogs().AnswerBox(kIdOk, "エラー");
  ed.Click("Btn13");
  ExpectFailedRegistration(ed, before, "1.bmp");
  EXPECT_TRUE(Entries(Store(ed)).isEmpty());
}

TEST(FailedRegistration, AFullDiskLeavesNoBrokenSlotFile) {
  SymbolEditorHarness ed;
  ASSERT_TRUE(QDir().mkpath(Store(ed)));
  ScratchMount disk(Store(ed), "size=4k");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  ASSERT_TRUE(ed.Score().Folder().Write("OpPIX/filler", QByteArray(4096, 'x')));
  DrawStroke(ed);
  const EditorState before = StateOf(ed);
  ed.Dialogs().AnswerBox(kIdOk, "エラー");
  ed.Click("Btn13");
  ExpectFailedRegistration(ed, before, "1.bmp");
  EXPECT_EQ(Entries(Store(ed)), QStringList{"filler"});
}

}  // namespace
}  // namespace scoreink::test
