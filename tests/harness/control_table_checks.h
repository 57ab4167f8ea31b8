#pragma once
// Checks a window's controls against a table of what the user should see: name, kind, the
// control it sits on, place and size, caption, hidden and disabled state.
#include <QRect>
#include <QString>
#include <span>

#include "harness/form_driver.h"

namespace scoreink::test {

enum ControlState : unsigned { kShown = 0, kHiddenState = 1, kDisabledState = 2 };

struct ExpectedControl {
  const char* name;
  const char* kind;    // Qt class the control is (or derives from)
  const char* parent;  // object name of the control it sits on (a scroll box for its content)
  QRect geometry;
  const char* caption;  // nullptr: not checked
  unsigned state;       // ControlState flags
};

// One expectation failure per mismatch, traced by the control's name.
void ExpectControls(const FormDriver& window, std::span<const ExpectedControl> controls);

// The text a control shows: a button's or label's caption, an edit box's text.
QString CaptionOf(const QWidget* control);
// The object name of the control a control sits on; the scrolled content of "<box>" counts as
// the scroll box itself.
QString ParentName(const QWidget* control);

}  // namespace scoreink::test
