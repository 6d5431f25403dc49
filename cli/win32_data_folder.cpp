// The per-user data folder of Windows builds without Qt: where Qt's would put it
// (%LOCALAPPDATA%\Quaywright), so the editor and this CLI share the backups.
#include <cstdlib>

#include "document/qt_data_folder.h"
#include "model/messages.h"

namespace qw {

std::filesystem::path UserDataFolder() {
  if (const wchar_t* override = _wgetenv(L"QUAYWRIGHT_DATA_DIR"); override && *override) {
    return override;
  }
  if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local && *local) {
    return std::filesystem::path(local) / kProductName;
  }
  std::error_code ec;
  return std::filesystem::current_path(ec) / kProductName;
}

std::filesystem::path BackupFolder() {
  return UserDataFolder() / "backups";
}

}  // namespace qw
