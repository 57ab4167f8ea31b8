#pragma once
// A window's keyboard shortcuts as data: each row names the keys and the button they stand
// for, so that a shortcut runs the button's own handler (focus sink first) and does nothing
// while the button is hidden or disabled.
//
//   constexpr ShortcutRow kRows[] = {
//     {"Ctrl+Z", "Btn7", nullptr},     // undo
//     {"Ctrl+S", "Btn4", "Btn3"},      // overwrite save while it can, else save
//   };
//   auto* keys = new WindowShortcuts(window);
//   keys->AddRows(kRows);
//   keys->Add(QKeySequence(Qt::Key_Escape), [] { ... });   // a key with a rule of its own
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <span>

class QWidget;

namespace scoreink {

struct ShortcutRow {
  const char* keys;       // QKeySequence's portable text: "Ctrl+Shift+Z", "Esc"
  const char* button;     // object name of the button the keys press; null: the keys are taken
                          // and do nothing
  const char* otherwise;  // pressed instead while button cannot be clicked; may be null
};

// Owned by the window. The window's edit boxes (the focus sink among them) would take keys
// such as Ctrl+Z for themselves: they let the window's shortcuts through.
class WindowShortcuts : public QObject {
  Q_OBJECT

 public:
  explicit WindowShortcuts(QWidget* window);

  void AddRows(std::span<const ShortcutRow> rows);
  // A shortcut of the window that runs run; no auto-repeat (holding Ctrl+P prints once).
  void Add(const QKeySequence& keys, std::function<void()> run);
  // The keys of every shortcut added so far.
  const QList<QKeySequence>& Keys() const { return keys_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QList<QKeySequence> keys_;
};

}  // namespace scoreink
