#pragma once
// The user-facing texts of picture reading and writing. Every failure names what went wrong
// in one short line under a headline that names the file.
#include <QFileDevice>
#include <QString>

namespace scoreink {

// "画像ファイルを読めない: <file name>" and the reason on the next line. An empty path
// (pictures decoded from memory) leaves the name out.
QString ReadFailureMessage(const QString& path, const QString& reason);
// "画像ファイルを保存できない: <file name>" and the reason on the next line.
QString WriteFailureMessage(const QString& path, const QString& reason);

// Reasons.
QString ReasonTooLarge(qint64 width, qint64 height);
QString ReasonBadSize(qint64 width, qint64 height);
QString ReasonEmptyFile();
QString ReasonTruncated();
QString ReasonNotBmp();
QString ReasonNotJpeg();
QString ReasonNotPng();
QString ReasonNotTiff();
QString ReasonNotPdf();
QString ReasonUnknownExtension();
QString ReasonBrokenBmp(const QString& detail);
QString ReasonBrokenJpeg(const QString& detail);
QString ReasonNothingToSave();
// A file of several pages (TIFF, PDF) that a score of one of its pages is not written over.
QString ReasonSeveralPages();
// A writer of pages asked for a page and got no picture and no reason either; page counts
// from 0.
QString ReasonPageNotReady(int page);
// A JPEG file whose scans would take the decoder far too long.
QString ReasonTooMuchWork();
// A BMP file whose header names no bit count that BMP files have.
QString ReasonBadBitCount(int bitCount);
// A path that names a pipe, a device or anything else that is no plain file.
QString ReasonNotRegularFile();
// The reading was stopped at the user's wish; callers drop it without a message.
QString ReasonCancelled();
QString ReasonWriteProtected();
// Why a file could not be opened, read or written, from the device's own error (errno for a
// file opened by the system's own call).
QString ReasonOpenForRead(const QFileDevice& file);
QString ReasonOpenForRead(int error);
QString ReasonOpenForWrite(const QFileDevice& file);
QString ReasonReadFailed(const QIODevice& device);
QString ReasonWriteFailed(const QIODevice& device);

}  // namespace scoreink
