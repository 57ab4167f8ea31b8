// A click on a picture of the image import dialog: the picture is read, shown small, split
// into black and white at the slider's threshold and put into the symbol editor's import area.
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "dialogs/core/black_white.h"
#include "dialogs/core/import_picture.h"
#include "dialogs/file_list_box.h"
#include "dialogs/tform4.h"
#include "platform/palette.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

// The box the preview is fitted into, and the threshold every new pick starts at.
constexpr int kPreviewWidth = 70;
constexpr int kPreviewHeight = 105;
constexpr int kStartThreshold = 60;

QString OutOfMemoryMessage(const QString& path) {
  return QStringLiteral("画像ファイルを読めない: ") + QFileInfo(path).fileName() +
         QStringLiteral("\nメモリが足りない");
}

}  // namespace

void TForm4::FileListBox1Click(QObject*) {
  ImportPicked(true);
}

void TForm4::ImportPicked(bool newPick) {
  const QString path = FileListBox1->SelectedFilePath();
  if (path.isEmpty()) return;
  BusyCursor busy;
  // A file that has gone since the list was read is ignored.
  if (!QFileInfo(path).isFile()) return;

  // Read before anything changes: a broken file leaves the preview, the slider and the import
  // area as they were. A new pick's preview is made from the rows as they are read.
  ImportPicture imported =
      ReadImportPicture(path, newPick ? QSize(kPreviewWidth, kPreviewHeight) : QSize());
  if (!imported.picture.ok()) {
    ShowErrorMessage(imported.picture.error);
    return;
  }
  const QImage& preview = imported.preview;
  // The split takes the picture over and works in place: no second full-size copy.
  const int threshold = newPick ? kStartThreshold : LabelInteger(TBL1);
  const QImage split = MakeBlackWhite(std::move(imported.picture.image), kWhite, kBlack, threshold);
  if (split.isNull() || (newPick && preview.isNull())) {
    ShowErrorMessage(OutOfMemoryMessage(path));
    return;
  }

  if (newPick) {
    // Each newly picked picture starts at threshold 60.
    SetLabelInteger(TBL1, kStartThreshold);
    PlaceKnob(kStartThreshold);
    Image1->resize(preview.size());
    Image1->SetStretch(true);
    Image1->SetPicture(preview);
    for (QWidget* control : {static_cast<QWidget*>(TBB0), static_cast<QWidget*>(TBL0),
                             static_cast<QWidget*>(TBL1), static_cast<QWidget*>(TBL2)})
      control->show();
  }
  editor_.Img1->SetPicture(split);
  editor_.ApplyZoom(1);
  Button1->setEnabled(true);
}

}  // namespace scoreink
