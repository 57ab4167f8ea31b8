// The save-file dialog, its filter conversion and its test seam.
#include "platform/ui/save_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

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

TEST(SaveDialogTest, TheRealDialogOpensInTheRememberedFolderWithoutTheWorkFolder) {
  QTemporaryDir remembered;
  const QString work = remembered.filePath("TmpWork");
  const QString scores = remembered.filePath("scores");
  ASSERT_TRUE(QDir().mkpath(work));
  ASSERT_TRUE(QDir().mkpath(scores));
  QString shown;
  bool workListed = true, scoresListed = false;
  WhenDialogShows([&](QFileDialog* dialog) {
    shown = dialog->directory().absolutePath();
    const auto* listed = qobject_cast<QSortFilterProxyModel*>(dialog->proxyModel());
    const auto* files = listed ? qobject_cast<QFileSystemModel*>(listed->sourceModel()) : nullptr;
    if (files) {
      // The folder is read in the background.
      for (int i = 0; i < 300 && files->rowCount(files->index(remembered.path())) < 2; ++i)
        QTest::qWait(10);
      workListed = listed->mapFromSource(files->index(work)).isValid();
      scoresListed = listed->mapFromSource(files->index(scores)).isValid();
    }
    dialog->reject();
  });
  EXPECT_EQ(RunSaveDialog(nullptr, "", "Graphic Files|*.bmp", remembered.path(), work),
            std::nullopt);
  EXPECT_EQ(shown, QDir(remembered.path()).absolutePath());
  EXPECT_TRUE(scoresListed);
  EXPECT_FALSE(workListed);
}

}  // namespace
}  // namespace scoreink
