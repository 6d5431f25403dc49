#include "document/qt_data_folder.h"

#include <QStandardPaths>
#include <QString>
#include <QtGlobal>

#include "model/messages.h"

namespace qw {

std::filesystem::path UserDataFolder() {
  const QString override = qEnvironmentVariable("QUAYWRIGHT_DATA_DIR");
  if (!override.isEmpty()) return std::filesystem::path(override.toStdU16String());
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  // The editor's application name, so both programs share one folder.
  return std::filesystem::path(base.toStdU16String()) / kProductName;
}

std::filesystem::path BackupFolder() {
  return UserDataFolder() / "backups";
}

}  // namespace qw
