#pragma once
// The picture of a file as the file holds it: Format_RGB888, or Format_Indexed8 with the
// file's colour table. The rows are read straight into the picture.
#include <QImage>

#include "platform/picture_files/picture_sink.h"

namespace scoreink {

class WholePicture final : public PictureSink {
 public:
  bool Begin(const PictureShape& shape) override;
  BandRows Room(int top, int count) override;
  void Filled(int, int) override {}
  void TakeWhole(QImage picture) override { picture_ = std::move(picture); }

  // The picture read; an indexed picture whose pixels point past its table gets the table
  // extended with black, so that no later lookup by index can run off it.
  QImage Take();

 private:
  QImage picture_;
};

}  // namespace scoreink
