#pragma once
// Reading a picture file off the user-interface thread, for the file dialogs: the reading runs
// on a thread of its own while the windows go on repainting; once it has taken longer than
// about half a second the dialog's progress bar shows how far it has come. Meanwhile the
// windows take no input (a click or a key could start another pick or close the dialog under
// the reading), except Esc and a click on the dialog's Cancel, which stop the reading. A
// stopped reading changes nothing: the caller drops what it read.
#include <QRect>
#include <chrono>
#include <functional>

class QProgressBar;
class QWidget;

namespace scoreink {

class ReadWatch;

// Object name of the bar.
inline constexpr char kReadProgressName[] = "ReadProgress";

// A hidden progress bar in dialog at geometry, for ReadOffTheUiThread.
QProgressBar* AddReadProgressBar(QWidget* dialog, const QRect& geometry);

enum class ReadEnd { Finished, Cancelled };

// Runs read(watch) on a thread of its own and returns once it has ended: Cancelled when the
// user asked it to stop (whatever read did then), else Finished. read must not touch widgets.
ReadEnd ReadOffTheUiThread(QProgressBar* bar, QWidget* cancelButton,
                           const std::function<void(ReadWatch&)>& read);

// True while a reading runs; asks it to stop (for a Cancel that arrives by other means than a
// click, such as a call from code).
bool StopReadInProgress();

// How long a reading may take before the bar shows (benchmarks and tests shorten it).
void SetReadProgressDelay(std::chrono::milliseconds delay);

}  // namespace scoreink
