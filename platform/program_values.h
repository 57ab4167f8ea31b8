#pragma once
// Values that every window of the program reads or writes, kept for the whole run. The score
// window's start-up gives them their first values.
#include <QString>

#include "platform/files/work_files.h"
#include "platform/history/edit_history.h"

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
// Where the work folder, the lifted-block file, PixDir.txt and OpPIX live in this run.
extern WorkPlaces CurrentWorkPlaces;

// The edit history position: 2 or more means the score has unsaved changes.
inline int HistoryPos() {
  return SharedHistory().HistoryPos();
}

}  // namespace scoreink
