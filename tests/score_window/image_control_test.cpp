// The image control: stretched drawing of only the exposed part, transparent white, the
// rectangle that an edit repaints, and the mouse reports in control coordinates.
#include <gtest/gtest.h>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "harness/widget_input.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

// Remembers the rectangles it was asked to paint.
class RecordingImage : public ImageControl {
 public:
  using ImageControl::ImageControl;
  QRegion painted;

 protected:
  void paintEvent(QPaintEvent* event) override {
    painted += event->region();
    ImageControl::paintEvent(event);
  }
};

// A picture whose every pixel tells its own coordinates.
QImage CoordinatePicture(int w, int h) {
  QImage picture(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, 99));
  return picture;
}

TEST(ImageControl, StretchedPaintShowsEachPicturePixelOverItsZoomedArea) {
  const QImage picture = CoordinatePicture(40, 30);
  ImageControl image;
  image.SetStretch(true);
  image.SetPicture(picture);
  image.resize(320, 240);  // 800 percent
  // Only a part is exposed: the part of the picture under it is drawn, nothing else.
  const QRect exposed(37, 51, 90, 70);
  QImage shown(image.size(), QImage::Format_RGB32);
  shown.fill(qRgb(1, 2, 3));
  image.render(&shown, exposed.topLeft(), QRegion(exposed));
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb expected = exposed.contains(x, y) ? picture.pixel(x / 8, y / 8) : qRgb(1, 2, 3);
      ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(ImageControl, ReducedPaintPicksThePixelUnderEachControlPixel) {
  QImage picture(100, 100, QImage::Format_Indexed8);
  picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) picture.setPixel(x, y, (x / 10 + y / 10) % 2);
  ImageControl image;
  image.SetStretch(true);
  image.SetPicture(picture);
  image.resize(50, 50);
  QImage shown(image.size(), QImage::Format_RGB32);
  image.render(&shown);
  EXPECT_EQ(shown.pixel(2, 2), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(7, 2), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(7, 7), qRgb(0, 0, 0));
}

TEST(ImageControl, TransparentPictureLeavesWhiteUnpainted) {
  QImage picture(4, 2, QImage::Format_RGB888);
  picture.fill(Qt::white);
  picture.setPixel(1, 0, qRgb(0, 0, 0));
  picture.setPixel(2, 1, qRgb(32, 32, 64));
  picture.setPixel(3, 1, qRgb(255, 255, 254));  // not white: drawn
  ImageControl image;
  image.SetStretch(true);
  image.SetTransparent(true);
  image.SetPicture(picture);
  image.resize(8, 4);
  QImage shown(image.size(), QImage::Format_RGB32);
  shown.fill(qRgb(255, 0, 0));
  image.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
  EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(3, 1), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(5, 3), qRgb(32, 32, 64));
  EXPECT_EQ(shown.pixel(7, 3), qRgb(255, 255, 254));
  EXPECT_EQ(shown.pixel(7, 0), qRgb(255, 0, 0));
}

TEST(ImageControl, ControlRectCoversThePictureRectRoundedOutward) {
  ImageControl image;
  image.SetStretch(true);
  image.SetPicture(QImage(794, 1123, QImage::Format_RGB888));
  struct Case {
    QSize control;
    QRect picture;
    QRect expected;
  };
  for (const Case& c : {
           Case{{6352, 8984}, {2, 3, 1, 1}, {16, 24, 8, 8}},         // 800 percent
           Case{{794, 1123}, {10, 20, 5, 6}, {10, 20, 5, 6}},        // 100 percent
           Case{{238, 336}, {10, 10, 10, 10}, {2, 2, 4, 4}},         // 30 percent
           Case{{238, 336}, {790, 1120, 50, 50}, {236, 335, 2, 1}},  // clipped to the picture
           Case{{794, 1123}, {-5, -5, 3, 3}, {}},                    // outside
       }) {
    image.resize(c.control);
    EXPECT_EQ(image.ControlRectOf(c.picture), c.expected)
        << c.control.width() << " " << c.picture.x();
  }
}

TEST(ImageControl, AnEditRepaintsOnlyWhatItChangedAndAScrollOnlyWhatItExposes) {
  QScrollArea box;
  box.resize(300, 200);
  auto* image = new RecordingImage;
  image->SetStretch(true);
  image->SetPicture(CoordinatePicture(400, 500));
  image->resize(3200, 4000);  // 800 percent
  box.setWidget(image);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  QCoreApplication::processEvents();
  const QRect viewport(QPoint(), box.viewport()->size());
  // The first paint covers no more than the viewport of a 3200 x 4000 control.
  EXPECT_TRUE(QRegion(viewport).contains(image->painted.boundingRect()));

  image->painted = QRegion();
  image->PictureRectChanged(QRect(5, 6, 2, 1));
  QCoreApplication::processEvents();
  EXPECT_EQ(image->painted.boundingRect(), QRect(40, 48, 16, 8));

  image->painted = QRegion();
  box.verticalScrollBar()->setValue(1600);
  QCoreApplication::processEvents();
  const QRect visible(0, 1600, viewport.width(), viewport.height());
  EXPECT_FALSE(image->painted.isEmpty());
  EXPECT_TRUE(QRegion(visible).contains(image->painted.boundingRect()));
}

TEST(ImageControl, AutoSizeTakesThePictureSize) {
  ImageControl image;
  image.resize(20, 20);
  image.SetAutoSize(true);
  image.SetPicture(QImage(30, 12, QImage::Format_RGB888));
  EXPECT_EQ(image.size(), QSize(30, 12));
  image.ClearPicture();
  EXPECT_FALSE(image.HasPicture());
  EXPECT_EQ(image.size(), QSize(30, 12));
}

TEST(ImageControl, ReportsMouseInControlCoordinatesAndClicksOnlyForLeftInside) {
  ImageControl image;
  image.resize(100, 80);
  QSignalSpy downs(&image, &ImageControl::MouseDown);
  QSignalSpy moves(&image, &ImageControl::MouseMove);
  QSignalSpy ups(&image, &ImageControl::MouseUp);
  QSignalSpy clicks(&image, &ImageControl::Clicked);

  SendMouse(&image, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(&image, QEvent::MouseMove, {150, -5}, Qt::NoButton, Qt::LeftButton);
  SendMouse(&image, QEvent::MouseButtonRelease, {150, -5}, Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(downs.size(), 1);
  EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(downs[0][1].toInt(), 10);
  EXPECT_EQ(downs[0][2].toInt(), 20);
  ASSERT_EQ(moves.size(), 1);
  EXPECT_EQ(moves[0][0].toInt(), 150);
  EXPECT_EQ(moves[0][1].toInt(), -5);
  ASSERT_EQ(ups.size(), 1);
  EXPECT_EQ(clicks.size(), 0);  // released outside

  SendMouse(&image, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
  SendMouse(&image, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(downs.last()[0].value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(clicks.size(), 0);

  ClickWidget(&image);
  EXPECT_EQ(clicks.size(), 1);
}

}  // namespace
}  // namespace scoreink::test
