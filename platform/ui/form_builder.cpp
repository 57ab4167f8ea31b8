#include "platform/ui/form_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QWheelEvent>
#include <algorithm>

#include "platform/ui/click_filter.h"
#include "platform/ui/image_control.h"
#include "platform/ui/window_font.h"
#include "platform/ui/wrap_button.h"

namespace scoreink {

namespace {

// A wheel turned over a closed list must not change the choice behind the user's back (the
// pointer often passes over it on the way to the score): only the open list or the keyboard
// changes it.
class ClosedListIgnoresWheel : public QComboBox {
 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// Gives a control its own text and background colours where the row names them.
void ApplyColours(QWidget* widget, const ControlLook& row) {
  QPalette palette = widget->palette();
  if (row.textColor != kParentColor) {
    // Only the caption's role: a radio button draws its indicator's dot in the Text colour.
    const QColor text = QColor::fromRgb(row.textColor);
    switch (row.kind) {
      case ControlKind::EditBox:
      case ControlKind::ComboBox:
      case ControlKind::FolderTree:
      case ControlKind::FileList:
        palette.setColor(QPalette::Text, text);
        break;
      case ControlKind::Button:
        palette.setColor(QPalette::ButtonText, text);
        break;
      case ControlKind::CheckBox:
        // A box that cannot be checked says so: its caption greys out, as the desktop's do.
        palette.setColor(QPalette::Active, QPalette::WindowText, text);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
        break;
      default:
        palette.setColor(QPalette::WindowText, text);
        break;
    }
  }
  if (row.backColor != kParentColor) {
    const QColor back = QColor::fromRgb(row.backColor);
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Base, back);
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

Qt::Alignment LabelAlignment(unsigned flags) {
  if (flags & kAlignCenter) return Qt::AlignHCenter | Qt::AlignTop;
  return ((flags & kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
}

QWidget* MakeControl(const ControlLook& row, ControlMaker makeOther) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::Button: {
      QPushButton* button = (row.flags & kWordWrap) ? new WrapButton : new QPushButton;
      button->setText(caption);
      return button;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(caption);
      label->setAlignment(LabelAlignment(row.flags));
      label->setWordWrap(row.flags & kWordWrap);
      return label;
    }
    case ControlKind::EditBox: {
      auto* edit = new QLineEdit(caption);
      edit->setFrame(!(row.flags & kNoFrame));
      edit->setReadOnly(row.flags & kReadOnly);
      return edit;
    }
    case ControlKind::ComboBox: {
      auto* combo = new ClosedListIgnoresWheel;
      combo->setEditable(false);
      return combo;
    }
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(caption);
      radio->setChecked(row.flags & kChecked);
      return radio;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption);
      box->setChecked(row.flags & kChecked);
      return box;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(caption);
    case ControlKind::Panel: {
      auto* panel = new QFrame;
      panel->setFrameShape(QFrame::NoFrame);
      return panel;
    }
    case ControlKind::ScrollBox: {
      auto* box = new QScrollArea;
      box->setFrameShape(QFrame::NoFrame);
      box->setWidgetResizable(false);
      auto* content = new QWidget;
      content->setObjectName(QString::fromUtf8(row.name) + "Content");
      box->setWidget(content);
      return box;
    }
    case ControlKind::Image: {
      auto* image = new ImageControl;
      image->SetStretch(row.flags & kStretch);
      image->SetTransparent(row.flags & kTransparent);
      image->SetAutoSize(row.flags & kAutoSize);
      return image;
    }
    case ControlKind::FolderTree:
    case ControlKind::FileList:
      return makeOther ? makeOther(row) : nullptr;
  }
  return nullptr;
}

// Children of a scroll box live in its scrolled content.
QWidget* ContainerOf(QWidget* parent) {
  if (auto* box = qobject_cast<QScrollArea*>(parent)) return box->widget();
  return parent;
}

// The button group of a radio button: one per name prefix ("RBtnLM" -> "RBtnLMGroup"),
// owned by the group box.
QButtonGroup* GroupFor(QWidget* groupBox, const QString& radioName) {
  QString prefix = radioName;
  while (!prefix.isEmpty() && prefix.back().isDigit()) prefix.chop(1);
  const QString groupName = prefix + "Group";
  auto* group = groupBox->findChild<QButtonGroup*>(groupName, Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(groupBox);
    group->setObjectName(groupName);
    group->setExclusive(true);
  }
  return group;
}

QString CaptionOf(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return {};
}

}  // namespace

QWidget* BuildControl(QWidget* form, const ControlLook& row, QHash<QString, QWidget*>& byName,
                      std::span<const WidestText> widest, ControlMaker makeOther) {
  QWidget* parent = *row.parent ? byName.value(QString::fromUtf8(row.parent)) : form;
  Q_ASSERT_X(parent, "BuildControl", row.name);
  QWidget* control = MakeControl(row, makeOther);
  Q_ASSERT_X(control, "BuildControl: no maker for", row.name);
  control->setObjectName(QString::fromUtf8(row.name));
  control->setParent(ContainerOf(parent));
  control->setGeometry(row.left, row.top, row.width, row.height);
  if (row.fontPixels != 0) control->setFont(WindowFont(row.fontPixels));
  ApplyColours(control, row);
  QString widestText = CaptionOf(control);
  for (const WidestText& w : widest)
    if (qstrcmp(w.name, row.name) == 0) widestText = QString::fromUtf8(w.text);
  CondenseToFit(control, widestText);
  if (row.kind == ControlKind::ScrollBox) {
    auto* box = static_cast<QScrollArea*>(control);
    ApplyColours(box->viewport(), row);
    ApplyColours(box->widget(), row);
  }
  if (row.kind == ControlKind::RadioButton)
    GroupFor(parent, control->objectName())->addButton(static_cast<QRadioButton*>(control));
  if (row.flags & kImeOff) control->setAttribute(Qt::WA_InputMethodEnabled, false);
  if (row.flags & kDisabled) control->setEnabled(false);
  if (row.flags & kHidden) control->setHidden(true);
  byName.insert(control->objectName(), control);
  return control;
}

void SetUpFormWindow(QWidget* form, const char* name, QRgb backColor, int width, int height,
                     int fontPixels) {
  form->setObjectName(QString::fromLatin1(name));
  form->setWindowTitle(QString::fromLatin1(name));
  form->setFont(WindowFont(fontPixels));
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(backColor));
  form->setPalette(palette);
  form->setAutoFillBackground(true);
  form->resize(width, height);
}

void ApplyFormHelp(QWidget* form, const QString& title, std::span<const ControlHelp> rows) {
  form->setWindowTitle(title);
  form->setAccessibleName(title);
  for (const ControlHelp& row : rows) {
    QWidget* control = form->findChild<QWidget*>(QString::fromUtf8(row.name));
    Q_ASSERT_X(control, "ApplyFormHelp", row.name);
    if (control)
      SetControlHelp(control, QString::fromUtf8(row.tip),
                     QString::fromUtf8(row.spoken ? row.spoken : ""));
  }
}

void SetControlHelp(QWidget* control, const QString& tip, const QString& spoken) {
  control->setToolTip(tip);
  control->setAccessibleName(spoken.isEmpty() ? tip : spoken);
}

void ConnectControlClick(QWidget* control, ControlKind kind, std::function<void()> run) {
  switch (kind) {
    case ControlKind::Button:
      QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, control,
                       [run] { run(); });
      break;
    case ControlKind::RadioButton:
      // Checking a radio button, by the user or from code, runs its handler; unchecking
      // does not.
      QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled, control,
                       [run](bool checked) {
                         if (checked) run();
                       });
      break;
    case ControlKind::CheckBox:
      // A toggle by the user; setting the state from code is no click.
      QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, control,
                       [run] { run(); });
      break;
    case ControlKind::ComboBox:
      // A choice by the user; setting the index from code is no change.
      QObject::connect(static_cast<QComboBox*>(control), &QComboBox::activated, control,
                       [run] { run(); });
      break;
    case ControlKind::Image:
      QObject::connect(static_cast<ImageControl*>(control), &ImageControl::Clicked, control, run);
      break;
    case ControlKind::EditBox:
      new ClickFilter(control, ClickFilter::Area::Anywhere, std::move(run));
      break;
    case ControlKind::Panel:
      control->setAttribute(Qt::WA_NoMousePropagation);
      new ClickFilter(control, ClickFilter::Area::BackgroundOnly, std::move(run));
      break;
    case ControlKind::ScrollBox: {
      auto* box = static_cast<QScrollArea*>(control);
      box->setAttribute(Qt::WA_NoMousePropagation);
      new ClickFilter(box->viewport(), ClickFilter::Area::BackgroundOnly, run);
      new ClickFilter(box->widget(), ClickFilter::Area::BackgroundOnly, run);
      break;
    }
    case ControlKind::FolderTree:
    case ControlKind::FileList:
      if (auto* source = dynamic_cast<ClickSource*>(control)) source->OnClicked(std::move(run));
      break;
    case ControlKind::Label:
    case ControlKind::GroupBox:
      break;
  }
}

