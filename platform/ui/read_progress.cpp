#include "platform/ui/read_progress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <memory>

#include "platform/picture_files/read_watch.h"

namespace scoreink {

namespace {

std::chrono::milliseconds& ProgressDelay() {
  static std::chrono::milliseconds delay(500);
  return delay;
}

ReadWatch*& CurrentWatch() {
  static ReadWatch* watch = nullptr;
  return watch;
}

constexpr int kTickMs = 40;

// Holds back the input to every window while a reading runs; Esc and a click on the cancel
// button ask the reading to stop instead.
class InputHold : public QObject {
 public:
  InputHold(ReadWatch& watch, QWidget* cancelButton) : watch_(watch), cancel_(cancelButton) {
    qApp->installEventFilter(this);
  }
  ~InputHold() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) watch_.RequestCancel();
        return true;
      case QEvent::MouseButtonRelease:
        if (watched == cancel_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
          watch_.RequestCancel();
        return true;
      case QEvent::Close:
        // Windows stay open until the reading is over.
        event->ignore();
        return true;
      case QEvent::ShortcutOverride:
        // Taken here, or a window's own Esc shortcut would swallow the key press.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
          watch_.RequestCancel();
          event->accept();
        }
        return true;
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
        return true;
      default:
        return false;
    }
  }

 private:
  ReadWatch& watch_;
  QWidget* cancel_;
};

}  // namespace

QProgressBar* AddReadProgressBar(QWidget* dialog, const QRect& geometry) {
  auto* bar = new QProgressBar(dialog);
  bar->setObjectName(QString::fromLatin1(kReadProgressName));
  bar->setGeometry(geometry);
  bar->setRange(0, 1000);
  bar->setFormat(QStringLiteral("読み込み中 %p%  (Esc で中止)"));
  bar->setFocusPolicy(Qt::NoFocus);
  bar->hide();
  return bar;
}

ReadEnd ReadOffTheUiThread(QProgressBar* bar, QWidget* cancelButton,
                           const std::function<void(ReadWatch&)>& read) {
  ReadWatch watch;
  QEventLoop loop;
  InputHold hold(watch, cancelButton);
  ReadWatch* const outer = CurrentWatch();
  CurrentWatch() = &watch;

  QElapsedTimer clock;
  clock.start();
  QTimer tick;
  tick.setInterval(kTickMs);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    if (!bar || clock.elapsed() < ProgressDelay().count()) return;
    bar->setValue(watch.Permille());
    if (bar->isHidden()) {
      bar->show();
      bar->raise();
    }
  });
  tick.start();

  // A thread of Qt's own: the reading's files are Qt objects of that thread.
  std::unique_ptr<QThread> worker(QThread::create([&] { read(watch); }));
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit,
                   Qt::QueuedConnection);
  worker->start();
  loop.exec();
  worker->wait();

  tick.stop();
  if (bar) bar->hide();
  CurrentWatch() = outer;
  return watch.CancelRequested() ? ReadEnd::Cancelled : ReadEnd::Finished;
}

bool StopReadInProgress() {
  if (!CurrentWatch()) return false;
  CurrentWatch()->RequestCancel();
  return true;
}

void SetReadProgressDelay(std::chrono::milliseconds delay) {
  ProgressDelay() = delay;
}

}  // namespace scoreink
