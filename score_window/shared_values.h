#pragma once
// Values that every window of the program reads or writes, kept for the whole run. The score
// window's start-up gives them their first values.
#include <QString>

#include "platform/edit_history.h"
#include "platform/work_files.h"

namespace scoreink {

// Folder of the running executable, with a trailing "/".
extern QString ExeFolder;
// The snapshot folder (no trailing "/"): "TmpWork" beside the executable, or in the per-user
// data folder when the executable's folder cannot be written.
extern QString WorkFolder;
// Folder in which the file dialogs open (no trailing "/").
extern QString PictureFolder;
// Full path of the file the score was opened from or last saved to; empty for a new score.
extern QString CurrentScoreFile;
// Size of the desktop work area in pixels.
extern int WorkAreaWidth;
extern int WorkAreaHeight;
// Pen width in pixels (1 to 10), the number shown in "Label1".
extern int PenWidth;
// Smallest surface x a pen gesture may reach; a press left of it sets the key signature.
extern int LeftLimit;
// The score was made from the blank template (key signature, eraser repaint and the region
// delete and move tools depend on it).
extern bool TemplateScore;
// Where the work folder, the lifted-block file, PixDir.txt and OpPIX live in this run.
extern WorkPlaces CurrentWorkPlaces;

// The edit history position: 2 or more means the score has unsaved changes.
inline int HistoryPos() {
  return SharedHistory().HistoryPos();
}

}  // namespace scoreink
