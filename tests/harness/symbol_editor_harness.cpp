#include "harness/symbol_editor_harness.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "harness/open_window.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {

SymbolEditorHarness::SymbolEditorHarness(WindowOptions options) : score_(std::move(options)) {
  score_.Click("Btn12");
  editor_ = OpenWindow<TForm3>();
  EXPECT_NE(editor_, nullptr) << "記号追加 opened no symbol editor";
  SetWindow(editor_);
}

TForm3& SymbolEditorHarness::Editor() {
  if (!editor_) {
    ADD_FAILURE() << "the symbol editor is gone";
    std::abort();
  }
  return *editor_;
}

void SymbolEditorHarness::FlushDeletes() {
  FinishDeferredDeletes();
}

void SymbolEditorHarness::Click(const QString& name, int times) {
  for (int i = 0; i < times; ++i) FormDriver::Click(name);
}

ImageControl* SymbolEditorHarness::DrawingView() {
  return Editor().Control<ImageControl>("Img0");
}

ImageControl* SymbolEditorHarness::ImportView() {
  return Editor().Control<ImageControl>("Img1");
}

QImage& SymbolEditorHarness::Drawing() {
  return Editor().Drawing();
}

void SymbolEditorHarness::PressOnDrawing(const QPoint& pos, Qt::MouseButton button) {
  Press("Img0", pos, button);
}

void SymbolEditorHarness::MoveOnDrawing(const QPoint& pos) {
  Move("Img0", pos);
}

void SymbolEditorHarness::ReleaseOnDrawing(const QPoint& pos, Qt::MouseButton button) {
  Release("Img0", pos, button);
}

void SymbolEditorHarness::DragOnDrawing(const QPoint& from, const QPoint& to, int steps) {
  Drag("Img0", from, to, steps);
}

void SymbolEditorHarness::ClickOnDrawing(const QPoint& pos, Qt::MouseButton button) {
  PressOnDrawing(pos, button);
  ReleaseOnDrawing(pos, button);
}

QPoint SymbolEditorHarness::DrawingPoint(const QPoint& p) {
  const ImageControl* image = Editor().Control<ImageControl>("Img0");
  const int fx = image->width() / Drawing().width();
  const int fy = image->height() / Drawing().height();
  return {p.x() * fx + fx / 2, p.y() * fy + fy / 2};
}

void SymbolEditorHarness::SetDrawing(const QImage& drawing) {
  Editor().Control<ImageControl>("Img0")->SetPicture(drawing);
  Editor().ApplyZoom(0);
  Editor().SetMoveBase();
}

void SymbolEditorHarness::BlockSnapshots() {
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());
  QFile blocker(WorkFolder);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
}

void SymbolEditorHarness::Import(const QImage& picture) {
  TForm3& editor = Editor();
  editor.Control<ImageControl>("Img1")->SetPicture(picture);
  editor.Control<ImageControl>("ImgBK")->SetPicture(picture);
  editor.ApplyZoom(1);
  for (const char* name : {"BtnZoomUpDn10", "BtnZoomUpDn11", "LBL1", "LBL2", "LBL3", "LBL4"})
    editor.Control(name)->show();
  editor.Control<QLabel>("LBL7")->hide();
}

void SymbolEditorHarness::DragOnImport(const QPoint& from, const QPoint& to, int steps) {
  Drag("Img1", from, to, steps);
}

void SymbolEditorHarness::Undo(const QString& expectedText) {
  StepHistory("Btn14", expectedText);
}

void SymbolEditorHarness::Redo(const QString& expectedText) {
  StepHistory("Btn15", expectedText);
}

void SymbolEditorHarness::StepHistory(const char* button, const QString& expectedText) {
  const size_t before = Dialogs().Boxes().size();
  if (!expectedText.isEmpty()) Dialogs().AnswerBox(kIdOk, QStringLiteral("どうでもいいけど"));
  FormDriver::Click(button);
  const auto& boxes = Dialogs().Boxes();
  if (expectedText.isEmpty()) {
    EXPECT_EQ(boxes.size(), before) << button << " said something";
  } else {
    ASSERT_EQ(boxes.size(), before + 1) << button << " said nothing";
    EXPECT_EQ(boxes.back().text, expectedText);
  }
}

bool AllWhite(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if ((PixelColor(picture, x, y) & 0xFFFFFFu) != 0xFFFFFFu) return false;
  return true;
}

QList<QPoint> BlackPixels(const QImage& picture) {
  QList<QPoint> black;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if ((PixelColor(picture, x, y) & 0xFFFFFFu) == 0) black.append({x, y});
  return black;
}

}  // namespace scoreink::test
