#include "harness/control_table_checks.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace scoreink::test {

QString CaptionOf(const QWidget* control) {
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  return {};
}

QString ParentName(const QWidget* control) {
  const QWidget* parent = control->parentWidget();
  if (!parent) return {};
  // Content of a scroll box: its parent is the box's viewport, whose parent is the box.
  const QWidget* viewport = parent->parentWidget();
  if (auto* box = qobject_cast<const QScrollArea*>(viewport ? viewport->parentWidget() : nullptr))
    if (box->widget() == parent) return box->objectName();
  return parent->objectName();
}

void ExpectControls(const FormDriver& window, std::span<const ExpectedControl> controls) {
  for (const ExpectedControl& row : controls) {
    SCOPED_TRACE(row.name);
    const QWidget* control = window.Find(row.name);
    if (!control) continue;
    EXPECT_TRUE(control->inherits(row.kind)) << control->metaObject()->className();
    EXPECT_EQ(ParentName(control), row.parent);
    EXPECT_EQ(control->geometry(), row.geometry);
    if (row.caption) {
      EXPECT_EQ(CaptionOf(control), QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(control->isHidden(), bool(row.state & kHiddenState));
    EXPECT_EQ(control->isEnabled(), !(row.state & kDisabledState));
  }
}

}  // namespace scoreink::test
