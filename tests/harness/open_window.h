#pragma once
// Finds a window the program opened the way a user finds it: among the windows on the screen.
//
//   auto* dialog = OpenWindow<TForm2>();   // after a click on "開く"
#include <QApplication>
#include <QWidget>

namespace scoreink::test {

// The shown window of class W, or null; one that has been closed and waits to be deleted
// does not count.
template <class W>
W* OpenWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<W*>(window); found && found->isVisible()) return found;
  return nullptr;
}

}  // namespace scoreink::test
