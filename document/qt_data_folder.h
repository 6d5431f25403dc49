// The per-user folder where the program keeps files of its own (the backups of radio
// transfers). The editor and the command-line tool share it.
#pragma once

#include <filesystem>

namespace qw {

// $QUAYWRIGHT_DATA_DIR when set, else "quaywright" in the platform's per-user data folder
// (~/.local/share/quaywright on Linux).
std::filesystem::path UserDataFolder();
// The backups of radio transfers: "backups" in the user data folder.
std::filesystem::path BackupFolder();

}  // namespace qw
