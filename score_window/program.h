#pragma once
// The program: creates the score window, the only window made at start, runs the event loop
// and ends when the score window closes.
class QApplication;

namespace scoreink {

// The program's one optional argument is a file to open. Returns the event loop's exit code; 0
// when another copy of the program runs and took the file; 1 when the window refused to start
// (another copy of the program is using the work folder and did not answer; the user has been
// told).
int RunScoreInk(QApplication& app);

}  // namespace scoreink
