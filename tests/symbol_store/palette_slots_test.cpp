// Start-up fills the custom palette slots from the store folder: what fits is shown, what
// does not or cannot be read is skipped silently, and a loaded symbol is placed like any
// built-in one.
#include <gtest/gtest.h>

#include <map>

#include "harness/score_window_harness.h"
#include "palette_window/palette_test_support.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "store_test_support.h"

namespace scoreink::test {
namespace {

ImageControl* Slot(ScoreWindowHarness& ui, int n) {
  return ui.Find<ImageControl>(SymbolSlotImageName(n));
}

TEST(PaletteSlots, WithoutAStoreFolderNoSlotIsFilledAndNoFolderIsMade) {
  ScoreWindowHarness ui;
  for (int n = 1; n <= kSymbolSlotCount; ++n) EXPECT_FALSE(Slot(ui, n)->HasPicture()) << n;
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("OpPIX")));
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
}

TEST(PaletteSlots, StartUpShowsWhatFitsAndSkipsTheRestSilently) {
  WindowOptions options;
  QImage eightBit = ConvertedTo(DiagonalSymbol(12, 30), PixelFormat::Bits8);
  options.prepare = [&](TempExecutableFolder& folder) {
    const QString store = folder.File("OpPIX");
    PutSlotFile(store, 1, DiagonalSymbol(30, 30));
    PutSlotFile(store, 3, DiagonalSymbol(5, 7));
    PutSlotFile(store, 5, DiagonalSymbol(31, 20));  // too wide for the strip
    PutSlotBytes(store, 7, "not a picture");        // cannot be read
    PutSlotFile(store, 9, eightBit);
    PutSlotFile(store, 15, DiagonalSymbol(20, 20));
  };
  ScoreWindowHarness ui(options);
  EXPECT_TRUE(ui.Dialogs().Boxes().empty()) << "start-up says nothing";

  const std::map<int, QSize> shown = {{1, {30, 30}}, {3, {5, 7}}, {9, {12, 30}}, {15, {20, 20}}};
  for (int n = 1; n <= kSymbolSlotCount; ++n) {
    SCOPED_TRACE(n);
    ImageControl* slot = Slot(ui, n);
    const auto it = shown.find(n);
    ASSERT_EQ(slot->HasPicture(), it != shown.end());
    if (it == shown.end()) continue;
    EXPECT_EQ(slot->Picture().size(), it->second);
    EXPECT_EQ(slot->size(), it->second) << "the slot takes its symbol's size";
    EXPECT_EQ(slot->pos(), QPoint(52 + 30 * (n - 1), 40));
  }
  // The skipped files still hold their slots.
  EXPECT_EQ(ChooseSymbolSlot(CurrentWorkPlaces.SymbolFolder()), 2);
  for (int n : {2, 4, 6, 8, 10, 11, 12, 13, 14})
    PutSlotFile(CurrentWorkPlaces.SymbolFolder(), n, DiagonalSymbol(5, 5));
  SetModified(SymbolSlotFile(CurrentWorkPlaces.SymbolFolder(), 5),
              QDateTime::currentDateTime().addYears(-3));
  EXPECT_EQ(ChooseSymbolSlot(CurrentWorkPlaces.SymbolFolder()), 5)
      << "the too-large file is replaced first once the store is full";
}

TEST(PaletteSlots, ALoadedSymbolIsPlacedAndOnlyItsPureBlackIsStamped) {
  QImage custom = NewBitmap(16, 16, PixelFormat::Bits24);
  for (int i = 0; i < 16; ++i) {
    custom.setPixel(i, i, kBlack);
    custom.setPixel(15 - i, i, kTemplateInk);  // not ink of the user's
  }
  WindowOptions options;
  options.prepare = [&](TempExecutableFolder& folder) {
    PutSlotFile(folder.File("OpPIX"), 6, ConvertedTo(custom, PixelFormat::Bits4));
  };
  ScoreWindowHarness ui(options);
  const QImage before = ui.Score().copy();

  PlaceSymbol(ui, "OPImg06", {300, 300});
  EXPECT_EQ(ui.Overlay()->geometry(), QRect(292, 292, 16, 16));
  CommitByPanelClick(ui);

  EXPECT_EQ(ui.Score(), Stamped(before, custom, {292, 292}));
}

}  // namespace
}  // namespace scoreink::test
