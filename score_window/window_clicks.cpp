// The focus sink and the clicks that commit whatever floats on the score: on the window
// background, on the scroll box around the score, on the tool panel's background, and
// whenever "Edit0" receives the focus.
#include <QLineEdit>

#include "score_window/tform1.h"

namespace scoreink {

void TForm1::FocusSink() {
  // Committing here rather than relying on Edit0's focus-in: that does not come when Edit0
  // already has the focus, nor while the window is inactive.
  CommitPending();
  sinkingFocus_ = true;
  Edit0->setFocus(Qt::OtherFocusReason);
  sinkingFocus_ = false;
}

void TForm1::Edit0Enter(QObject*) {
  CommitPending();
}

// A click on the window's background stamps what floats.
void TForm1::FormClick(QObject*) {
  CommitPending();
}

// A click beside the score stamps what floats.
void TForm1::ScrollBox1Click(QObject*) {
  CommitPending();
}

// A click on the tool panel's background stamps what floats.
void TForm1::Panel1Click(QObject*) {
  CommitPending();
}

// A double click on the tool panel does nothing more than its two clicks.
void TForm1::Panel1DblClick(QObject*) {}

void TForm1::ComboBox1Change(QObject*) {
  FocusSink();
}

}  // namespace scoreink
