#pragma once
// Picture files that take long to read, and a user who stops the reading: for the tests of the
// file dialogs' progress bar and Esc.
//
//   WriteSparseBmp(folder.File("big.bmp"), 10000, 8000);
//   StopWhenProgressShows stop(dialog.Dialog(), ui.ScoreView());
//   dialog.ClickFile("big.bmp");               // returns once the reading has stopped
//   EXPECT_TRUE(stop.SawProgress() && stop.SawRepaint());
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace scoreink::test {

// A 24-bit BMP of the size whose pixels (all black) are a hole in the file: a large picture
// that costs no disk.
void WriteSparseBmp(const QString& path, int width, int height);

// While it lives, the dialogs' progress bars show at once. Once the bar of dialog shows, it
// runs whileReading, asks repainted to repaint, and when that has happened it presses Esc on
// the dialog.
class StopWhenProgressShows : public QObject {
 public:
  StopWhenProgressShows(QWidget* dialog, QWidget* repainted,
                        std::function<void()> whileReading = {});
  ~StopWhenProgressShows() override;

  bool SawProgress() const { return sawProgress_; }
  // The window repainted while the reading ran.
  bool SawRepaint() const { return paintsSinceProgress_ > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Tick();

  QPointer<QWidget> dialog_;
  QPointer<QWidget> repainted_;
  std::function<void()> whileReading_;
  QTimer timer_;
  bool sawProgress_ = false;
  bool pressed_ = false;
  int paintsSinceProgress_ = 0;
};

}  // namespace scoreink::test
