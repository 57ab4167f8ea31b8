// The save dialog loop and the file-name rules, with the dialog and the message boxes scripted.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <stdexcept>

#include "harness/case_names.h"
#include "score_window/core/save_name_rules.h"

namespace scoreink {
namespace {

struct Shown {
  QString text;
  QString caption;
  MsgButtons buttons;
  bool operator==(const Shown&) const = default;
};

// Picks names in turn (nullopt is Cancel), records every message and answers questions.
class ScriptedUser {
 public:
  explicit ScriptedUser(std::deque<std::optional<QString>> picks, int answer = kIdYes)
      : picks_(std::move(picks)), answer_(answer) {}

  QString Choose(const QString& initial, const QString& workFolder,
                 const QStringList& ownPaths = {}) {
    return ChooseSaveName(
        initial, workFolder,
        [this](const QString& name) {
          initialNames.push_back(name);
          if (picks_.empty()) throw std::runtime_error("the dialog came back once too often");
          auto pick = picks_.front();
          picks_.pop_front();
          return pick;
        },
        [this](const QString& text, const QString& caption, MsgButtons buttons) {
          shown.push_back({text, caption, buttons});
          return buttons == MsgButtons::Ok ? kIdOk : answer_;
        },
        ownPaths);
  }

  std::vector<QString> initialNames;
  std::vector<Shown> shown;

