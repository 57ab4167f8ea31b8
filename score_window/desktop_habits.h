#pragma once
// The ways into the score window's commands that every desktop program has, beside its own
// buttons: keyboard shortcuts, the wheel and the middle button over the score, picture files
// dropped from a file manager, and a window title that names the score. Each runs the same
// handler as the button it stands for, and nothing while that button is hidden or disabled.
#include <QString>

namespace scoreink {

class TForm1;

// Installs all of them; the window's handlers are wired already.
void AddDesktopHabits(TForm1& window);

// The keyboard shortcuts (score_shortcuts.cpp).
void AddScoreShortcuts(TForm1& window);

// Accepts .bmp, .jpg and .jpeg files dragged onto the window (score_file_drop.cpp).
void AcceptScoreFileDrops(TForm1& window);
// Opens a dropped file as a pick in the score file dialog followed by its OK would: the same
// checks, save question and template test. Nothing while the score file dialog or the symbol
// editor is open (they work on the score). True when the file became the score.
bool OpenDroppedScore(TForm1& window, const QString& path);

// Keeps the title naming the program and the score's file, marked while the score has unsaved
// edits (window_title.cpp).
void KeepScoreWindowTitle(TForm1& window);
// Brings the title up to date at once: after a change made while an input was being handled.
void RefreshScoreWindowTitle(TForm1& window);
// "*name.bmp - ScoreInk", "新しい楽譜 - ScoreInk" for a score never saved.
// Of a document of several pages, the page shown (0 = the first) of pages: "part.pdf (3/12)".
QString ScoreWindowTitle(const QString& scoreFile, bool unsavedEdits, int page = 0, int pages = 1);

}  // namespace scoreink
