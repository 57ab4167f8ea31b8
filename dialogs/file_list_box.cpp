#include "dialogs/file_list_box.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "platform/files/native_path.h"

namespace scoreink {

namespace {

// Every name takes a row of the design's item height, whatever the face's own line height.
constexpr int kItemHeight = 16;

class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
  }
};

}  // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  setFrameShape(QFrame::NoFrame);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // All rows are alike, so a folder of thousands of scans lays out at once.
  setUniformItemSizes(true);
  setItemDelegate(new FixedHeightDelegate(this));
  connect(this, &QListWidget::itemClicked, this, [this] {
    lastChoice_ = secondClick_ || SoonAfterRemoval() ? FileChoice::SecondClick : FileChoice::Click;
    emit FileChosen();
  });
}

void FileListBox::Clear() {
  clear();
}

void FileListBox::SetMask(const QString& mask) {
  mask_ = mask;
  fileMask_ = FileMask(mask);
}

bool FileListBox::PointAt(const QString& folder) {
  const std::optional<QStringList> names = ListMatchingFiles(folder, fileMask_);
  if (!names) return false;
  clear();
  // A name that is not UTF-8 is shown with replacement characters and kept with its bytes.
  for (const QString& name : *names) {
    auto* item = new QListWidgetItem(DisplayedPath(name), this);
    item->setData(Qt::UserRole, name);
  }
  directory_ = folder;
  return true;
}

QString FileListBox::SelectedFilePath() const {
  const QListWidgetItem* item = currentItem();
  if (!item || !item->isSelected() || directory_.isEmpty()) return QString();
  return QDir(directory_).filePath(item->data(Qt::UserRole).toString());
}

void FileListBox::RemoveSelected() {
  QListWidgetItem* item = currentItem();
  if (!item || !item->isSelected()) return;
  delete takeItem(row(item));
  removedTime_ = mouseTime_;
}

bool FileListBox::SoonAfterRemoval() const {
  // Measured on the window system's clock, as it tells a double click: the clicks of one
  // multi-click may wait in the queue while a removal takes its time.
  if (!removedTime_) return false;
  const qint64 since = qint64(pressTime_) - qint64(*removedTime_);
  return since >= 0 && since < QApplication::doubleClickInterval();
}

void FileListBox::SetColor(QRgb color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, QColor::fromRgb(color));
  colours.setColor(QPalette::Window, QColor::fromRgb(color));
  setPalette(colours);
}

void FileListBox::OnClicked(std::function<void()> run) {
  connect(this, &FileListBox::FileChosen, this, std::move(run));
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
  const QListWidgetItem* before = currentItem();
  QListWidget::keyPressEvent(event);
  if (currentItem() && currentItem() != before) {
    lastChoice_ = FileChoice::Keyboard;
    emit FileChosen();
  }
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  secondClick_ = true;
  QListWidget::mouseDoubleClickEvent(event);
}

bool FileListBox::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      pressTime_ = mouseTime_ = static_cast<QMouseEvent*>(event)->timestamp();
      break;
    case QEvent::MouseButtonRelease:
      mouseTime_ = static_cast<QMouseEvent*>(event)->timestamp();
      break;
    default:
      break;
  }
  return QListWidget::viewportEvent(event);
}

void FileListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  secondClick_ = false;
}

}  // namespace scoreink
