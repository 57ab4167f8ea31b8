// A document of several pages in the score window: moving between its pages with the keys and
// the buttons, the title, every page keeping its edits and undo chain, the save question over
// every page, saving the whole PDF back with the edits laid over its pages, and a killed
// session coming back with every edited page.
#include <poppler-qt6.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "dialogs/core/picked_picture.h"
#include "document_test_support.h"
#include "harness/desktop_input.h"
#include "harness/test_child.h"
#include "harness/three_page_pdf.h"
#include "platform/picture_files/picture_io.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

constexpr int kDpi = 150;

QImage PageAsRead(const QString& path, int page) {
  return ReadPickedPicture(path, nullptr, PagePick{page, kDpi}).picture;
}

// Opens the document as the score file dialog's OK does, at its first page.
void OpenDocument(ScoreWindowHarness& ui, const QString& path) {
  ui->ShowScorePicture(PageAsRead(path, 0));
  ui->AdoptOpenedScore(path, PagePick{0, kDpi}, 3);
}

QString Words(const QString& pdf, int page) {
  const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
  return document ? document->page(page)->text(QRectF()).simplified() : QString();
}

TEST(DocumentPages, TheKeysAndTheButtonsMoveBetweenPagesAndTheTitleSaysWhichIsShown) {
  QTemporaryDir dir;
  const QString path = dir.filePath("part.pdf");
  WriteThreePagePdf(path);
  ScoreWindowHarness ui;
  OpenDocument(ui, path);
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "part.pdf (1/3) - ScoreInk");
  EXPECT_EQ(ui.Find<QLabel>("LabelPage")->text(), "1/3");
  EXPECT_FALSE(ui.Find<QPushButton>("BtnPagePrev")->isEnabled());

  const std::pair<const char*, int> moves[] = {
      {"PgDown", 1}, {"BtnPageNext", 2}, {"Ctrl+Home", 0}, {"Ctrl+End", 2},
      {"PgUp", 1},   {"BtnPagePrev", 0}, {"PgUp", 0}};
  for (const auto& [how, page] : moves) {
    SCOPED_TRACE(how);
    if (QByteArray(how).startsWith("Btn"))
      ui.Click(how);
    else
      PressKeys(&ui.Window(), how);
    EXPECT_EQ(ui->Document().Shown(), page);
    EXPECT_EQ(ui.Score(), PageAsRead(path, page));
  }
  ui.Click("BtnPageNext");
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "part.pdf (2/3) - ScoreInk");
  EXPECT_FALSE(ui->HasUnsavedEdits()) << "looking at pages edits nothing";
}

TEST(DocumentPages, EveryPageKeepsItsEditsAndUndoAndTheQuestionCoversThemAll) {
  QTemporaryDir dir;
  const QString path = dir.filePath("part.pdf");
  WriteThreePagePdf(path);
  ScoreWindowHarness ui;
  OpenDocument(ui, path);
  ui.DragOnScore({100, 500}, {300, 520});
  const QImage firstStroke = ui.Score().copy();
  ui.DragOnScore({100, 600}, {300, 620});
  const QImage edited0 = ui.Score().copy();
  PressKeys(&ui.Window(), "Ctrl+End");
  ui.DragOnScore({50, 50}, {200, 80});
  const QImage edited2 = ui.Score().copy();

  PressKeys(&ui.Window(), "Ctrl+Home");
  EXPECT_EQ(ui.Score(), edited0) << "the page comes back with its edits";
  ui.Click("Btn7");
  EXPECT_EQ(ui.Score(), firstStroke) << "and with its undo";
  ui.Click("Btn8");
  EXPECT_EQ(ui.Score(), edited0) << "and its redo";
  ui.Click("Btn7");
  PressKeys(&ui.Window(), "Ctrl+End");
  EXPECT_EQ(ui.Score(), edited2);
  PressKeys(&ui.Window(), "PgUp");  // the page without edits
  EXPECT_TRUE(ui->HasUnsavedEdits()) << "the other pages' edits count";
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "*part.pdf (2/3) - ScoreInk");

  ui.Dialogs().AnswerBox(kIdCancel);
  ui.Click("Btn0");
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u) << "closing asks, once";
  EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(ui->isVisible());
}

TEST(DocumentPages, SavingKeepsEveryPageAndLaysTheEditsOverTheEditedOnes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("part.pdf");
  WriteThreePagePdf(path);
  const QString words1 = Words(path, 1);
  ASSERT_TRUE(words1.contains("Page 2"));
  ScoreWindowHarness ui;
  OpenDocument(ui, path);
  ui.DragOnScore({100, 500}, {300, 520});
  ui.DragOnScore({100, 600}, {300, 620});
  PressKeys(&ui.Window(), "Ctrl+End");
  ui.DragOnScore({50, 50}, {200, 80});
  PressKeys(&ui.Window(), "Ctrl+Home");
  ui.Click("Btn7");  // undo on the first page after the last page was edited
  const QImage edited0 = ui.Score().copy();
  PressKeys(&ui.Window(), "Ctrl+End");
  ui.DragOnScore({50, 300}, {400, 320});  // the last gesture, still open when saving
  const QImage edited2 = ui.Score().copy();
  const QImage asRead0 = PageAsRead(path, 0), asRead1 = PageAsRead(path, 1),
               asRead2 = PageAsRead(path, 2);

  ui.Click("Btn4");  // 上書保存: the whole document, over its own file
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_FALSE(ui->HasUnsavedEdits());
  EXPECT_EQ(CountPages(path).pages, 3);
  for (int page = 0; page < 3; ++page)
    EXPECT_TRUE(Words(path, page).contains(QStringLiteral("Page %1").arg(page + 1)))
        << "the text stays text on page " << page + 1;
  EXPECT_EQ(PageAsRead(path, 1), asRead1) << "the page without edits is as it was";
  for (const auto& [page, edited, asRead] :
       {std::tuple{0, edited0, asRead0}, std::tuple{2, edited2, asRead2}}) {
    const QImage saved = PageAsRead(path, page);
    ASSERT_EQ(saved.size(), edited.size());
    int drawn = 0, kept = 0;
    for (int y = 0; y < saved.height(); ++y)
      for (int x = 0; x < saved.width(); ++x) {
        if (edited.pixelIndex(x, y) != asRead.pixelIndex(x, y)) {
          ++drawn;
          ASSERT_EQ(saved.pixelIndex(x, y), edited.pixelIndex(x, y))
              << page << ": " << x << "," << y;
        } else if (saved.pixelIndex(x, y) == asRead.pixelIndex(x, y)) {
          ++kept;
        }
      }
    EXPECT_GT(drawn, 100) << page;
    EXPECT_EQ(kept, saved.width() * saved.height() - drawn)
        << "the page shows through, page " << page;
  }
}

