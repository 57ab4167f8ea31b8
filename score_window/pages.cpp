// The pages of a document of several pages in the score window: the page buttons and label
// in the free band of the tool panel, Page Up / Page Down and Ctrl+Home / Ctrl+End, and the
// switch itself, which sets the page shown aside with its edits and undo chain and brings the
// other back with its own.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "dialogs/core/picked_picture.h"
#include "platform/history/edit_history.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// The band of the tool panel between "保存" / "上書保存" (bottom 70) and "戻す" / "進む" (top 97).
constexpr int kPageTop = 74;
constexpr int kPageHeight = 18;

QPushButton* PageButton(QWidget* panel, const char* name, const QString& text, int left,
                        const QString& help) {
  auto* button = new QPushButton(text, panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, kPageTop, 22, kPageHeight);
  button->setFocusPolicy(Qt::NoFocus);
  SetControlHelp(button, help);
  button->hide();
  return button;
}

}  // namespace

void TForm1::BuildPageControls() {
  BtnPagePrev = PageButton(Panel1, "BtnPagePrev", QStringLiteral("◀"), 3,
                           QStringLiteral("前のページ (Page Up)"));
  BtnPageNext = PageButton(Panel1, "BtnPageNext", QStringLiteral("▶"), 85,
                           QStringLiteral("次のページ (Page Down)"));
  LabelPage = new QLabel(Panel1);
  LabelPage->setObjectName(QStringLiteral("LabelPage"));
  LabelPage->setGeometry(25, kPageTop, 60, kPageHeight);
  LabelPage->setAlignment(Qt::AlignCenter);
  LabelPage->setStyleSheet(QStringLiteral("color: white;"));
  SetControlHelp(LabelPage, QStringLiteral("今のページ / ページ数"));
  LabelPage->hide();
  connect(BtnPagePrev, &QPushButton::clicked, this, [this] { BtnPageClick(BtnPagePrev); });
  connect(BtnPageNext, &QPushButton::clicked, this, [this] { BtnPageClick(BtnPageNext); });
}

void TForm1::ShowPageControls() {
  const bool several = document_.SeveralPages();
  for (QWidget* control : {static_cast<QWidget*>(BtnPagePrev), static_cast<QWidget*>(LabelPage),
                           static_cast<QWidget*>(BtnPageNext)})
    control->setVisible(several);
  LabelPage->setText(QStringLiteral("%1/%2").arg(document_.Shown() + 1).arg(document_.Pages()));
  BtnPagePrev->setEnabled(document_.Shown() > 0);
  BtnPageNext->setEnabled(document_.Shown() + 1 < document_.Pages());
}

// "◀" and "▶": the page before or after the one shown.
void TForm1::BtnPageClick(QObject* sender) {
  GoToPage(document_.Shown() + (sender == BtnPageNext ? 1 : -1));
}

bool TForm1::GoToPage(int page) {
  // A page switch is a panel action: what floats is stamped into the page it was put on.
  FocusSink();
  if (ScoreWorkedOnElsewhere() || page < 0 || page >= document_.Pages() ||
      page == document_.Shown())
    return false;
  const int from = document_.Shown();
  const HistoryStep leaving = SharedHistory().LeavePage(from, Surface());
  QString reason;
  if (!document_.KeepRecord(from, leaving, reason)) {
    // The edits stay where they are: the page is not left.
    SharedHistory().EnterPage(from, Surface(), leaving);
    ShowErrorMessage(QStringLiteral("このページの編集をしまっておけないので、ページを移れない\n") +
                     reason);
    return false;
  }
  std::optional<QImage> picture;
  QString error;
  {
    BusyCursor busy;
    ReadOffTheUiThread(nullptr, nullptr, [&](ReadWatch& watch) {
      picture = document_.PagePicture(page, &watch, error);
    });
  }
  if (!picture) {
    SharedHistory().EnterPage(from, Surface(), leaving);
    document_.KeepRecord(from, HistoryStep(), reason);  // the shown page keeps its own
    ShowErrorMessage(error);
    return false;
  }
  Image1->SetPicture(*picture);
  picture.reset();
  SharedHistory().EnterPage(page, Surface(), document_.Record(page));
  // The record of the page shown lives in the history now.
  document_.KeepRecord(page, HistoryStep(), reason);
  document_.SetShown(page);
  SharedHistory().PageRecordKept(from, document_.RecordFile(from));
  // The zoom stays; the view goes to the top of the new page.
  ApplyScoreZoom();
  ScrollBox1->verticalScrollBar()->setValue(0);
  RefreshStaves();
  ShowPageControls();
  UpdateRecoverySession();
  RefreshScoreWindowTitle(*this);
  return true;
}

}  // namespace scoreink
