// A click on a picture of the image import dialog: the picture is read, shown small, split
// into black and white at the slider's threshold and put into the symbol editor's import area.
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "dialogs/core/import_picture.h"
#include "dialogs/core/packed_split.h"
#include "dialogs/file_list_box.h"
#include "dialogs/import_area.h"
#include "dialogs/tform4.h"
#include "platform/files/native_path.h"
#include "platform/picture_files/picture_messages.h"
#include "platform/picture_files/read_watch.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

namespace {

// The box the preview is fitted into, and the threshold every new pick starts at.
constexpr int kPreviewWidth = 70;
constexpr int kPreviewHeight = 105;
constexpr int kStartThreshold = 60;

QString OutOfMemoryMessage(const QString& path) {
  return QStringLiteral("画像ファイルを読めない: ") + DisplayedPath(QFileInfo(path).fileName()) +
         QStringLiteral("\nメモリが足りない");
}

}  // namespace

// A click on a picture: shown small and, split into black and white, in the import area.
void TForm4::FileListBox1Click(QObject*) {
  ImportPicked(true);
}

void TForm4::ImportPicked(bool newPick) {
  const QString path = FileListBox1->SelectedFilePath();
  if (path.isEmpty()) return;
  BusyCursor busy;
  // A file that has gone since the list was read is ignored (a name that is not UTF-8 is looked
  // up by its own bytes); anything but a plain file is refused by the reader.
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::Missing || kind == PathKind::Folder) return;

  // A split shown and not yet accepted makes room for the new one, kept at one bit a pixel
  // until the new one has come: a broken or stopped reading brings it back unchanged.
  std::optional<QImage> setAside;
  if (const QImage* shown = editor_.UnacceptedSplit()) {
    setAside = PackSplit(*shown);
    if (setAside) editor_.ClearImport();
  }
  const auto bringBack = [&] {
    if (setAside) editor_.PutImport(UnpackSplit(*setAside));
  };

  // Read before anything else changes: a broken file leaves the preview, the slider and the
  // import area as they were. The split is made from the rows as they are read, and so is a
  // new pick's preview.
  const int threshold = newPick ? kStartThreshold : LabelInteger(TBL1);
  ImportPicture imported;
  const ReadEnd end = ReadOffTheUiThread(readProgress_, Button2, [&](ReadWatch& watch) {
    imported = ReadImportPicture(path, newPick ? QSize(kPreviewWidth, kPreviewHeight) : QSize(),
                                 threshold, &watch);
  });
  if (end == ReadEnd::Cancelled || imported.error == ReasonCancelled()) {
    bringBack();
    return;
  }
  if (!imported.ok()) {
    bringBack();
    ShowErrorMessage(imported.error);
    return;
  }
  if (imported.split.isNull() || (newPick && imported.preview.isNull())) {
    imported = ImportPicture();
    bringBack();
    ShowErrorMessage(OutOfMemoryMessage(path));
    return;
  }

  if (newPick) {
    // Each newly picked picture starts at threshold 60.
    SetLabelInteger(TBL1, kStartThreshold);
    PlaceKnob(kStartThreshold);
    Image1->resize(imported.preview.size());
    Image1->SetStretch(true);
    Image1->SetPicture(imported.preview);
    for (QWidget* control : {static_cast<QWidget*>(TBB0), static_cast<QWidget*>(TBL0),
                             static_cast<QWidget*>(TBL1), static_cast<QWidget*>(TBL2)})
      control->show();
  }
  editor_.ShowImport(imported.split);
  Button1->setEnabled(true);
}

}  // namespace scoreink
