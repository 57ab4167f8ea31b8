#pragma once
// What the two file dialogs' benchmarks share: the only picture of a folder selected in the
// dialog's list, and one click on it timed, each iteration a fresh pick of the same file.
#include <benchmark/benchmark.h>

#include <QString>

#include "bench/bench_support.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"

namespace scoreink::bench {

// The dialog's list shows the folder, whose only picture is selected; its list, or null.
template <class Dialog>
FileListBox* SelectOnlyPicture(Dialog* dialog, const QString& folder) {
  if (!dialog) return nullptr;
  auto* files = dialog->template Control<FileListBox>("FileListBox1");
  if (!dialog->template Control<FolderTree>("ShellTreeView1")->SelectFolder(folder) ||
      files->count() != 1)
    return nullptr;
  files->setCurrentRow(0);
  return files;
}

// dialog: a file dialog with ShellTreeView1, FileListBox1 and FileListBox1Click (the score
// file dialog or the image import dialog). shown(): the pick brought the picture where it
// belongs. Reports the processor time of the picks as cpu_ms.
template <class Dialog, class Shown>
void TimePicks(benchmark::State& state, Dialog* dialog, const QString& folder,
               const BenchWindow& window, Shown shown) {
  FileListBox* files = SelectOnlyPicture(dialog, folder);
  if (!files) {
    state.SkipWithError("the dialog does not list the scan");
    return;
  }
  double cpu = 0;
  for (auto _ : state) {
    const double before = ThreadCpuSeconds();
    dialog->FileListBox1Click(files);
    cpu += ThreadCpuSeconds() - before;
    if (!shown() || window.boxes() > 0) state.SkipWithError("the pick did not bring the scan in");
  }
  ReportCpu(state, cpu);
}

}  // namespace scoreink::bench
