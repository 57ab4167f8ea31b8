#pragma once
// The clean copy of a block lifted by the region tools while it floats: in the block file
// "CCTmp.bmp" of the work places. Where that file cannot be written (a work place that takes
// no files, a full disk) the block waits in memory instead, so that moving and copying go on
// working; the user is told so once, until the file can be written again and fails anew.
#include <QImage>
#include <QString>

namespace scoreink {

class LiftedBlock {
 public:
  // Keeps block until Take. Returns the note for the user when the block had to stay in memory
  // and that has not been told yet; empty otherwise.
  QString Keep(const QImage& block, const QString& blockFile);
  // The block kept, and its file removed; null when there is none or its file cannot be read.
  QImage Take(const QString& blockFile);
  // The block as it was kept, while it floats (for the recovery copy); null when there is none.
  const QImage& Peek() const { return kept_; }

 private:
  QImage kept_;
  bool inFile_ = false;  // the block file holds it, and Take reads it from there
  bool told_ = false;
};

// The block of the score window.
LiftedBlock& SharedLiftedBlock();

}  // namespace scoreink
