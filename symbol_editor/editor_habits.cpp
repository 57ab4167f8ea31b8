#include "symbol_editor/editor_habits.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>

#include "platform/ui/image_control.h"
#include "platform/ui/press_button.h"
#include "platform/ui/wheel_pan.h"
#include "platform/ui/window_shortcuts.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

constexpr ShortcutRow kEditorShortcuts[] = {
    {"Ctrl+Z", "Btn14", nullptr},          // 戻す
    {"Ctrl+Y", "Btn15", nullptr},          // 進む
    {"Ctrl+Shift+Z", "Btn15", nullptr},    // 進む
    {"Ctrl+O", "Btn11", nullptr},          // OpenFile
    {"Ctrl++", "BtnZoomUpDn01", nullptr},  // zoom in, drawing area
    {"Ctrl+=", "BtnZoomUpDn01", nullptr},  // the same, "+" without Shift
    {"Ctrl+-", "BtnZoomUpDn00", nullptr},  // zoom out, drawing area
};

// Which area the left button went down in: both areas share one drag, and Escape takes back
// what that area shows of it.
class DragArea : public QObject {
 public:
  explicit DragArea(TForm3& editor)
      : QObject(&editor),
        editor_(editor),
        drawing_(Area(editor, "Img0")),
        importArea_(Area(editor, "Img1")) {
    drawing_->installEventFilter(this);
    importArea_->installEventFilter(this);
  }

  static ImageControl* Area(const TForm3& editor, const char* name) {
    return editor.Control<ImageControl>(QString::fromLatin1(name));
  }

  void Escape() {
    if (pressedIn_ == importArea_)
      editor_.TakeBackSelection();
    else if (pressedIn_ == drawing_)
      editor_.TakeBackFigure();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      pressedIn_ = watched;
    return QObject::eventFilter(watched, event);
  }

 private:
  TForm3& editor_;
  ImageControl* drawing_;
  ImageControl* importArea_;
  QObject* pressedIn_ = nullptr;
};

QPushButton* Button(TForm3& editor, const char* name) {
  return editor.Control<QPushButton>(QString::fromLatin1(name));
}

}  // namespace

void AddEditorHabits(TForm3& editor) {
  auto* keys = new WindowShortcuts(&editor);
  keys->AddRows(kEditorShortcuts);
  auto* drag = new DragArea(editor);
  keys->Add(QKeySequence(Qt::Key_Escape), [drag] { drag->Escape(); });

  // The zoom buttons' steps. The drawing area is never larger than its place, so it is only
  // zoomed; the import area scrolls and pans too.
  new WheelPan(nullptr, DragArea::Area(editor, "Img0"), [&editor](bool zoomIn) {
    return PressButton(Button(editor, zoomIn ? "BtnZoomUpDn01" : "BtnZoomUpDn00"));
  });
  new WheelPan(editor.Control<QScrollArea>("ScrollBox1"), DragArea::Area(editor, "Img1"),
               [&editor](bool zoomIn) {
                 return PressButton(Button(editor, zoomIn ? "BtnZoomUpDn11" : "BtnZoomUpDn10"));
               });
}

}  // namespace scoreink
