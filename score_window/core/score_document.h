#pragma once
// The score's document: the file the score came from and its pages. A BMP, JPEG or PNG (and
// the blank page) is a document of one page; of a TIFF or PDF one page is shown at a time, and
// the edits of each page not shown live in a file of their own in the page folder (the page's
// record: the tiles its edits reached, as read and as edited), never as a whole page in memory.
#include <QImage>
#include <QSet>
#include <QString>
#include <optional>

#include "platform/history/history_step.h"
#include "platform/picture_files/page_overlay.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {

class ReadWatch;

class ScoreDocument {
 public:
  // Where the records of pages not shown are kept (made when first needed; emptied by Open).
  void SetPageFolder(const QString& folder);
  const QString& PageFolder() const { return folder_; }

  // A document opened from path (empty: the blank page) with pages pages, its PDF pages shown
  // at dpi, page shown first. No page has edits.
  void Open(const QString& path, int pages, int dpi, int shown);
  const QString& Path() const { return path_; }
  int Pages() const { return pages_; }
  int Dpi() const { return dpi_; }
  int Shown() const { return shown_; }
  bool SeveralPages() const { return pages_ > 1; }
  void SetShown(int page) { shown_ = page; }

  // Keeps record as page's (a page not shown). False with the reason when its file cannot be
  // written; the page's earlier record then stays.
  bool KeepRecord(int page, const HistoryStep& record, QString& reason);
  // The record kept for page; empty when it has none.
  HistoryStep Record(int page) const;
  QString RecordFile(int page) const;
  // The pages not shown whose records differ from the pages as read.
  QList<int> EditedPages() const;
  bool OtherPagesEdited() const { return !edited_.isEmpty(); }
  // The records go: the document was saved, or its edits given up.
  void ForgetRecords();

  // Page as read from the file (at the document's resolution) with its kept record put in;
  // nothing, with the loader's message in error (ReasonCancelled() when watch stopped it),
  // when it cannot be read.
  std::optional<QImage> PagePicture(int page, ReadWatch* watch, QString& error) const;

 private:
  QString folder_;
  QString path_;
  int pages_ = 1;
  int dpi_ = kDefaultPdfDpi;
  int shown_ = 0;
  QSet<int> kept_;    // pages with a record file
  QSet<int> edited_;  // of those, the pages whose record differs from the page as read
};

// The record of a page as read (asRead) and as edited (edited, of the same shape): the tiles
// that differ; empty when none does or the shapes differ.
HistoryStep RecordBetween(const QImage& asRead, const QImage& edited);

// Whether a page's record holds any pixel that differs from the page as read.
bool RecordChangesPage(const HistoryStep& record);

// What a page's record lays over the page when the document is saved back: for each run of
// tile rows with changed tiles, the rectangle spanning them, its pixels as edited and a mask of
// the pixels that differ from the page as read.
PageOverlays OverlaysOf(const HistoryStep& record);

}  // namespace scoreink
