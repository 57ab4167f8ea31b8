#pragma once
// The last step of every PDF written here: qpdf's writer pouring the document into the
// program's output device, and whatever qpdf throws on the way turned into the user's reason.
#include <QIODevice>
#include <QString>
#include <functional>

class QPDF;

namespace scoreink {

// Writes pdf to out, every write checked; a refused write throws (caught by CatchPdfFailures).
// The output is at least PDF 1.3, the first that knows masked images.
void WritePdfTo(QPDF& pdf, QIODevice& out);

// Runs work, which returns an empty string or its own reason, and turns what it throws into a
// reason: a write that out refused (ReasonWriteFailed(out): a full disk says so), a source that
// qpdf finds broken, too little memory, anything else qpdf says.
QString CatchPdfFailures(QIODevice& out, const std::function<QString()>& work);

}  // namespace scoreink
