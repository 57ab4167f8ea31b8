// The folder-listing step of the file dialogs: what the list shows and which folder is
// remembered, on a list that records what it was told.
#include "dialogs/core/folder_listing.h"
#include "harness/case_names.h"

#include <gtest/gtest.h>
#include <QSet>
#include <QStringList>

#include "dialogs/core/file_mask.h"

namespace scoreink {
namespace {

const QString kWork = "/exe/TmpWork";

// Records the calls; the folders in listable can be listed.
class RecordingList : public FolderListTarget {
 public:
  explicit RecordingList(QSet<QString> listable) : listable_(std::move(listable)) {}
  void Clear() override {
    calls.append("clear");
    shown.clear();
  }
  void SetMask(const QString& mask) override { calls.append("mask " + mask); }
  bool PointAt(const QString& folder) override {
    calls.append("point " + folder);
    if (!listable_.contains(folder)) return false;
    shown = folder;
    return true;
  }
  QStringList calls;
  QString shown;  // folder whose files the list shows; empty when emptied

 private:
  QSet<QString> listable_;
};

struct ListingCase {
  const char* what;
  QString previous;
  QString chosen;
  bool remembers;          // what the remember call answers
  QString result;          // the folder to keep
  QString shown;           // what the list shows afterwards
  QStringList remembered;  // folders handed to remember
};

class ListFolderInto_ : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ListFolderInto_, ShowsAndRemembersAsTheRulesSay) {
  const ListingCase& c = GetParam();
  RecordingList list({"/", "/scores", "/other", kWork});
  QStringList remembered;
  const QString result =
      ListFolderInto(list, c.previous, c.chosen, kWork, [&](const QString& folder) {
        remembered.append(folder);
        return c.remembers;
      });
  EXPECT_EQ(result, c.result) << c.what;
  EXPECT_EQ(list.shown, c.shown) << c.what;
  EXPECT_EQ(remembered, c.remembered) << c.what;
  EXPECT_EQ(list.calls.first(), "clear") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFolderInto_,
    ::testing::Values(ListingCase{"another folder is remembered",
                                  "/scores",
                                  "/other",
                                  true,
                                  "/other",
                                  "/other",
                                  {"/other"}},
                      ListingCase{"a failed remember keeps the old folder",
                                  "/scores",
                                  "/other",
                                  false,
                                  "/scores",
                                  "/other",
                                  {"/other"}},
                      ListingCase{"the same folder is listed again, not remembered",
                                  "/scores",
                                  "/scores",
                                  true,
                                  "/scores",
                                  "/scores",
                                  {}},
                      ListingCase{
                          "the work folder stays empty", "/scores", kWork, true, "/scores", "", {}},
                      ListingCase{"a folder that cannot be listed leaves the root shown",
                                  "/scores",
                                  "/gone",
                                  true,
                                  "/scores",
                                  "/",
                                  {}},
                      ListingCase{"no path at all", "/scores", "", true, "/scores", "/", {}},
                      ListingCase{"the root itself", "/scores", "/", true, "/", "/", {"/"}}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.what); });

TEST(ListFolderInto, GoesThroughTheRootWithTheImageMaskBeforeTheChosenFolder) {
  RecordingList list({"/", "/scores"});
  ListFolderInto(list, "/scores", "/scores", kWork, [](const QString&) { return true; });
  EXPECT_EQ(list.calls,
            QStringList({"clear", QString("mask ") + kImageFileMask, "point /", "point /scores"}));
}

TEST(ListFolderInto, TheWorkFolderIsComparedWithCase) {
  RecordingList list({"/", "/exe/tmpwork"});
  QStringList remembered;
  const QString result =
      ListFolderInto(list, "/scores", "/exe/tmpwork", kWork, [&](const QString& f) {
        remembered.append(f);
        return true;
      });
  EXPECT_EQ(result, "/exe/tmpwork");
  EXPECT_EQ(remembered, QStringList({"/exe/tmpwork"}));
}

}  // namespace
}  // namespace scoreink
