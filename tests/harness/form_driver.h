#pragma once
// Drives the controls of one window by their object names, as a user would: clicks, presses,
// moves and releases with the buttons held in between, and combo-box choices. Works on any
// top-level window of the program (the score window, the dialogs, the symbol editor).
//
//   FormDriver dialog(OpenWindow<TForm2>());   // the window to drive
//   dialog.Click("RadioButton1");
//   dialog.Press("Img0", {10, 10});
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace scoreink::test {

class FormDriver {
 public:
  explicit FormDriver(QWidget* window = nullptr) : window_(window) {}

  void SetWindow(QWidget* window) { window_ = window; }
  QWidget* Window() const { return window_; }

  // A control by object name; fails the test (and returns null) when there is none, or when
  // the window is gone.
  QWidget* Find(const QString& name) const;
  template <class T>
  T* Find(const QString& name) const {
    return qobject_cast<T*>(Find(name));
  }

  // Clicks the named control as a user would: buttons, radio buttons, edit boxes, images.
  // Clicking a hidden or disabled control fails the test (a user cannot).
  void Click(const QString& name);
  // A click at pos in the control's own coordinates (e.g. a panel's background).
  void ClickAt(const QString& name, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClickAt(const QString& name, const QPoint& pos);
  // Chooses item index of the named combo box as the user would.
  void ChooseIndex(const QString& name, int index);

  // Mouse on any control in its own coordinates. The buttons pressed stay held for the moves
  // that follow until they are released.
  void Press(const QString& name, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  void Move(const QString& name, const QPoint& pos);
  void Release(const QString& name, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  // Press at from, moves in steps straight toward to (to included), release at to.
  void Drag(const QString& name, const QPoint& from, const QPoint& to, int steps = 4,
            Qt::MouseButton button = Qt::LeftButton);

 private:
  QPointer<QWidget> window_;
  Qt::MouseButtons held_ = Qt::NoButton;
};

// Carries out the deletions that windows asked for with deleteLater() (a window that released
// itself is gone afterwards).
void FinishDeferredDeletes();

}  // namespace scoreink::test