// A scan of two pages at 150 dpi: the pages become PDF pages of their size, read back at their
// resolution, so that changes saved over that PDF later land where they were drawn; saved as a
// TIFF again, every page is kept.
TEST(DocumentPages, AScanOfSeveralPagesIsSavedWholeAsPdfAndAsTiff) {
  QTemporaryDir dir;
  const QString scan = dir.filePath("scan.tif");
  QImage page(600, 800, QImage::Format_Indexed8);
  page.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  page.setDotsPerMeterX(qRound(kDpi / 0.0254));
  page.setDotsPerMeterY(qRound(kDpi / 0.0254));
  page.fill(1);
  for (int x = 50; x < 550; ++x) page.setPixel(x, 300, 0);
  ASSERT_TRUE(SaveTiffPages(
                  2, [&](int, QString&) { return page; }, scan)
                  .ok());
  ScoreWindowHarness ui;
  ui->ShowScorePicture(ReadPickedPicture(scan, nullptr, PagePick{0, kDpi}).picture);
  ui->AdoptOpenedScore(scan, PagePick{0, kDpi}, 2);
  PressKeys(&ui.Window(), "PgDown");
  ui.DragOnScore({100, 100}, {300, 150});

  const QString pdf = dir.filePath("scan.pdf");
  ui.Dialogs().AnswerSave(pdf);
  ui.Click("Btn3");
  ASSERT_EQ(CountPages(pdf).pages, 2);
  ui.DragOnScore({100, 400}, {300, 450});
  const QImage edited = ui.Score().copy();
  ui.Click("Btn4");  // the changes laid over the PDF just made
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_EQ(PageAsRead(pdf, 1), edited);
  EXPECT_EQ(PageAsRead(pdf, 0), PageAsRead(scan, 0));

  ui.Dialogs().AnswerSave(dir.filePath("again.tif"));
  ui.Click("Btn3");
  EXPECT_EQ(PageAsRead(dir.filePath("again.tif"), 1), edited);
  EXPECT_EQ(PageAsRead(dir.filePath("again.tif"), 0), PageAsRead(scan, 0));
}

// Run by the test below in a process of its own: edits two pages, notes them and is killed.
const char kChildFolder[] = "SCOREINK_PAGES_CHILD_FOLDER";

TEST(DocumentPagesChild, EditsTwoPagesAndIsKilled) {
  const QString folder = qEnvironmentVariable(kChildFolder);
  if (folder.isEmpty()) GTEST_SKIP() << "started by DocumentPages only";
  WindowOptions options;
  options.executableFolder = folder;
  ScoreWindowHarness ui(options);
  OpenDocument(ui, folder + "../part.pdf");
  ui.DragOnScore({100, 500}, {300, 520});
  ASSERT_TRUE(SaveBmp(ui.Score(), folder + "../page1.bmp").ok());
  PressKeys(&ui.Window(), "Ctrl+End");
  ui.DragOnScore({50, 50}, {200, 80});
  ASSERT_TRUE(SaveBmp(ui.Score(), folder + "../page3.bmp").ok());
  QTest::qWait(500);
  ::raise(SIGKILL);
}

TEST(DocumentPages, AKilledSessionComesBackWithEveryEditedPage) {
  QTemporaryDir place;
  const QString folder = place.path() + "/exe/";
  ASSERT_TRUE(QDir().mkpath(folder));
  WriteThreePagePdf(place.path() + "/part.pdf");
  QProcess child;
  StartTestChild(child, "DocumentPagesChild.EditsTwoPagesAndIsKilled", kChildFolder, folder);
  ASSERT_TRUE(child.waitForFinished(60000));
  const QImage page1 = LoadBmp(place.path() + "/page1.bmp").image;
  const QImage page3 = LoadBmp(place.path() + "/page3.bmp").image;
  ASSERT_FALSE(page1.isNull() || page3.isNull()) << "the child did not get to edit";

  WindowOptions options;
  options.executableFolder = folder;
  options.answers = [](ScriptedDialogs& dialogs) { dialogs.AnswerBox(kIdYes, "前回の続き"); };
  ScoreWindowHarness ui(options);
  EXPECT_EQ(ui->Document().Pages(), 3);
  EXPECT_EQ(ui->Document().Shown(), 2);
  EXPECT_EQ(ui.Score(), page3.convertToFormat(ui.Score().format(), ui.Score().colorTable()));
  PressKeys(&ui.Window(), "Ctrl+Home");
  EXPECT_EQ(ui.Score(), page1.convertToFormat(ui.Score().format(), ui.Score().colorTable()));
  EXPECT_TRUE(ui->HasUnsavedEdits());
}

}  // namespace
}  // namespace scoreink::test
