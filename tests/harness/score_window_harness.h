#pragma once
// Starts the score window headless for one test: its own temporary executable folder, fake
// screen and printer facts, scripted message boxes and save dialog, a default printer that
// prints into PDF files. Drives it by the object names of its controls and reads the score
// back. Everything is undone when it goes.
//
//   ScoreWindowHarness ui;                    // started like the program starts it
//   ui.Click("Btn10");                        // zoom in
//   ui.DragOnScore({40, 100}, {60, 120});     // a left drag on Image1, control coordinates
//   ui.Dialogs().AnswerBox(kIdYes);           // for the question that comes next
//   EXPECT_EQ(ui.Score().size(), QSize(770, 1101));
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "harness/fake_device_facts.h"
#include "harness/form_driver.h"
#include "harness/pdf_printer.h"
#include "harness/scripted_dialogs.h"
#include "harness/temp_executable_folder.h"
#include "harness/widget_input.h"
#include "score_window/tform1.h"

namespace scoreink::test {

struct WindowOptions {
  DeviceFacts facts = DefaultDeviceFacts();
  // Runs before the window starts, with the executable folder (with "/"): lay down PixDir.txt,
  // OpPIX files, an old TmpWork ...
  std::function<void(TempExecutableFolder&)> prepare;
  // Queue answers for boxes that start-up itself will ask.
  std::function<void(ScriptedDialogs&)> answers;
  // Show the window after start-up, as the program does.
  bool show = true;
  // Start in this executable folder (with "/") instead of a new one, which is left in place.
  QString executableFolder;
  // The file the program is given to open (its argument).
  QString givenFile;
};

// The default options with a 600-dpi printer whose unprintable margins are 100 pixels.
WindowOptions WithPrinter600Offsets100();

// Drives the score window's controls by name: Find, Click, ClickAt, ChooseIndex, Press, Move,
// Release ... come from FormDriver.
class ScoreWindowHarness : public FormDriver {
 public:
  explicit ScoreWindowHarness(WindowOptions options = {});
  // Closes the window (its close handler runs), deletes it, restores the seams and removes
  // the folder.
  ~ScoreWindowHarness();
  ScoreWindowHarness(const ScoreWindowHarness&) = delete;
  ScoreWindowHarness& operator=(const ScoreWindowHarness&) = delete;

  TForm1& Window() { return *window_; }
  TForm1* operator->() { return window_.get(); }
  // What FormCreate answered (false: refused as a second copy).
  bool Started() const { return started_; }
  // Closes the window as any close request would; later calls do nothing.
  void Close();
  bool Closed() const { return closed_; }

  FormDriver& Driver() { return *this; }

  TempExecutableFolder& Folder() { return folder_; }
  ScriptedDialogs& Dialogs() { return dialogs_; }
  ScopedDeviceFacts& Devices() { return devices_; }
  // The default printer: prints into PDF files unless told otherwise.
  ScopedPdfPrinter& Printer() { return printer_; }

  // Mouse on the score view (Image1), in its control coordinates (zoomed).
  void PressOnScore(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  void MoveOnScore(const QPoint& pos);
  void ReleaseOnScore(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
  // Press at from, moves in steps straight toward to (to included), release at to.
  void DragOnScore(const QPoint& from, const QPoint& to, int steps = 4,
                   Qt::MouseButton button = Qt::LeftButton);

  // The score view ("Image1") and the floating overlay ("Image2").
  ImageControl* ScoreView() const;
  ImageControl* Overlay() const;
  // The score surface (Image1's picture) and the zoom percent shown.
  QImage& Score();
  int Zoom() const;

 private:
  TempExecutableFolder folder_;
  ScopedDeviceFacts devices_;
  ScriptedDialogs dialogs_;
  ScopedPdfPrinter printer_;
  std::unique_ptr<TForm1> window_;
  bool started_ = false;
  bool closed_ = false;
};

}  // namespace scoreink::test
