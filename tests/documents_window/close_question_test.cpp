// The unsaved-changes question of close and new: asked only when there is something to save,
// asked once, and whatever the answer, no work is lost without the user saying so.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "document_test_support.h"
#include "harness/case_names.h"
#include "harness/open_window.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"
#include "score_window/shared_values.h"
#include "symbol_editor/tform3.h"

namespace scoreink::test {
namespace {

const QString kQuestion = QString(25, ' ') + "保存する?";
const QString kQuestionCaption = "何か編集中のデータがあるみたいだけど";

bool WindowIsOpen(ScoreWindowHarness& ui) {
  return ui->isVisible() && QFileInfo::exists(WorkFolder);
}

TEST(CloseQuestion, AskedAfterAnEditAndNotAfterUndoingIt) {
  ScoreWindowHarness ui;
  EXPECT_EQ(ui->AskSaveChanges(), 0);
  EditOnce(ui);
  ui.Dialogs().AnswerBox(kIdCancel);
  EXPECT_EQ(ui->AskSaveChanges(), kIdCancel);
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, kQuestion);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].caption, kQuestionCaption);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNoCancel);

  ui.Click("Btn7");
  ui.Close();  // no box is queued: one would fail the test
  EXPECT_FALSE(ui->isVisible());
}

// A visit to the symbol editor empties the history but saves nothing: closing and new still ask.
TEST(CloseQuestion, StillAskedAfterAVisitToTheSymbolEditor) {
  for (const char* button : {"Btn0", "Btn1"}) {
    SCOPED_TRACE(button);
    ScoreWindowHarness ui;
    EditOnce(ui);
    const QImage edited = ui.Score().copy();
    ui.Click("Btn12");
    ASSERT_NE(Form3, nullptr);
    FormDriver(OpenWindow<TForm3>()).Click("Btn00");  // the editor's Cancel
    FinishDeferredDeletes();
    ASSERT_EQ(Form3, nullptr);

    ui.Dialogs().AnswerBox(kIdCancel, kQuestionCaption);
    ui.Click(button);
    EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u);
    EXPECT_TRUE(ui->isVisible());
    EXPECT_EQ(ui.Score(), edited);
  }
}

// The window manager's close (or a shortcut) asks like the close button.
struct CloseAnswer {
  int answer;
  bool stillOpen;
  bool saved;
};
class WindowManagerClose : public ::testing::TestWithParam<CloseAnswer> {};

TEST_P(WindowManagerClose, AsksAndFollowsTheAnswer) {
  const CloseAnswer& c = GetParam();
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score().copy();
  ui.Dialogs().AnswerBox(c.answer, kQuestionCaption);
  if (c.answer == kIdYes) ui.Dialogs().AnswerSave(target.path() + "/closing.bmp");

  ui.Close();

  EXPECT_EQ(ui->isVisible(), c.stillOpen);
  EXPECT_EQ(QFileInfo::exists(WorkFolder), c.stillOpen) << "the work folder goes with the window";
  EXPECT_EQ(QFileInfo::exists(target.path() + "/closing.bmp"), c.saved);
  if (c.stillOpen) {
    EXPECT_EQ(ui.Score(), edited);
    EXPECT_EQ(HistoryPos(), 2);
    ui.Dialogs().AnswerBox(kIdNo, kQuestionCaption);
    ui->close();  // the next close asks again
    EXPECT_FALSE(ui->isVisible());
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, WindowManagerClose,
                         ::testing::Values(CloseAnswer{kIdYes, false, true},
                                           CloseAnswer{kIdNo, false, false},
                                           CloseAnswer{kIdCancel, true, false}),
                         [](const auto& tc) {
                           return std::string(tc.param.answer == kIdYes  ? "Yes"
                                              : tc.param.answer == kIdNo ? "No"
                                                                         : "Cancel");
                         });

TEST(CloseQuestion, YesOnANeverSavedScoreThenCancelInTheDialogKeepsTheWindowAndItsHistory) {
  for (const char* control : {"", "Btn0"}) {
    SCOPED_TRACE(*control ? control : "window manager's close");
    ScoreWindowHarness ui;
    EditOnce(ui);
    const QImage edited = ui.Score().copy();
    ui.Dialogs().AnswerBox(kIdYes, kQuestionCaption);
    ui.Dialogs().AnswerSave(std::nullopt);
    if (*control)
      ui.Click(control);
    else
      ui->close();
    EXPECT_TRUE(WindowIsOpen(ui));
    EXPECT_EQ(ui.Score(), edited);
    EXPECT_EQ(HistoryPos(), 2);
    ui.Click("Btn7");
    EXPECT_EQ(HistoryPos(), 1) << "undo still possible";
  }
}

TEST(CloseQuestion, YesOnAScoreWithAFileOverwritesItWithoutTheJpegWarningAndAsksOnce) {
  for (const char* control : {"", "Btn0"}) {
    SCOPED_TRACE(*control ? control : "window manager's close");
    QTemporaryDir target;
    const QString file = target.path() + "/x.jpg";
    ASSERT_TRUE(WriteAll(file, "the score as opened"));
    ScoreWindowHarness ui;
    CurrentScoreFile = file;  // as the score file dialog leaves it after opening x.jpg
    EditOnce(ui);
    ui.Dialogs().AnswerBox(kIdYes, kQuestionCaption);
    if (*control)
      ui.Click(control);
    else
      ui->close();
    EXPECT_FALSE(ui->isVisible());
    EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u) << "one question, no warning";
    EXPECT_TRUE(ui.Dialogs().SaveDialogs().empty());
    EXPECT_EQ(FirstFrame(ReadAll(file)).marker, 0xC0) << "x.jpg rewritten as a JPEG";
  }
}

