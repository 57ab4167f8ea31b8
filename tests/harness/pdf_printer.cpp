#include "harness/pdf_printer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace scoreink::test {

namespace {

bool Busy() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

}  // namespace

class ScopedPdfPrinter::PdfJob final : public PrintJob {
 public:
  PdfJob(ScopedPdfPrinter& printer, const QString& pdf)
      : printer_(printer), pdf_(pdf), writer_(pdf) {
    writer_.setResolution(kTestPrinterDpi);
    const double margin = kTestPrinterMargin * 72.0 / kTestPrinterDpi;  // in points
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(margin, margin, margin, margin),
                                      QPageLayout::Point));
  }

  QPagedPaintDevice& Page() override { return writer_; }

  QString Refusal() override {
    if (printer_.mode_ == TestPrinterMode::Refuses) return printer_.refusal_;
    printer_.pages_.push_back({pdf_, QSize(writer_.width(), writer_.height()), Busy()});
    return {};
  }

 private:
  ScopedPdfPrinter& printer_;
  QString pdf_;
  QPdfWriter writer_;
};

ScopedPdfPrinter::ScopedPdfPrinter() {
  previous_ = SetPrintJobOpener([this] { return Open(); });
}

ScopedPdfPrinter::~ScopedPdfPrinter() {
  SetPrintJobOpener(std::move(previous_));
}

void ScopedPdfPrinter::SetMode(TestPrinterMode mode, const QString& refusal) {
  mode_ = mode;
  refusal_ = refusal;
}

std::unique_ptr<PrintJob> ScopedPdfPrinter::Open() {
  ++opened_;
  if (mode_ == TestPrinterMode::Missing) return nullptr;
  const QString name = QStringLiteral("page%1.pdf").arg(opened_);
  // A folder that does not exist: the writer cannot open its file, so the painter cannot begin.
  const QString pdf = mode_ == TestPrinterMode::CannotStart
                          ? dir_.filePath(QStringLiteral("missing/") + name)
                          : dir_.filePath(name);
  return std::make_unique<PdfJob>(*this, pdf);
}

}  // namespace scoreink::test
