// Zoom of the score view: steps of 10 below 100 percent and of 100 above, limits 10 and 800,
// and the size of Image1 that follows from the score bitmap.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "harness/score_window_harness.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

TEST(ScoreZoom, ZoomOutStopsAtTenAndZoomInAtEightHundred) {
  ScoreWindowHarness ui;
  const int expectedOut[] = {90, 80, 70, 60, 50, 40, 30, 20, 10, 10};
  for (int expected : expectedOut) {
    ui.Click("Btn9");
    EXPECT_EQ(ui->Control<QLabel>("Label3")->text(), QString::number(expected));
  }
  EXPECT_EQ(ui.ScoreView()->size(), QSize(77, 110));

  ui->Control<QLabel>("Label3")->setText("100");
  const int expectedIn[] = {200, 300, 400, 500, 600, 700, 800, 800};
  for (int expected : expectedIn) {
    ui.Click("Btn10");
    EXPECT_EQ(ui->Control<QLabel>("Label3")->text(), QString::number(expected));
  }
  EXPECT_EQ(ui.ScoreView()->size(), QSize(6160, 8808));
  EXPECT_EQ(ui.Score().size(), QSize(770, 1101));  // never resampled
}

TEST(ScoreZoom, StepsAreTenBelowAHundredAndAHundredAbove) {
  ScoreWindowHarness ui;
  struct Case {
    int from;
    const char* button;
    int to;
  };
  for (const Case& c : {Case{100, "Btn9", 90}, Case{90, "Btn10", 100}, Case{100, "Btn10", 200},
                        Case{200, "Btn9", 100}, Case{20, "Btn9", 10}, Case{700, "Btn10", 800},
                        Case{10, "Btn10", 20}}) {
    ui->Control<QLabel>("Label3")->setText(QString::number(c.from));
    ui.Click(c.button);
    EXPECT_EQ(ui.Zoom(), c.to) << c.from << " " << c.button;
  }
}

TEST(ScoreZoom, ImageSizeIsTheBitmapSizeTimesZoomTruncated) {
  ScoreWindowHarness ui;
  struct Case {
    QSize bitmap;
    int zoom;
    QSize control;
  };
  for (const Case& c : {Case{{794, 1123}, 30, {238, 336}}, Case{{794, 1123}, 100, {794, 1123}},
                        Case{{5, 9}, 10, {0, 0}}, Case{{4960, 7016}, 800, {39680, 56128}}}) {
    ui.ScoreView()->SetPicture(QImage(c.bitmap, QImage::Format_RGB888));
    ui->Control<QLabel>("Label3")->setText(QString::number(c.zoom));
    ui->ApplyScoreZoom();
    EXPECT_EQ(ui.ScoreView()->size(), c.control) << c.bitmap.width() << " at " << c.zoom;
    EXPECT_EQ(ui.ScoreView()->pos(), QPoint(0, 0));
  }
}

TEST(ScoreZoom, ScrollRangeFollowsTheZoomedScore) {
  ScoreWindowHarness ui;
  ui->Control<QLabel>("Label3")->setText("400");
  ui->ApplyScoreZoom();
  QScrollArea* box = ui->Control<QScrollArea>("ScrollBox1");
  EXPECT_EQ(box->widget()->size(), QSize(3080, 4404));
  EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
  EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
}

TEST(ScoreZoom, AnOverlayReachingPastTheScoreWidensTheScrollRange) {
  ScoreWindowHarness ui;
  QWidget* content = ui->Control<QScrollArea>("ScrollBox1")->widget();
  EXPECT_EQ(content->size(), QSize(770, 1101));
  ui.Overlay()->setGeometry(760, 1090, 28, 20);
  ui.Overlay()->show();
  EXPECT_EQ(content->size(), QSize(788, 1110));
  ui.Overlay()->hide();
  EXPECT_EQ(content->size(), QSize(770, 1101));
}

TEST(ScoreZoom, ZoomButtonsLeaveTheFocusOnTheSink) {
  ScoreWindowHarness ui;
  ui.Click("Btn10");
  EXPECT_EQ(ui->focusWidget(), ui->Control<QLineEdit>("Edit0"));
}

}  // namespace
}  // namespace scoreink::test
