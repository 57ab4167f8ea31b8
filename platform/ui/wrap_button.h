#pragma once
// A push button whose caption wraps onto several lines when it does not fit its width, as the
// narrow buttons of the palette strip need ("記号追加" on a 37-pixel button). The caption
// itself is kept exactly as given.
#include <QPushButton>

namespace scoreink {

class WrapButton : public QPushButton {
  Q_OBJECT

 public:
  explicit WrapButton(QWidget* parent = nullptr) : QPushButton(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace scoreink
