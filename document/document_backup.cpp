// Document: putting back an image kept as a backup.
#include "document/document.h"

namespace qw {

Outcome Document::RestoreBackup(const std::string& path) {
  RadioData next;
  if (Outcome read = ReadImageOver(path, next); !read.ok()) return read;
  Replace(std::move(next), "Restore Backup");
  // The data set no longer comes from the file last opened or saved.
  SetFileName({});
  return Outcome::Ok();
}

}  // namespace qw
