#include "dialogs/file_list_box.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "platform/native_path.h"

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
    lastChoice_ = secondClick_ ? FileChoice::SecondClick : FileChoice::Click;
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
  if (item && item->isSelected()) delete takeItem(row(item));
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

void FileListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  secondClick_ = false;
}

}  // namespace scoreink
