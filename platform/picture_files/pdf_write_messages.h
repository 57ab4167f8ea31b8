#pragma once
// The reasons that only writing a PDF gives, in the tone of picture_messages.h (the reasons of
// a PDF that cannot be read are in pdf_messages.h). Pages are told as the user counts them.
#include <QString>

namespace scoreink {

// The source is encrypted: changing it would mean taking its lock off or copying it unlocked.
QString ReasonPdfLockedForWriting();
// What the user changed on page does not fit together (its pixels, mask and rectangle differ
// in size, or nothing was given): nothing is written rather than a page with half the changes.
QString ReasonBrokenPageChanges(int page);
QString ReasonBadPdfResolution(int dpi);
// qpdf's own words, when it failed for a reason that is neither the file nor the disk.
QString ReasonPdfWriterFailed(const QString& detail);

}  // namespace scoreink
