#include "harness/import_dialog_harness.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPushButton>

#include "dialogs/file_list_box.h"
#include "harness/item_views.h"
#include "harness/open_window.h"
#include "platform/picture_files/picture_io.h"
#include "score_window/shared_values.h"

namespace scoreink::test {

ImportDialogHarness::ImportDialogHarness(WindowOptions options) : editor_(std::move(options)) {}

void ImportDialogHarness::PutPicture(const QString& name, const QImage& picture) {
  const QString path = PicturePath(name);
  const WriteResult written = PictureKindFromName(path) == PictureKind::Jpeg
                                  ? SaveJpeg(picture, path)
                                  : SaveBmp(picture, path);
  ASSERT_TRUE(written.ok()) << written.error.toStdString();
}

void ImportDialogHarness::PutBytes(const QString& name, const QByteArray& bytes) {
  QFile file(PicturePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

void ImportDialogHarness::Open() {
  PictureFolder = Pictures();
  editor_.Click("Btn11");
  dialog_ = OpenWindow<TForm4>();
  ASSERT_NE(dialog_, nullptr) << "OpenFile opened no image import dialog";
  SetWindow(dialog_);
}

TForm4& ImportDialogHarness::Dialog() {
  if (!dialog_) {
    ADD_FAILURE() << "the image import dialog is gone";
    std::abort();
  }
  return *dialog_;
}

void ImportDialogHarness::Pick(const QString& name) {
  ASSERT_TRUE(ClickListEntry(Dialog().Control<FileListBox>("FileListBox1"), name));
}

void ImportDialogHarness::DragKnob(std::initializer_list<int> lefts) {
  QPushButton* knob = Dialog().Control<QPushButton>("TBB0");
  const int middle = knob->width() / 2, y = knob->height() / 2;
  Press("TBB0", {middle, y});
  // The knob's centre follows the mouse: a mouse at the knob's own x + d moves its left by d.
  for (int left : lefts) Move("TBB0", {middle + left - knob->x(), y});
  Release("TBB0", {middle, y});
}

}  // namespace scoreink::test
