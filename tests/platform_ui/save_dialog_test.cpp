// The save-file dialog, its filter conversion and its test seam.
#include "platform/ui/save_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace scoreink {
namespace {

TEST(ToQtFileFilterTest, Table) {
  const std::pair<QString, QString> cases[] = {
      {"Graphic Files|*.bmp;*.jpg;*.jpeg", "Graphic Files (*.bmp *.jpg *.jpeg)"},
      {"Bitmaps|*.bmp|JPEG|*.jpg;*.jpeg", "Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)"},
      {"All|", "All (*)"},
      {"Odd| *.bmp ; ;*.jpg", "Odd (*.bmp *.jpg)"},
      {"*.bmp", "*.bmp"},
  };
  for (const auto& [filter, expected] : cases) EXPECT_EQ(ToQtFileFilter(filter), expected);
}

TEST(SaveDialogTest, TheHandlerIsAskedAndAnswers) {
  QString askedName, askedFilter;
  const SaveDialogHandler previous =
      SetSaveDialogHandler([&](const QString& name, const QString& filter) {
        askedName = name;
        askedFilter = filter;
        return std::optional<QString>("/tmp/score.bmp");
      });
  EXPECT_EQ(RunSaveDialog(nullptr, "/home/u/a.bmp", "Graphic Files|*.bmp"), "/tmp/score.bmp");
  EXPECT_EQ(askedName, "/home/u/a.bmp");
  EXPECT_EQ(askedFilter, "Graphic Files|*.bmp");
  SetSaveDialogHandler([](const QString&, const QString&) { return std::nullopt; });
  EXPECT_EQ(RunSaveDialog(nullptr, "", ""), std::nullopt);
  SetSaveDialogHandler(previous);
}

// Runs act on the file dialog once it is shown modally.
void WhenDialogShows(std::function<void(QFileDialog*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
    }
  });
  timer->start(10);
}

TEST(SaveDialogTest, TheRealDialogSavesWithoutItsOwnOverwritePromptAndStaysOnTop) {
  QTemporaryDir dir;
  const QString initial = dir.path() + "/score.bmp";
  QFile existing(initial);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));  // no prompt even for an existing file
  existing.close();

  bool checked = false;
  WhenDialogShows([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Graphic Files (*.bmp *.jpg *.jpeg)"});
    EXPECT_EQ(dialog->selectedFiles(), QStringList{initial});
    checked = true;
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  EXPECT_EQ(RunSaveDialog(nullptr, initial, "Graphic Files|*.bmp;*.jpg;*.jpeg"), initial);
  EXPECT_TRUE(checked);

  WhenDialogShows([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(RunSaveDialog(nullptr, initial, "Graphic Files|*.bmp"), std::nullopt);
}

TEST(SaveDialogTest, TheRealDialogOpensInTheRememberedFolderNotWhereTheProgramRuns) {
  QTemporaryDir remembered;
  QString shown;
  WhenDialogShows([&](QFileDialog* dialog) {
    shown = dialog->directory().absolutePath();
    dialog->reject();
  });
  EXPECT_EQ(RunSaveDialog(nullptr, "", "Graphic Files|*.bmp", remembered.path()), std::nullopt);
  EXPECT_EQ(shown, QDir(remembered.path()).absolutePath());
}

}  // namespace
}  // namespace scoreink
