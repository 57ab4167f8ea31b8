#include "score_window/core/save_name_rules.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/files/native_path.h"

namespace scoreink {

QString FolderOf(const QString& path) {
  return path.left(std::max<qsizetype>(path.lastIndexOf('/'), 0));
}

namespace {

// The file-name part of a path.
QString FileNameOf(const QString& path) {
  return path.mid(path.lastIndexOf('/') + 1);
}

// The extension from the last "." of the file name, dot included; "" when there is none.
QString ExtensionOf(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf('.');
  return dot < 0 ? QString() : fileName.mid(dot);
}

bool IsAllowedExtension(const QString& lowerExt) {
  return lowerExt == QLatin1String(".jpg") || lowerExt == QLatin1String(".jpeg") ||
         lowerExt == QLatin1String(".bmp") || lowerExt == QLatin1String(".png") ||
         lowerExt == QLatin1String(".pdf") || lowerExt == QLatin1String(".tif") ||
         lowerExt == QLatin1String(".tiff");
}

}  // namespace

bool IsPlainFileStem(const QString& stem) {
  for (const QChar c : stem) {
    const char16_t u = c.unicode();
    const bool plain = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                       u == '_' || u == '-';
    if (!plain) return false;
  }
  return true;
}

namespace {

// Whether path is one of ownPaths or lies inside one of them, compared after resolving "..",
// "." and symbolic links so that no spelling of the path slips through. A link is judged by
// where a write through it lands, also when that file does not exist yet (the block file is
// there only while a block floats) and through a chain of links.
bool IsOwnPath(const QString& path, const QStringList& ownPaths) {
  const auto canonical = [](const QString& p) {
    const QFileInfo info(FollowLinks(p));
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty()) return QDir::cleanPath(info.absoluteFilePath());
    return folder + QLatin1Char('/') + info.fileName();
  };
  const QString target = canonical(path);
  for (const QString& own : ownPaths) {
    if (own.isEmpty()) continue;
    const QString place = canonical(own);
    if (target == place || target.startsWith(place + QLatin1Char('/'))) return true;
  }
  return false;
}

}  // namespace

QString ChooseSaveName(const QString& initial, const QString& workFolder,
                       const SaveNameDialog& dialog, const SaveNameMessage& message,
                       const QStringList& ownPaths) {
  QString pick;
  bool refused = false;
  for (;;) {
    const std::optional<QString> chosen = dialog(initial);
    pick = chosen.value_or(QString());
    const bool insideWorkFolder = chosen && FolderOf(pick) == workFolder;
    if (insideWorkFolder) {
      refused = true;
      message(QStringLiteral("この場所はダメ"), QStringLiteral("いろいろ事情があって"),
              MsgButtons::Ok);
    } else if (pick.isEmpty()) {
      if (refused)
        message(QStringLiteral("一度でもダメな場所を選ぶと、ダメじゃない場所を選ぶまで終われない"),
                QStringLiteral("キャンセル不可、あしからず"), MsgButtons::Ok);
    } else {
      refused = false;
    }
    if (!insideWorkFolder && !refused) break;
  }
  if (pick.isEmpty()) return {};

  const QString fileName = FileNameOf(pick);
  const QString ext = ExtensionOf(fileName);
  if (!ext.isEmpty() && !IsAllowedExtension(ext.toLower())) {
    message(QStringLiteral("jpg, jpeg, bmp, png, pdf, tif, tiff 以外の拡張子は勘弁"),
            QStringLiteral("悪いけど"), MsgButtons::Ok);
    return {};
  }
  QString stem = fileName;
  if (!ext.isEmpty()) stem.remove(ext, Qt::CaseSensitive);
  stem.remove(QLatin1Char('.'));
  if (stem.isEmpty()) {
    message(QStringLiteral("そんな名前じゃダメ"), QStringLiteral("NG"), MsgButtons::Ok);
    return {};
  }
  if (!IsPlainFileStem(stem)) {
    message(QStringLiteral("半角英数と \"_\", \"-\" 以外の文字は勘弁"), QStringLiteral("悪いけど"),
            MsgButtons::Ok);
    return {};
  }

  const QString name = stem + (ext.isEmpty() ? QStringLiteral(".bmp") : ext.toLower());
  const QString full = FolderOf(pick) + QLatin1Char('/') + name;
  if (IsOwnPath(full, ownPaths)) {
    message(QStringLiteral("プログラムが自分で使うファイルなので、この名前はダメ"),
            QStringLiteral("いろいろ事情があって"), MsgButtons::Ok);
    return {};
  }
  if (QFileInfo::exists(full)) {
    const int answer =
        message(QStringLiteral("上書きしていい?"),
                QStringLiteral("同じ名前のファイルが同じ箱の中にある"), MsgButtons::YesNo);
    if (answer != kIdYes) return {};
  }
  return full;
}

}  // namespace scoreink
