#include "platform/picture_files/pdf_output.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include <new>
#include <stdexcept>

#include "platform/files/device_write.h"
#include "platform/picture_files/pdf_messages.h"
#include "platform/picture_files/pdf_write_messages.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// Thrown out of qpdf's writer when the device takes no more: the device itself knows why.
struct DeviceRefused {};

class DevicePipeline final : public Pipeline {
 public:
  explicit DevicePipeline(QIODevice& out) : Pipeline("ScoreInk output", nullptr), out_(out) {}
  using Pipeline::write;
  void write(unsigned char const* data, size_t length) override {
    if (!WriteFully(out_, reinterpret_cast<const char*>(data), qint64(length)))
      throw DeviceRefused();
  }
  void finish() override {}

 private:
  QIODevice& out_;
};

}  // namespace

void WritePdfTo(QPDF& pdf, QIODevice& out) {
  DevicePipeline pipeline(out);
  QPDFWriter writer(pdf);
  writer.setOutputPipeline(&pipeline);
  writer.setMinimumPDFVersion("1.3");
  writer.write();
}

QString CatchPdfFailures(QIODevice& out, const std::function<QString()>& work) {
  try {
    return work();
  } catch (const DeviceRefused&) {
    return ReasonWriteFailed(out);
  } catch (const QPDFExc& e) {
    return ReasonBrokenPdf(QString::fromStdString(e.getMessageDetail()));
  } catch (const std::bad_alloc&) {
    return QStringLiteral("書き込みに失敗した (メモリが足りない)");
  } catch (const std::exception& e) {
    return ReasonPdfWriterFailed(QString::fromUtf8(e.what()));
  }
}

}  // namespace scoreink
