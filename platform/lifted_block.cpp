#include "platform/lifted_block.h"

#include <QFile>

#include "platform/picture_io.h"

namespace scoreink {

QString LiftedBlock::Keep(const QImage& block, const QString& blockFile) {
  inMemory_ = QImage();
  const WriteResult written = SaveBmp(block, blockFile);
  if (written.ok()) {
    told_ = false;
    return QString();
  }
  inMemory_ = block;
  if (told_) return QString();
  told_ = true;
  return QStringLiteral("作業フォルダに書き込めないので、持ち上げた部分はメモリに置いておく\n") +
         written.error;
}

QImage LiftedBlock::Take(const QString& blockFile) {
  QImage block = std::move(inMemory_);
  inMemory_ = QImage();
  if (block.isNull()) block = LoadBmp(blockFile).image;
  QFile::remove(blockFile);
  return block;
}

LiftedBlock& SharedLiftedBlock() {
  static LiftedBlock block;
  return block;
}

}  // namespace scoreink
