#pragma once
// A window's controls as data: one row per control with its object name, kind, parent,
// design geometry, caption, look and click handler. Every window of the program is built from
// such a table, so that each control is stated once, in the words of its design.
//
//   constexpr auto kRows = std::to_array<ControlRow<TForm2>>({
//     {"Button1", ControlKind::Button, "", 248, 440, 75, 25, "OK", kDisabled, kParentColor,
//      kParentColor, 0, &TForm2::Button1Click},
//   });
//   BuildFormControls(this, kRows);   // creates, names, places and colours them
//   WireFormClicks(this, kRows);      // connects the click handlers
#include <QHash>
#include <QRgb>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>

#include "platform/raster/palette.h"

class QObject;

namespace scoreink {

enum class ControlKind {
  Button,
  Label,
  EditBox,
  ComboBox,
  RadioButton,
  CheckBox,
  GroupBox,
  Panel,
  ScrollBox,
  Image,
  // Made by the window's own maker (BuildFormControls' makeOther): the file dialogs' folder
  // tree and file list (dialogs/folder_browser.h).
  FolderTree,
  FileList
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
  kAlignCenter = 1u << 11,
};

// The colours of the designs besides black and white (kBlack and kWhite of the palette).
inline constexpr QRgb kSilver = 0xFFC0C0C0u;
inline constexpr QRgb kGray = 0xFF808080u;
inline constexpr QRgb kNavy = 0xFF000080u;
inline constexpr QRgb kRed = 0xFFFF0000u;
// No colour of its own: the control takes its parent's.
inline constexpr QRgb kParentColor = 0;

// Everything about a control but its handler.
struct ControlLook {
  const char* name;
  ControlKind kind;
  const char* parent;  // "" for the window itself
  int left, top, width, height;
  const char* caption;  // UTF-8
  unsigned flags;
  QRgb textColor;
  QRgb backColor;
  int fontPixels;  // 0: the window font
};

// A row of a window's table. click: button and radio-button click (a radio button: when it
// becomes checked), a check box toggled by the user, colour-box and image click, combo-box change,
// a click on the background of a panel or a scroll box, or what a control of an outside kind
// reports as its click.
template <class Form>
struct ControlRow : ControlLook {
  void (Form::*click)(QObject* sender);
};

// A label whose text changes: the widest text it will ever show, so that it is condensed
// enough for every value.
struct WidestText {
  const char* name;
  const char* text;
};

// What a control tells the user beyond its caption: its tooltip, and the name a screen reader
// speaks for it (null: the tooltip's text).
struct ControlHelp {
  const char* name;
  const char* tip;     // UTF-8
  const char* spoken;  // UTF-8
};

// Makes a control of a kind that platform/ui does not know (FolderTree, FileList); null for a
// kind it does not know either.
using ControlMaker = QWidget* (*)(const ControlLook& look);

// A control of an outside kind reports what counts as its click through this (the folder
// tree: its selection changed; the file list: a file was chosen).
class ClickSource {
 public:
  virtual void OnClicked(std::function<void()> run) = 0;

 protected:
  ~ClickSource() = default;
};

// Creates one control from its row as a child of its parent (a scroll box's children go into
// its scrolled content), names, places, colours and fonts it. Radio buttons join one
// QButtonGroup per name prefix ("RBtnLM3" -> "RBtnLMGroup", owned by the group box).
// byName holds the controls made so far (the parent must be among them, or be the form).
// makeOther makes the controls of outside kinds.
QWidget* BuildControl(QWidget* form, const ControlLook& look, QHash<QString, QWidget*>& byName,
                      std::span<const WidestText> widest = {}, ControlMaker makeOther = nullptr);

// Gives a window its design look: object name and title (the form's name), the window face at
// fontPixels, its background colour and its design client size.
void SetUpFormWindow(QWidget* form, const char* name, QRgb backColor, int width, int height,
                     int fontPixels);

// Gives a window its title (shown in the task switcher and the panel: the window itself has
// no caption bar) and its controls their tooltips and accessible names.
void ApplyFormHelp(QWidget* form, const QString& title, std::span<const ControlHelp> rows);
// One control's tooltip and accessible name (spoken empty: the tooltip).
void SetControlHelp(QWidget* control, const QString& tip, const QString& spoken = {});

// Connects a click of the given kind of control to run.
void ConnectControlClick(QWidget* control, ControlKind kind, std::function<void()> run);

template <class Form>
QHash<QString, QWidget*> BuildFormControls(Form* form, std::span<const ControlRow<Form>> rows,
                                           std::span<const WidestText> widest = {},
                                           ControlMaker makeOther = nullptr) {
  QHash<QString, QWidget*> byName;
  for (const ControlRow<Form>& row : rows) BuildControl(form, row, byName, widest, makeOther);
  return byName;
}

template <class Form>
void WireFormClicks(Form* form, std::span<const ControlRow<Form>> rows) {
  for (const ControlRow<Form>& row : rows) {
    if (!row.click) continue;
    auto* control = form->template findChild<QWidget*>(QString::fromUtf8(row.name));
    Q_ASSERT(control);
    const auto handler = row.click;
    ConnectControlClick(control, row.kind, [form, control, handler] { (form->*handler)(control); });
  }
}

// Whether object lies in the window form itself, not in a window that form opened.
bool InFormWindow(const QWidget* form, const QObject* object);
// The window's own control (or button group) of that object name, or null; controls of the
// windows it opened (its children too) may have the same names and are passed over.
template <class T = QWidget>
T* FormControl(const QWidget* form, const QString& name) {
  for (T* control : form->template findChildren<T*>(name))
    if (InFormWindow(form, control)) return control;
  return nullptr;
}

// Points a window's member at its control of that object name (which must exist).
template <class T>
void BindControl(const QWidget* form, T*& field, const char* name) {
  field = form->template findChild<T*>(QString::fromLatin1(name));
  Q_ASSERT_X(field, "BindControl", name);
}

// The window face is wider than the face the windows were designed for (its digits and "%"
// most of all): a one-line caption that would be cut off is drawn condensed instead, so that
// the control keeps its place and size and still shows all of its text. A caption that wraps
// is condensed as far as its widest Latin word needs ("In/Out" of "Zoom In/Out"), which would
// otherwise break inside.
void CondenseToFit(QWidget* control, const QString& widestText);

}  // namespace scoreink
