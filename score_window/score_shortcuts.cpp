// The score window's keyboard shortcuts: each presses the button of its command.
#include <QKeySequence>

#include "platform/ui/window_shortcuts.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

constexpr ShortcutRow kScoreShortcuts[] = {
    {"Ctrl+Z", "Btn7", nullptr},        // 戻す
    {"Ctrl+Y", "Btn8", nullptr},        // 進む
    {"Ctrl+Shift+Z", "Btn8", nullptr},  // 進む
    {"Ctrl+S", "Btn4", "Btn3"},         // 上書保存 while it can, else 保存
    {"Ctrl+Shift+S", "Btn3", nullptr},  // 保存: always asks for a name
    {"Ctrl+O", "Btn2", nullptr},        // OpenFile
    {"Ctrl+N", "Btn1", nullptr},        // 新規作成
    {"Ctrl+P", "Btn11", nullptr},       // 印刷
    {"Ctrl++", "Btn10", nullptr},       // zoom in
    {"Ctrl+=", "Btn10", nullptr},       // zoom in, "+" without Shift
    {"Ctrl+-", "Btn9", nullptr},        // zoom out
};

}  // namespace

void AddScoreShortcuts(TForm1& window) {
  auto* keys = new WindowShortcuts(&window);
  keys->AddRows(kScoreShortcuts);
  keys->Add(QKeySequence(Qt::Key_Escape), [&window] { window.EscapeGesture(); });
  // The pages of a document of several pages.
  const auto toPage = [&window](int step) {
    const ScoreDocument& document = window.Document();
    return [&window, &document, step] {
      const int last = document.Pages() - 1;
      const int page = step == -2 ? 0 : step == 2 ? last : document.Shown() + step;
      window.GoToPage(page);
    };
  };
  keys->Add(QKeySequence(Qt::Key_PageUp), toPage(-1));
  keys->Add(QKeySequence(Qt::Key_PageDown), toPage(1));
  keys->Add(QKeySequence(QStringLiteral("Ctrl+Home")), toPage(-2));
  keys->Add(QKeySequence(QStringLiteral("Ctrl+End")), toPage(2));
}

}  // namespace scoreink
