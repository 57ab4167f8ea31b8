#pragma once
// What the two file dialogs' benchmarks share: one click on the only picture of a folder in
// the dialog's list, timed, each iteration a fresh pick of the same file.
#include <benchmark/benchmark.h>

#include <QString>

#include "bench/bench_support.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"

namespace scoreink::bench {

// dialog: a file dialog with ShellTreeView1, FileListBox1 and FileListBox1Click (the score
// file dialog or the image import dialog). shown(): the pick brought the picture where it
// belongs. Reports the processor time of the picks as cpu_ms.
template <class Dialog, class Shown>
void TimePicks(benchmark::State& state, Dialog* dialog, const QString& folder,
               const BenchWindow& window, Shown shown) {
  if (!dialog || !dialog->ShellTreeView1->SelectFolder(folder) ||
      dialog->FileListBox1->count() != 1) {
    state.SkipWithError("the dialog does not list the scan");
    return;
  }
  dialog->FileListBox1->setCurrentRow(0);
  double cpu = 0;
  for (auto _ : state) {
    const double before = ThreadCpuSeconds();
    dialog->FileListBox1Click(dialog->FileListBox1);
    cpu += ThreadCpuSeconds() - before;
    if (!shown() || window.boxes() > 0) state.SkipWithError("the pick did not bring the scan in");
  }
  ReportCpu(state, cpu);
}

}  // namespace scoreink::bench