TEST(CloseQuestion, ASymbolStillFloatingIsPartOfTheScoreThatIsSaved) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  ui.Click("Img09");  // a solid block
  ui.PressOnScore({300, 300});
  ui.ReleaseOnScore({300, 300});
  ASSERT_TRUE(ui.Overlay()->isVisible());
  ui.Dialogs().AnswerBox(kIdYes, kQuestionCaption);
  ui.Dialogs().AnswerSave(target.path() + "/floating.bmp");
  ui->close();
  EXPECT_FALSE(ui->isVisible());
  const PictureResult saved = LoadPicture(target.path() + "/floating.bmp");
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(PixelColor(saved.image, 300, 300), kBlack);
}

TEST(CloseQuestion, CloseButtonWithNothingToSaveClosesWithoutAsking) {
  ScoreWindowHarness ui;
  ui.Click("Btn0");
  EXPECT_FALSE(ui->isVisible());
  EXPECT_FALSE(QFileInfo::exists(WorkFolder));
}

TEST(CloseQuestion, CloseButtonWithNoClosesWithoutSavingAndAsksOnce) {
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerBox(kIdNo, kQuestionCaption);
  ui.Click("Btn0");
  EXPECT_FALSE(ui->isVisible());
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u);
}

TEST(NewScore, CancelOrACancelledSaveKeepsTheScore) {
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score().copy();
  ui.Dialogs().AnswerBox(kIdCancel, kQuestionCaption);
  ui.Click("Btn1");
  ui.Dialogs().AnswerBox(kIdYes, kQuestionCaption);
  ui.Dialogs().AnswerSave(std::nullopt);
  ui.Click("Btn1");
  EXPECT_EQ(ui.Score(), edited);
  EXPECT_EQ(HistoryPos(), 2);
}

TEST(NewScore, StartsAFreshBlankPageAndPutsThePanelBack) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(target.path() + "/old.bmp");
  ui.Click("Btn3");
  ASSERT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EditOnce(ui, 500);
  ui.Click("Btn10");  // 200 percent
  PenWidth = 5;
  LeftLimit = 28;
  ui->Control<QLabel>("Label1")->setText("5");
  ui.Click("Img01");  // symbol mode
  ASSERT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isHidden());
  // As a score that was not made from the template leaves the panel.
  ui->ShowTemplateTools(false);
  ui->Control<QComboBox>("ComboBox1")->setCurrentIndex(4);
  ui.Devices().Set(WithPrinter(DefaultDeviceFacts(), 600, 100));  // a printer came meanwhile
  ui.Dialogs().AnswerBox(kIdNo, kQuestionCaption);

  ui.Click("Btn1");

  EXPECT_EQ(ui.Score().size(), QSize(762, 1091)) << "the page follows the printer of now";
  QImage blank;
  BuildBlankPage(blank, ui->ScoreBlankPage());
  EXPECT_EQ(ui.Score(), blank);
  EXPECT_EQ(ui.Zoom(), 100);
  EXPECT_EQ(ui.ScoreView()->size(), QSize(762, 1091));
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
  EXPECT_EQ(PenWidth, 2);
  EXPECT_EQ(LeftLimit, 27);
  EXPECT_FALSE(ui->InGesture());
  EXPECT_TRUE(CurrentScoreFile.isEmpty());
  EXPECT_TRUE(TemplateScore);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_FALSE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EXPECT_TRUE(QFileInfo::exists(target.path() + "/old.bmp"));
  // Symbol mode has ended and the template tools are back.
  EXPECT_FALSE(ui->Control<QGroupBox>("GroupBox1")->isHidden());
  EXPECT_TRUE(ui->Control<QPushButton>("BtnXX")->isHidden());
  EXPECT_TRUE(ui->Control<QLabel>("Label9")->isHidden());
  EXPECT_FALSE(ui->Control<ImageControl>("ImgXX")->HasPicture());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
  for (QWidget* shown : {ui->Control("RBtnLM3"), ui->Control("RBtnLM4"), ui->Control("ComboBox1"),
                         ui->Control("Label6"), ui->Control("Label7")})
    EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->currentIndex(), 4)
      << "the chosen key signature stays";
}

TEST(OpenButton, KeepsACopyOfTheScoreForTheFileDialogToPutBack) {
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Click("Btn2");
  EXPECT_EQ(ui->Control<ImageControl>("Img00")->Picture(), ui.Score());
  EXPECT_TRUE(ui->Control<ImageControl>("Img00")->isHidden());
}

}  // namespace
}  // namespace scoreink::test
