#include "dialogs/folder_browser.h"

#include "platform/work_files.h"
#include "score_window/shared_values.h"

namespace scoreink {

QWidget* MakeFolderBrowserControl(const ControlLook& look) {
  switch (look.kind) {
    case ControlKind::FolderTree:
      return new FolderTree;
    case ControlKind::FileList:
      return new FileListBox;
    default:
      return nullptr;
  }
}

QString ListFolder(FileListBox& list, const QString& previous, const QString& chosen) {
  return ListFolderInto(list, previous, chosen, WorkFolder, [](const QString& folder) {
    return RememberPictureFolder(CurrentWorkPlaces.PixDirFile(), folder);
  });
}

}  // namespace scoreink
