#include "dialogs/page_chooser.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QSpinBox>
#include <iterator>

namespace scoreink {

namespace {

// The band between the folder tree (bottom 411) and the buttons (top 440).
constexpr int kTop = 414;
constexpr int kHeight = 21;
// How long a new choice rests before it is read: clicks on an arrow in a row read once.
constexpr int kSettleMs = 150;

QLabel* BandLabel(QWidget& dialog, const char* name, const QString& text, const QRect& at) {
  auto* label = new QLabel(text, &dialog);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(at);
  label->setStyleSheet(QStringLiteral("color: white; background: black;"));
  label->hide();
  return label;
}

}  // namespace

PageChooser::PageChooser(QWidget& dialog)
    : QObject(&dialog),
      pageLabel_(BandLabel(dialog, "PageLabel", QStringLiteral("ページ"), {4, kTop + 3, 40, 15})),
      pageBox_(new QSpinBox(&dialog)),
      pageCount_(BandLabel(dialog, "PageCountLabel", QString(), {106, kTop + 3, 60, 15})),
      dpiLabel_(BandLabel(dialog, "DpiLabel", QStringLiteral("解像度"), {289, kTop + 3, 44, 15})),
      dpiBox_(new QComboBox(&dialog)) {
  pageBox_->setObjectName(QStringLiteral("PageBox"));
  pageBox_->setGeometry(44, kTop, 58, kHeight);
  // A page typed in is read once it is complete (Enter or leaving the box), not digit by digit.
  pageBox_->setKeyboardTracking(false);
  pageBox_->setToolTip(QStringLiteral("開くページ"));
  pageBox_->hide();
  dpiBox_->setObjectName(QStringLiteral("DpiBox"));
  dpiBox_->setGeometry(335, kTop, 104, kHeight);
  for (const int dpi : kPdfResolutions) dpiBox_->addItem(QStringLiteral("%1 dpi").arg(dpi), dpi);
  dpiBox_->setToolTip(QStringLiteral("PDFのページを画像にするときの細かさ"));
  dpiBox_->hide();
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, [this] {
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
      settle_.start();
    else
      emit PickChanged();
  });
  connect(pageBox_, &QSpinBox::valueChanged, this, [this] {
    if (!choosing_) settle_.start();
  });
  connect(dpiBox_, &QComboBox::currentIndexChanged, this, [this] {
    if (!choosing_) settle_.start();
  });
}

void PageChooser::ShowFor(PictureKind kind, int pages, PagePick pick) {
  choosing_ = true;
  pageBox_->setRange(1, std::max(pages, 1));
  choosing_ = false;
  pageCount_->setText(QStringLiteral("/%1").arg(pages));
  const bool several = pages > 1;
  const bool pdf = kind == PictureKind::Pdf;
  for (QWidget* control : {static_cast<QWidget*>(pageLabel_), static_cast<QWidget*>(pageBox_),
                           static_cast<QWidget*>(pageCount_)})
    control->setVisible(several);
  dpiLabel_->setVisible(pdf);
  dpiBox_->setVisible(pdf);
  Choose(pick);
}

void PageChooser::Choose(PagePick pick) {
  settle_.stop();
  choosing_ = true;
  pageBox_->setValue(pick.page + 1);
  const int index = dpiBox_->findData(pick.dpi);
  if (index >= 0) dpiBox_->setCurrentIndex(index);
  choosing_ = false;
}

PagePick PageChooser::Pick() const {
  return PagePick{pageBox_->value() - 1, dpiBox_->currentData().toInt()};
}

}  // namespace scoreink
