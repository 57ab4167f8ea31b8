#include "dialogs/core/import_picture.h"

#include <optional>

#include "dialogs/core/averaged_preview.h"
#include "dialogs/core/fit_size.h"
#include "dialogs/core/grey_split.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/picture_sink.h"

namespace scoreink {

namespace {

// Passes every band on to the picture and adds its rows to the preview on the way.
class PreviewingSink final : public PictureSink {
 public:
  PreviewingSink(PictureSink& picture, QSize box) : picture_(picture), box_(box) {}

  bool Begin(const PictureShape& shape) override {
    if (!picture_.Begin(shape)) return false;
    kind_ = shape.kind;
    if (!box_.isEmpty()) {
      averager_.emplace(shape.size, PreviewSize(shape.size));
      if (kind_ == RowKind::Indexed) averager_->SetTable(shape.table);
    }
    return true;
  }

  BandRows Room(int top, int count) override {
    room_ = picture_.Room(top, count);
    return room_;
  }

  void Filled(int top, int count) override {
    // Before the picture may turn the rows into its own form.
    for (int r = 0; averager_ && r < count; ++r) {
      const uchar* row = room_.first + r * room_.stride;
      if (kind_ == RowKind::Indexed)
        averager_->AddIndexRow(top + r, row);
      else
        averager_->AddRgbRow(top + r, row);
    }
    picture_.Filled(top, count);
  }

  void TakeWhole(QImage picture) override {
    if (!box_.isEmpty()) whole_ = AveragedPreview(picture, PreviewSize(picture.size()));
    picture_.TakeWhole(std::move(picture));
  }

  QImage Preview() const { return averager_ ? averager_->Result() : whole_; }

 private:
  QSize PreviewSize(QSize picture) const {
    return FitSize(picture.width(), picture.height(), box_.width(), box_.height());
  }

  PictureSink& picture_;
  QSize box_;
  RowKind kind_ = RowKind::Rgb888;
  BandRows room_;
  std::optional<PreviewAverager> averager_;
  QImage whole_;
};

}  // namespace

ImportPicture ReadImportPicture(const QString& path, QSize previewBox, int threshold,
                                ReadWatch* watch) {
  GreySplit greys;
  PreviewingSink sink(greys, previewBox);
  ImportPicture result;
  result.error = ReadPicture(path, sink, watch);
  if (!result.error.isEmpty()) return result;
  result.preview = sink.Preview();
  result.split = greys.TakeBlackWhite(threshold);
  return result;
}

}  // namespace scoreink
