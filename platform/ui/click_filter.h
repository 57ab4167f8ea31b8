#pragma once
// Turns left-button presses and releases on a widget into clicks, for widgets that report no
// click of their own: the window background, a panel's background, the scroll box around the
// score, the colour boxes. A click is a left press and a left release inside the widget.
#include <QObject>
#include <functional>

class QWidget;

namespace scoreink {

class ClickFilter : public QObject {
  Q_OBJECT

 public:
  enum class Area {
    Anywhere,        // the whole widget
    BackgroundOnly,  // only where no child control lies (a label on a panel is no panel click)
  };

  // Installs itself on watched and is owned by it.
  ClickFilter(QWidget* watched, Area area, std::function<void()> onClick,
              std::function<void()> onDoubleClick = {});
  void SetOnDoubleClick(std::function<void()> onDoubleClick) {
    onDoubleClick_ = std::move(onDoubleClick);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Counts(const QPoint& pos) const;

  QWidget* widget_;
  Area area_;
  std::function<void()> onClick_;
  std::function<void()> onDoubleClick_;
  bool pressed_ = false;
};

}  // namespace scoreink
