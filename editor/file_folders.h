// Where each kind of file chooser starts: the folder last used for that kind of file, kept in
// the settings store, else the user's documents folder. Never the program's own folder, which
// an installed copy cannot write to.
#pragma once

#include <QString>

namespace qw {

class SettingsStore;

enum class FolderKind { Data, Csv, Pdf, Text, Image };

class FileFolders {
 public:
  explicit FileFolders(SettingsStore& store) : store_(&store) {}

  QString StartIn(FolderKind kind) const;
  // Remembers the folder of a file chosen for that kind.
  void Remember(FolderKind kind, const QString& path);

 private:
  SettingsStore* store_;
};

}  // namespace qw
