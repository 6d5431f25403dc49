#include "editor/file_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "document/settings_store.h"

namespace qw {
namespace {

constexpr const char* kSection = "Folders";

const char* KeyOf(FolderKind kind) {
  switch (kind) {
    case FolderKind::Data:
      return "Data";
    case FolderKind::Csv:
      return "Csv";
    case FolderKind::Pdf:
      return "Pdf";
    case FolderKind::Text:
      return "Text";
    case FolderKind::Image:
      return "Image";
  }
  return "Data";
}

}  // namespace

QString FileFolders::StartIn(FolderKind kind) const {
  if (const auto kept = store_->Get(kSection, KeyOf(kind))) {
    const QString folder = QString::fromStdString(*kept);
    // A folder since removed (an unplugged stick) would leave the dialog in an odd place.
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

void FileFolders::Remember(FolderKind kind, const QString& path) {
  if (path.isEmpty()) return;
  store_->Set(kSection, KeyOf(kind), QFileInfo(path).absolutePath().toStdString());
}

}  // namespace qw
