#pragma once
// The folder-listing step of both file dialogs (ListFolder): which folder the file list shows
// and which folder is to be remembered afterwards. Works on any list behind FolderListTarget,
// so that the rule is tested without widgets.
#include <QString>
#include <functional>

namespace scoreink {

// A file list that ListFolder fills.
class FolderListTarget {
 public:
  virtual ~FolderListTarget() = default;
  virtual void Clear() = 0;
  virtual void SetMask(const QString& mask) = 0;
  // Shows the files of folder that match the mask, read from disk afresh. False when the
  // folder cannot be listed; the list then keeps what it showed before.
  virtual bool PointAt(const QString& folder) = 0;
};

// The folder that is known to exist, which the list passes through before the chosen one and
// falls back on when the chosen one cannot be listed.
inline constexpr char kListRootFolder[] = "/";

// Empties the list and refills it for chosen; returns the folder to remember:
//  - chosen equal (as text, with case) to workFolder: the list stays empty, previous is
//    returned and nothing is remembered (the edit history's folder is never listed);
//  - chosen cannot be listed: the list shows kListRootFolder, previous is returned;
//  - chosen differs from previous: remember(chosen) is called; chosen is returned when it
//    succeeded, else previous;
//  - chosen equal to previous: previous, remembered again by nobody.
QString ListFolderInto(FolderListTarget& list, const QString& previous, const QString& chosen,
                       const QString& workFolder,
                       const std::function<bool(const QString& folder)>& remember);

}  // namespace scoreink
