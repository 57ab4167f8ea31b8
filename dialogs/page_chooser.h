#pragma once
// The page and resolution chooser of the score file dialog, in the free band between the
// folder tree and the buttons: "ページ" [n] "/N" for a file of several pages, "解像度"
// [150 dpi | 300 dpi | 600 dpi] for a PDF. Hidden for a file of one page that is no PDF.
#include <QObject>
#include <QTimer>

#include "platform/picture_files/picture_io.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace scoreink {

class PageChooser : public QObject {
  Q_OBJECT

 public:
  // Makes its controls, hidden, as children of dialog ("PageLabel", "PageBox",
  // "PageCountLabel", "DpiLabel", "DpiBox").
  explicit PageChooser(QWidget& dialog);

  // Shows what a file of that kind with that many pages calls for, with pick chosen.
  void ShowFor(PictureKind kind, int pages, PagePick pick);
  // Chooses pick again without telling anyone (a page that could not be shown, a resolution
  // the user changed in a question).
  void Choose(PagePick pick);
  // The page and resolution chosen.
  PagePick Pick() const;

 signals:
  // The user chose another page or resolution: once the mouse button is let go and the choice
  // has rested a moment (a reading that starts while an arrow is held takes the release, and the
  // arrow would repeat).
  void PickChanged();

 private:
  QLabel* pageLabel_;
  QSpinBox* pageBox_;
  QLabel* pageCount_;
  QLabel* dpiLabel_;
  QComboBox* dpiBox_;
  bool choosing_ = false;  // set while code chooses, so that no PickChanged goes out
  QTimer settle_;
};

}  // namespace scoreink
