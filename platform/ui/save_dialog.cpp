#include "platform/ui/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QStringList>

namespace scoreink {

namespace {

SaveDialogHandler& Handler() {
  static SaveDialogHandler handler;
  return handler;
}

// Leaves one folder out of the dialog's lists.
class HideFolder : public QSortFilterProxyModel {
 public:
  HideFolder(const QString& folder, QObject* parent)
      : QSortFilterProxyModel(parent), folder_(QDir::cleanPath(folder)) {}

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files) return true;
    return QDir::cleanPath(files->filePath(files->index(row, 0, parent))) != folder_;
  }

 private:
  QString folder_;
};

std::optional<QString> RunRealDialog(QWidget* parent, const QString& initialName,
                                     const QString& filter, const QString& startFolder,
                                     const QString& hiddenFolder) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The program asks its own overwrite question; Qt's own dialog keeps the stay-on-top hint,
  // which a desktop's native dialog would drop.
  dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  dialog.setNameFilter(ToQtFileFilter(filter));
  // Never the folder the program happened to be started in, and never its work folder.
  if (!hiddenFolder.isEmpty()) dialog.setProxyModel(new HideFolder(hiddenFolder, &dialog));
  if (!startFolder.isEmpty()) dialog.setDirectory(startFolder);
  if (!initialName.isEmpty()) dialog.selectFile(initialName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace

std::optional<QString> RunSaveDialog(QWidget* parent, const QString& initialName,
                                     const QString& filter, const QString& startFolder,
                                     const QString& hiddenFolder) {
  if (Handler()) return Handler()(initialName, filter);
  return RunRealDialog(parent, initialName, filter, startFolder, hiddenFolder);
}

QString ToQtFileFilter(const QString& filter) {
  // The program's form alternates descriptions and pattern lists: "Text|*.a;*.b|Text|*.c".
  const QStringList parts = filter.split('|');
  if (parts.size() == 1) return filter;  // a bare pattern list means the same to Qt
  QStringList qtFilters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QStringList patterns;
    if (i + 1 < parts.size()) {
      for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
        if (!pattern.trimmed().isEmpty()) patterns << pattern.trimmed();
      }
    }
    if (patterns.isEmpty()) patterns << "*";
    qtFilters << description + " (" + patterns.join(' ') + ")";
  }
  return qtFilters.join(";;");
}

SaveDialogHandler SetSaveDialogHandler(SaveDialogHandler handler) {
  SaveDialogHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace scoreink
