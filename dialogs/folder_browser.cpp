#include "dialogs/folder_browser.h"

#include <QDir>

#include "platform/files/work_files.h"
#include "platform/program_values.h"
#include "platform/ui/message_box.h"

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
    // A remembered folder that cannot be written is told once, until writing works again.
    static bool told = false;
    const QString file = CurrentWorkPlaces.PixDirFile();
    if (RememberPictureFolder(file, folder)) {
      told = false;
      return true;
    }
    if (!told) {
      told = true;
      AppMessageBox(
          QStringLiteral("作業フォルダに書き込めないので、選んだフォルダを覚えておけない\n") +
              QDir::toNativeSeparators(file),
          QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
    }
    return false;
  });
}

}  // namespace scoreink