 private:
  std::deque<std::optional<QString>> picks_;
  int answer_;
};

const Shown kBadPlace{"この場所はダメ", "いろいろ事情があって", MsgButtons::Ok};
const Shown kNoCancel{"一度でもダメな場所を選ぶと、ダメじゃない場所を選ぶまで終われない",
                      "キャンセル不可、あしからず", MsgButtons::Ok};
const Shown kBadExtension{"jpg, jpeg, bmp, png, pdf, tif, tiff 以外の拡張子は勘弁", "悪いけど",
                          MsgButtons::Ok};
const Shown kEmptyName{"そんな名前じゃダメ", "NG", MsgButtons::Ok};
const Shown kNotPlain{"半角英数と \"_\", \"-\" 以外の文字は勘弁", "悪いけど", MsgButtons::Ok};
const Shown kOverwrite{"上書きしていい?", "同じ名前のファイルが同じ箱の中にある",
                       MsgButtons::YesNo};

const QString kWork = "/opt/scoreink/TmpWork";

struct NameCase {
  const char* pick;
  const char* result;
  std::vector<Shown> shown;
};

class SaveNameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveNameRules, TurnThePickIntoThePathToWrite) {
  const NameCase& c = GetParam();
  ScriptedUser user({QString::fromUtf8(c.pick)});
  EXPECT_EQ(user.Choose("", kWork), QString::fromUtf8(c.result));
  EXPECT_EQ(user.shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameRules,
    ::testing::Values(NameCase{"/no/such/dir/my.score.JPG", "/no/such/dir/myscore.jpg", {}},
                      NameCase{"/no/such/dir/score", "/no/such/dir/score.bmp", {}},
                      NameCase{"/no/such/dir/x.JPEG", "/no/such/dir/x.jpeg", {}},
                      NameCase{"/no/such/dir/x.Bmp", "/no/such/dir/x.bmp", {}},
                      NameCase{"/no/such/dir/a.bmp.bmp", "/no/such/dir/a.bmp", {}},
                      NameCase{"/no/such/dir/Op_1-2.jpg", "/no/such/dir/Op_1-2.jpg", {}},
                      NameCase{"/no/such/dir/v1.2.jpg", "/no/such/dir/v12.jpg", {}},
                      NameCase{"/no/such.dir/score", "/no/such.dir/score.bmp", {}},
                      NameCase{"/no/such/dir/a b.bmp", "", {kNotPlain}},
                      NameCase{"/no/such/dir/楽譜.bmp", "", {kNotPlain}},
                      NameCase{"/no/such/dir/ｓｃｏｒｅ.bmp", "", {kNotPlain}},
                      NameCase{"/no/such/dir/.bmp", "", {kEmptyName}},
                      NameCase{"/no/such/dir/...", "", {kBadExtension}},
                      NameCase{"/no/such/dir/x.PNG", "/no/such/dir/x.png", {}},
                      NameCase{"/no/such/dir/x.TIF", "/no/such/dir/x.tif", {}},
                      NameCase{"/no/such/dir/x.pdf", "/no/such/dir/x.pdf", {}},
                      NameCase{"/no/such/dir/x.gif", "", {kBadExtension}},
                      NameCase{"/no/such/dir/x.", "", {kBadExtension}},
                      NameCase{"/x.bmp", "/x.bmp", {}},
                      // Only the work folder itself is refused, as text and with case.
                      NameCase{
                          "/opt/scoreink/TmpWork/sub/x.bmp", "/opt/scoreink/TmpWork/sub/x.bmp", {}},
                      NameCase{"/opt/scoreink/tmpwork/x.bmp", "/opt/scoreink/tmpwork/x.bmp", {}}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.pick); });

TEST(ChooseSaveName, CancelReturnsNothingAndSaysNothing) {
  ScriptedUser user({std::nullopt});
  EXPECT_EQ(user.Choose("/home/a/old.bmp", kWork), "");
  EXPECT_TRUE(user.shown.empty());
  EXPECT_EQ(user.initialNames, std::vector<QString>{"/home/a/old.bmp"});
}

TEST(ChooseSaveName, WorkFolderCannotBeEscapedWithCancel) {
  ScriptedUser user({kWork + "/x.bmp", std::nullopt, std::nullopt, kWork + "/y.bmp",
                     QString("/home/a/good.jpg")});
  EXPECT_EQ(user.Choose("/home/a/old.bmp", kWork), "/home/a/good.jpg");
  EXPECT_EQ(user.shown, (std::vector<Shown>{kBadPlace, kNoCancel, kNoCancel, kBadPlace}));
  EXPECT_EQ(user.initialNames, std::vector<QString>(5, "/home/a/old.bmp"));
}

TEST(ChooseSaveName, CancelAfterAGoodPickFollowingARefusalIsNotReached) {
  // A pick outside the work folder ends the loop at once; its name rules still apply.
  ScriptedUser user({kWork + "/x.bmp", QString("/home/a/x.gif")});
  EXPECT_EQ(user.Choose("", kWork), "");
  EXPECT_EQ(user.shown, (std::vector<Shown>{kBadPlace, kBadExtension}));
}

TEST(ChooseSaveName, AsksBeforeReplacingAnExistingFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile existing(dir.filePath("myscore.jpg"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();

  ScriptedUser yes({dir.filePath("my.score.JPG")}, kIdYes);
  EXPECT_EQ(yes.Choose("", kWork), dir.filePath("myscore.jpg"));
  EXPECT_EQ(yes.shown, std::vector<Shown>{kOverwrite});

  ScriptedUser no({dir.filePath("myscore.jpg")}, kIdNo);
  EXPECT_EQ(no.Choose("", kWork), "");
  EXPECT_EQ(no.shown, std::vector<Shown>{kOverwrite});

  ScriptedUser fresh({dir.filePath("other.jpg")});
  EXPECT_EQ(fresh.Choose("", kWork), dir.filePath("other.jpg"));
  EXPECT_TRUE(fresh.shown.empty());
}

// A save under one of the program's own files would be deleted by the next reset (the block
// file) or would overwrite a custom symbol with a page: refused, however the path is spelled.
// A link is judged by where a write through it lands, whether that file is there or not yet
// (the block file exists only while a block floats), through a chain and a link's "..".
TEST(ChooseSaveName, RefusesThePlacesOfTheProgramsOwnFiles) {
  QTemporaryDir exe, links;
  ASSERT_TRUE(QDir(exe.path()).mkpath("OpPIX") && QDir(exe.path()).mkpath("TmpWork/sub"));
  const QString root = exe.path();
  const QStringList own = {root + "/CCTmp.bmp", root + "/OpPIX", root + "/TmpWork",
                           root + "/Recovery"};
  const Shown kOwnFile{"プログラムが自分で使うファイルなので、この名前はダメ",
                       "いろいろ事情があって", MsgButtons::Ok};
  QStringList picks = {root + "/CCTmp.BMP", root + "/OpPIX/3.bmp", root + "/OpPIX/../OpPIX/12.bmp",
                       root + "/TmpWork/sub/x.bmp", root + "/Recovery/base.bmp"};
  for (const auto& [name, target] : std::vector<std::pair<QString, QString>>{
           {"block.bmp", root + "/CCTmp.bmp"},
           {"chain.bmp", "block.bmp"},
           {"symbols", root + "/OpPIX"},
           {"up.bmp", "symbols/../CCTmp.bmp"},  // up from OpPIX, not from here
           {"recovery.bmp", root + "/Recovery"},
           {"slot.bmp", root + "/OpPIX/3.bmp"}}) {
    ASSERT_TRUE(QFile::link(target, links.filePath(name)));
    if (name.endsWith(".bmp")) picks << links.filePath(name);
  }
  for (const bool blockFloats : {false, true}) {
    QFile block(root + "/CCTmp.bmp");
    ASSERT_TRUE(!blockFloats || block.open(QIODevice::WriteOnly));
    for (const QString& pick : picks) {
      SCOPED_TRACE(pick.toStdString() + (blockFloats ? " (block file there)" : ""));
      ScriptedUser user({pick});
      EXPECT_EQ(user.Choose("", root + "/TmpWork", own), "");
      EXPECT_EQ(user.shown, std::vector<Shown>{kOwnFile});
    }
  }
  ScriptedUser beside({root + "/CCTmp2.bmp"});
  EXPECT_EQ(beside.Choose("", root + "/TmpWork", own), root + "/CCTmp2.bmp");
  EXPECT_TRUE(beside.shown.empty());
}

TEST(IsPlainFileStem, OnlyAsciiLettersDigitsUnderscoreAndHyphen) {
  for (const char* plain : {"", "A", "z", "0", "9", "_", "-", "Score_No-12", "abcXYZ019"})
    EXPECT_TRUE(IsPlainFileStem(QString::fromUtf8(plain))) << plain;
  for (const char* notPlain :
       {"a b", "a.b", "a/b", "楽譜", "ａ", "é", "a+b", "a~", "@", "[", "`", "{"})
    EXPECT_FALSE(IsPlainFileStem(QString::fromUtf8(notPlain))) << notPlain;
}

}  // namespace
}  // namespace scoreink