// The widest word of a caption that wraps: words of Latin letters do not break inside (CJK
// text breaks between any two characters, so it has none).
QString WidestLatinWord(const QWidget* control, const QString& text) {
  QString widest;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const bool latin =
        std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin && control->fontMetrics().horizontalAdvance(word) >
                     control->fontMetrics().horizontalAdvance(widest))
      widest = word;
  }
  return widest;
}

void CondenseToFit(QWidget* control, const QString& widestText) {
  int overhead = 0;  // what the control needs besides the text (a radio button's indicator)
  QString measured = widestText;
  if (auto* label = qobject_cast<QLabel*>(control)) {
    // A caption that wraps is condensed only as far as its widest word needs.
    if (label->wordWrap()) measured = WidestLatinWord(control, widestText);
  } else if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
    auto* button = static_cast<QAbstractButton*>(control);
    overhead = button->sizeHint().width() - button->fontMetrics().horizontalAdvance(button->text());
  } else {
    return;
  }
  const int available = control->width() - overhead;
  int needed = control->fontMetrics().horizontalAdvance(measured);
  if (needed <= available || needed <= 0 || available <= 0) return;
  QFont font = control->font();
  // The advance does not shrink exactly in proportion (glyphs are hinted to whole pixels).
  for (int stretch = available * 100 / needed; stretch >= 50 && needed > available; --stretch) {
    font.setStretch(stretch);
    needed = QFontMetrics(font).horizontalAdvance(measured);
  }
  control->setFont(font);
}

bool InFormWindow(const QWidget* form, const QObject* object) {
  for (const QObject* o = object; o; o = o->parent())
    if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow()) return o == form;
  return false;
}

}  // namespace scoreink
