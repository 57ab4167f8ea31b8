#include "harness/desktop_input.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/QTest>

namespace scoreink::test {

void PressKeys(QWidget* window, const QKeySequence& keys) {
  ASSERT_TRUE(window);
  window->activateWindow();
  // Shortcuts answer only in the active window.
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
  QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
  QTest::keySequence(focus, keys);
  LetEventsRun();
}

void PressKeys(QWidget* window, const char* portableKeys) {
  PressKeys(window, QKeySequence(QString::fromLatin1(portableKeys), QKeySequence::PortableText));
}

void TurnWheel(QWidget* target, const QPoint& pos, int notches, Qt::KeyboardModifiers modifiers) {
  QWheelEvent wheel(QPointF(pos), QPointF(target->mapToGlobal(pos)), QPoint(),
                    QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
  LetEventsRun();
}

bool DropFile(QWidget* window, const QString& path, const QPoint& pos) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
  LetEventsRun();
  return drop.isAccepted();
}

void LetEventsRun() {
  QApplication::processEvents();
  QApplication::processEvents();
}

}  // namespace scoreink::test
