#pragma once
// A PDF opened through Poppler's Qt binding, quietly and on any thread. Poppler's complaints
// about a bad file never reach the terminal (the last one is kept for the message). Each
// reading opens a document of its own and uses it on its own thread; the only things Poppler
// shares between documents are its global settings, which it creates and frees under its own
// lock, and the complaint handler, set once before the first document.
#include <poppler-qt6.h>

#include <QIODevice>
#include <QString>
#include <memory>

namespace scoreink {

struct OpenedPdf {
  std::unique_ptr<Poppler::Document> document;  // set when reason is empty
  QString reason;
  bool endMissing = false;  // the file does not end with the end marker that every PDF has
};

// Opens the PDF on in, which must stay open while the document is used, ready to render as the
// program renders (white paper, smoothed edges, thin lines kept solid). Reasons: an empty file,
// no PDF, a cut or broken file, one locked by a password, one without pages.
OpenedPdf OpenPdf(QIODevice& in);

// Page (0 = the first) of the document; null with reason set when there is no such page or it
// cannot be read.
std::unique_ptr<Poppler::Page> OpenPdfPage(const Poppler::Document& document, int page,
                                           QString& reason);

// After the document was used: ReasonTruncated() when Poppler had to rebuild its table of
// objects for a file whose end is missing (pages of a cut file may have lost their content);
// otherwise empty.
QString ReasonIfCut(const OpenedPdf& pdf);

}  // namespace scoreink
