#include "editing/lifted_block.h"

#include <QFile>

#include "platform/picture_files/picture_io.h"

namespace scoreink {

QString LiftedBlock::Keep(const QImage& block, const QString& blockFile) {
  kept_ = block;
  const WriteResult written = SaveBmp(block, blockFile);
  inFile_ = written.ok();
  if (inFile_) {
    told_ = false;
    return QString();
  }
  if (told_) return QString();
  told_ = true;
  return QStringLiteral("作業フォルダに書き込めないので、持ち上げた部分はメモリに置いておく\n") +
         written.error;
}

QImage LiftedBlock::Take(const QString& blockFile) {
  QImage block = std::exchange(kept_, QImage());
  if (inFile_) block = LoadBmp(blockFile).image;
  inFile_ = false;
  QFile::remove(blockFile);
  return block;
}

LiftedBlock& SharedLiftedBlock() {
  static LiftedBlock block;
  return block;
}

}  // namespace scoreink
