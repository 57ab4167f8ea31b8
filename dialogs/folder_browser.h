#pragma once
// What the score file dialog and the image import dialog share: the folder tree
// ("ShellTreeView1"), the file list ("FileListBox1") and the folder-listing step ListFolder.
//
// A dialog puts both controls into its control table with the kinds FolderTree and FileList
// and builds the table with MakeFolderBrowserControl as the maker of those kinds; the click
// handler of the tree's row runs when the selected folder changes, the list's when a file is
// chosen (clicked, or reached with the keyboard):
//
//   {"ShellTreeView1", K::FolderTree, "", 4, 18, 285, 393, "", 0, kNo, kNo, 0,
//    &TForm4::ShellTreeView1Change},
//   {"FileListBox1", K::FileList, "", 289, 18, 150, 393, "", 0, kBlack, kWhite, 16,
//    &TForm4::FileListBox1Click},
//   ...
//   BuildFormControls<TForm4>(this, kRows, {}, MakeFolderBrowserControl);
//   WireFormClicks<TForm4>(this, kRows);
//
// Then, at creation, select the remembered folder and fill the list:
//   tree->SelectFolder(PictureFolder);           // the change handler runs at once
//   PictureFolder = ListFolder(*list, PictureFolder, PictureFolder);
// and when the user picks another folder:
//   shown = ListFolder(*list, PictureFolder, tree->SelectedFolder());
// The chosen file is list->SelectedFilePath() (empty when none).
#include <QString>

#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "platform/ui/form_builder.h"

namespace scoreink {

// The maker of the FolderTree and FileList kinds for BuildFormControls.
QWidget* MakeFolderBrowserControl(const ControlLook& look);

// Empties list and refills it for the folder chosen; returns the folder to remember (the
// rules are ListFolderInto's, dialogs/core/folder_listing.h): the work folder WorkFolder is
// never listed, a folder that cannot be listed leaves the list showing "/", and a folder other
// than previous is written into PixDir.txt (CurrentWorkPlaces.PixDirFile()) and returned only
// when that write succeeded. A write that fails is told once (until one succeeds again).
QString ListFolder(FileListBox& list, const QString& previous, const QString& chosen);

}  // namespace scoreink
