#include "platform/ui/window_shortcuts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

#include "platform/ui/press_button.h"

namespace scoreink {

WindowShortcuts::WindowShortcuts(QWidget* window) : QObject(window), window_(window) {
  for (QLineEdit* edit : window->findChildren<QLineEdit*>()) edit->installEventFilter(this);
}

void WindowShortcuts::AddRows(std::span<const ShortcutRow> rows) {
  for (const ShortcutRow& row : rows) {
    const QString button = QString::fromLatin1(row.button ? row.button : "");
    const QString otherwise = QString::fromLatin1(row.otherwise ? row.otherwise : "");
    QWidget* window = window_;
    Add(QKeySequence(QString::fromLatin1(row.keys), QKeySequence::PortableText),
        [window, button, otherwise] {
          if (button.isEmpty()) return;
          if (PressButton(window->findChild<QAbstractButton*>(button))) return;
          if (!otherwise.isEmpty()) PressButton(window->findChild<QAbstractButton*>(otherwise));
        });
  }
}

void WindowShortcuts::Add(const QKeySequence& keys, std::function<void()> run) {
  auto* shortcut = new QShortcut(keys, window_);
  shortcut->setContext(Qt::WindowShortcut);
  shortcut->setAutoRepeat(false);
  connect(shortcut, &QShortcut::activated, this, std::move(run));
  keys_.append(keys);
}

bool WindowShortcuts::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (keys_.contains(pressed)) {
      // Not the edit box's: left unaccepted, the key goes to the window's shortcut.
      event->ignore();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace scoreink
