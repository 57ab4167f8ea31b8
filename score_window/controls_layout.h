#pragma once
// The score window's controls as data: one row per control with its object name, kind,
// parent, design geometry, caption, look and click handler. The window is built from these
// rows; the start-up layout step then moves the few controls that follow the work area.
#include <QRgb>
#include <span>

class QObject;

namespace scoreink {

class TForm1;

enum class ControlKind {
  Button,
  Label,
  EditBox,
  ComboBox,
  RadioButton,
  GroupBox,
  Panel,
  ScrollBox,
  Image
};

// Look and state flags of a control row.
enum ControlFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kWordWrap = 1u << 2,
  kAlignRight = 1u << 3,
  kNoFrame = 1u << 4,
  kChecked = 1u << 5,
  kAutoSize = 1u << 6,
  kStretch = 1u << 7,
  kTransparent = 1u << 8,
  kImeOff = 1u << 9,     // no input method (typing goes nowhere useful)
  kReadOnly = 1u << 10,  // a colour box: a swatch, not an input
};

// The colours of the design.
inline constexpr QRgb kSilver = 0xFFC0C0C0u;
inline constexpr QRgb kGray = 0xFF808080u;
inline constexpr QRgb kNavy = 0xFF000080u;
inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kWhiteColor = 0xFFFFFFFFu;
inline constexpr QRgb kBlackColor = 0xFF000000u;
// No colour of its own: the control takes its parent's.
inline constexpr QRgb kParentColor = 0;

// The window's design client size.
inline constexpr int kDesignWidth = 792;
inline constexpr int kDesignHeight = 571;
// Font pixel size of every control that names none.
inline constexpr int kWindowFontPixels = 12;

using ClickHandler = void (TForm1::*)(QObject* sender);

struct ControlSpec {
  const char* name;
  ControlKind kind;
  const char* parent;  // "" for the window itself
  int left, top, width, height;
  const char* caption;  // UTF-8
  unsigned flags;
  QRgb textColor;
  QRgb backColor;
  int fontPixels;  // 0: the window font
  // Button and radio-button click (a radio button: when it becomes checked), colour-box and
  // palette-image click, combo-box change, or a click on the background of a panel or the
  // scroll box.
  ClickHandler click;
};

// Every control of the score window in creation order (a parent comes before its children).
std::span<const ControlSpec> ScoreWindowControls();

}  // namespace scoreink
