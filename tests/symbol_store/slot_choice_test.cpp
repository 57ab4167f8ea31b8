// Which slot the next registration takes: the first missing file, else the one modified
// longest ago, decided from the store folder alone.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>
#include <vector>

#include "store_test_support.h"

namespace scoreink::test {
namespace {

const QDateTime kNow(QDate(2024, 5, 1), QTime(12, 0));

struct ChoiceCase {
  const char* name;
  std::vector<int> present;
  // Minutes before kNow of each present file (negative: in the future); absent: one day ago.
  std::map<int, int> minutesAgo;
  int expected;
};

std::vector<int> AllSlots() {
  std::vector<int> all;
  for (int n = 1; n <= kSymbolSlotCount; ++n) all.push_back(n);
  return all;
}

std::vector<int> AllBut(int missing) {
  std::vector<int> all = AllSlots();
  all.erase(all.begin() + (missing - 1));
  return all;
}

std::map<int, int> DistinctTimes(int oldest) {
  std::map<int, int> times;
  for (int n = 1; n <= kSymbolSlotCount; ++n) times[n] = 100 + n;
  times[oldest] = 5000;
  return times;
}

std::map<int, int> Everywhere(int minutes) {
  std::map<int, int> times;
  for (int n = 1; n <= kSymbolSlotCount; ++n) times[n] = minutes;
  return times;
}

class SlotChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SlotChoice, TakesTheFirstFreeSlotElseTheOldest) {
  const ChoiceCase& c = GetParam();
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  ASSERT_TRUE(QDir().mkpath(store));
  for (int n : c.present) {
    PutSlotFile(store, n, DiagonalSymbol(10, 10));
    const auto ago = c.minutesAgo.find(n);
    SetModified(SymbolSlotFile(store, n),
                kNow.addSecs(-60 * (ago == c.minutesAgo.end() ? 24 * 60 : ago->second)));
  }
  EXPECT_EQ(ChooseSymbolSlot(store, kNow), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, SlotChoice,
    ::testing::Values(
        ChoiceCase{"Empty", {}, {}, 1}, ChoiceCase{"GapAtThree", {1, 2, 4}, {}, 3},
        ChoiceCase{"NineTaken", {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, 10},
        ChoiceCase{"OnlyTheLastFree", AllBut(15), {}, 15},
        ChoiceCase{"GapBeatsAnOlderFile", AllBut(12), DistinctTimes(2), 12},
        ChoiceCase{"FullTakesTheOldest", AllSlots(), DistinctTimes(7), 7},
        ChoiceCase{"FullTieGoesToTheLowerSlot", AllSlots(), {{3, 3000}, {9, 3000}, {12, 2999}}, 3},
        ChoiceCase{"FullAllInTheFutureTakesOne", AllSlots(), Everywhere(-30), 1},
        ChoiceCase{"FullAllDatedNowTakesOne", AllSlots(), Everywhere(0), 1},
        ChoiceCase{"FutureFilesAreNeverOldest",
                   AllSlots(),
                   {{1, -600},
                    {2, -600},
                    {5, 10},
                    {6, 20},
                    {7, 15},
                    {8, 20},
                    {9, 20},
                    {10, 20},
                    {11, 20},
                    {12, 20},
                    {13, 20},
                    {14, 20},
                    {15, 20},
                    {3, -1},
                    {4, -1}},
                   6}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SlotChoice, AMissingStoreFolderGivesSlotOne) {
  QTemporaryDir dir;
  EXPECT_EQ(ChooseSymbolSlot(dir.filePath("OpPIX"), kNow), 1);
  EXPECT_EQ(OldestSymbolSlot(dir.filePath("OpPIX"), kNow), 1);
}

TEST(SlotChoice, OnlyTheFifteenSlotNamesCount) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  ASSERT_TRUE(QDir().mkpath(store));
  for (const char* name : {"01.bmp", "16.bmp", "0.bmp", "1.BMP", "1.bmp.tmp"})
    ASSERT_TRUE(SaveBmp(DiagonalSymbol(5, 5), store + "/" + name).ok());
  EXPECT_EQ(ChooseSymbolSlot(store, kNow), 1);
}

TEST(SlotChoice, AFolderNamedLikeASlotFileKeepsItsSlotButIsNeverReplaced) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  ASSERT_TRUE(QDir().mkpath(SymbolSlotFile(store, 1)));
  EXPECT_EQ(ChooseSymbolSlot(store, kNow), 2);
  for (int n = 2; n <= kSymbolSlotCount; ++n) {
    PutSlotFile(store, n, DiagonalSymbol(5, 5));
    SetModified(SymbolSlotFile(store, n), kNow.addSecs(-60 * n));
  }
  EXPECT_EQ(ChooseSymbolSlot(store, kNow), 15) << "the oldest file, not the folder";
}

TEST(SlotChoice, AFullStoreIsReplacedOldestFirst) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  const QDateTime longAgo(QDate(2020, 1, 1), QTime(0, 0));
  // Slot n was written n * 7 mod 15 days after longAgo: an order unlike the slot order.
  std::vector<int> order(kSymbolSlotCount);
  for (int n = 1; n <= kSymbolSlotCount; ++n) {
    PutSlotFile(store, n, DiagonalSymbol(6, 6));
    const int day = n * 7 % kSymbolSlotCount;
    SetModified(SymbolSlotFile(store, n), longAgo.addDays(day));
    order[day] = n;
  }
  for (int expected : order) {
    const int n = ChooseSymbolSlot(store);
    ASSERT_EQ(n, expected);
    ASSERT_TRUE(WriteSymbolSlot(DiagonalSymbol(8, 8), store, n).ok());
  }
}

}  // namespace
}  // namespace scoreink::test
