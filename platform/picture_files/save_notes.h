#pragma once
// A save that writes a new file beside its target (".<name>.<8 hex digits>") leaves that file
// behind, up to a whole scan in size, when the process is killed before the rename. So the save
// first notes the new file's name in the folder of the rewrite copies (RewriteKeepFolder), and
// removes the note once the file has replaced the target or is gone again; the next start
// removes exactly the files that notes left by killed saves name. A note is held with an flock
// while its save runs, so that a copy of the program starting meanwhile leaves it alone.
#include <QString>

namespace scoreink {

// The name of a save's new file beside the target file called targetName.
QString TemporarySiblingName(const QString& targetName, quint32 number);
// Whether name is such a name: of the file called targetName, or of any file when that is empty.
bool IsTemporarySiblingName(const QString& name, const QString& targetName = QString());

// The note of one save in progress; no note is kept while RewriteKeepFolder() is empty.
class SaveNote {
 public:
  SaveNote() = default;
  ~SaveNote() { End(); }
  SaveNote(const SaveNote&) = delete;
  SaveNote& operator=(const SaveNote&) = delete;

  // Notes, before it is made, the new file the save is about to make (a second call names the
  // file of a second try instead). False when no note could be written: the save goes on, and
  // what it may leave is cleared by the next save of the same file.
  bool Name(const QString& newFile);
  // The save has ended: its new file has replaced the target or has been removed.
  void End();

 private:
  int fd_ = -1;
  QString path_;
};

// Removes the new files of saves that were killed (their notes left, held by no process), and
// their notes; nothing else. Called once at start-up.
void RemoveLeftoversOfInterruptedSaves();

}  // namespace scoreink
