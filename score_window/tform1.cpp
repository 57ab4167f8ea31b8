#include "score_window/tform1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include "platform/files/work_folder_lock.h"
#include "platform/history/edit_history.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/image_control.h"
#include "score_window/controls_layout.h"
#include "score_window/shared_values.h"

namespace scoreink {

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  // A second window made while one exists (a second copy refused at start-up) must not take
  // the program-wide pointer from the first.
  if (!Form1) Form1 = this;
  SetUpFormWindow(this, "Form1", kSilver, kDesignWidth, kDesignHeight, kWindowFontPixels);

  BuildControls();
  BindControls();
  BuildPageControls();
  ScoreCanvas.SetTarget(&Image1->Picture());
  WireHandlers();
}

TForm1::~TForm1() {
  // A window that started and is deleted without a close still gives up its work folder.
  if (started_ && !closed_) FormClose(this);
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::BindControls() {
  BindControl(this, Img00, "Img00");
  BindControl(this, ImgScoreDef, "ImgScoreDef");
  BindControl(this, ScrollBox1, "ScrollBox1");
  BindControl(this, Image1, "Image1");
  BindControl(this, Image2, "Image2");
  BindControl(this, Edit0, "Edit0");
  BindControl(this, Panel1, "Panel1");
  BindControl(this, Panel2, "Panel2");
  BindControl(this, Btn0, "Btn0");
  BindControl(this, Btn1, "Btn1");
  BindControl(this, Btn2, "Btn2");
  BindControl(this, Btn3, "Btn3");
  BindControl(this, Btn4, "Btn4");
  BindControl(this, Btn5, "Btn5");
  BindControl(this, Btn6, "Btn6");
  BindControl(this, Btn7, "Btn7");
  BindControl(this, Btn8, "Btn8");
  BindControl(this, Btn9, "Btn9");
  BindControl(this, Btn10, "Btn10");
  BindControl(this, Btn11, "Btn11");
  BindControl(this, Label1, "Label1");
  BindControl(this, Label2, "Label2");
  BindControl(this, Label3, "Label3");
  BindControl(this, Label4, "Label4");
  BindControl(this, Label5, "Label5");
  BindControl(this, Label6, "Label6");
  BindControl(this, Label7, "Label7");
  BindControl(this, Label8, "Label8");
  BindControl(this, Label9, "Label9");
  BindControl(this, ComboBox1, "ComboBox1");
  BindControl(this, Edit1, "Edit1");
  BindControl(this, Edit2, "Edit2");
  BindControl(this, GroupBox1, "GroupBox1");
  BindControl(this, GroupBox2, "GroupBox2");
  BindControl(this, RBtnLM0, "RBtnLM0");
  BindControl(this, RBtnLM1, "RBtnLM1");
  BindControl(this, RBtnLM2, "RBtnLM2");
  BindControl(this, RBtnLM3, "RBtnLM3");
  BindControl(this, RBtnLM4, "RBtnLM4");
  BindControl(this, RBtnLM5, "RBtnLM5");
  BindControl(this, RBtnSB0, "RBtnSB0");
  BindControl(this, RBtnSB1, "RBtnSB1");
  BindControl(this, RBtnSB2, "RBtnSB2");
  BindControl(this, RBtnLMGroup, "RBtnLMGroup");
  BindControl(this, RBtnSBGroup, "RBtnSBGroup");
  BindControl(this, ImgXX, "ImgXX");
  BindControl(this, BtnXX, "BtnXX");
  BindControl(this, Btn12, "Btn12");
  BindControl(this, CheckBox1, "CheckBox1");
  BindControl(this, Label10, "Label10");
}

QImage& TForm1::Surface() {
  return Image1->Picture();
}

void TForm1::LayOut() {
  // The panel and the focus sink follow the right edge of the work area; the score view and
  // the palette strip take the rest. With no border the client size is the window size.
  const int panelLeft = WorkAreaWidth - 115;
  Panel1->move(panelLeft, Panel1->y());
  Edit0->move(panelLeft, Edit0->y());
  ScrollBox1->resize(width() - 120, height() - 90);
  Panel2->resize(Panel1->x() - 6, Panel2->height());
}

void TForm1::FitScrollContent() {
  QRect extent = Image1->geometry();
  if (Image2->isVisibleTo(ScrollBox1->widget())) extent |= Image2->geometry();
  ScrollBox1->widget()->resize(qMax(0, extent.right() + 1), qMax(0, extent.bottom() + 1));
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!ConfirmClose()) {
    event->ignore();
    return;
  }
  FormClose(this);
  event->accept();
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  // Only presses on the bare window reach here: panels and the scroll box keep their own.
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) formPressed_ = childAt(pos) == nullptr;
  QWidget::mousePressEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    const bool click = formPressed_ && rect().contains(pos) && childAt(pos) == nullptr;
    formPressed_ = false;
    if (click) FormClick(this);
  }
  QWidget::mouseReleaseEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit0 && event->type() == QEvent::FocusIn && !sinkingFocus_) {
    Edit0Enter(Edit0);
  } else if (watched == Image1 || watched == Image2) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
        FitScrollContent();
        // What floats, and where, is part of what the recovery copy keeps.
        if (watched == Image2) SharedHistory().ShownScoreChanged();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace scoreink
