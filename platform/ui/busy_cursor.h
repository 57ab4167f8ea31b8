#pragma once
// The hourglass for the length of a long operation, put back on every way out of it.
#include <QCursor>
#include <QGuiApplication>

namespace scoreink {

class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace scoreink
