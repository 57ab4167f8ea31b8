#pragma once
// The file mask of the file dialogs' file lists: patterns such as "*.bmp" separated by ";",
// matched against file names without regard to case (a scan named "A.JPG" is listed as
// "a.jpg" would be), and the listing of the files of a folder that match it.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace scoreink {

// The mask of both file dialogs: every kind of file the picture readers open.
inline constexpr char kImageFileMask[] = "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.pdf";

class FileMask {
 public:
  // The patterns of mask: split at ";", blanks around each pattern dropped, empty ones left out.
  explicit FileMask(const QString& mask = QString());

  const QStringList& Patterns() const { return patterns_; }
  // True when name (a file name without its folder) matches one of the patterns as a whole:
  // "*" stands for any run of characters, "?" for one character; case does not count.
  bool Matches(const QString& name) const;

 private:
  QStringList patterns_;
  std::vector<QRegularExpression> expressions_;
};

// Orders file names as the list shows them: by name without regard to case, names that differ
// only in case in code-point order.
void SortFileNames(QStringList& names);

// The names of the plain files (hidden ones left out) of folder that match mask, sorted. A name
// that is not valid UTF-8 keeps its bytes (native_path.h). nullopt when the folder cannot be
// listed: it does not exist, is no folder, or may not be read.
std::optional<QStringList> ListMatchingFiles(const QString& folder, const FileMask& mask);

}  // namespace scoreink
