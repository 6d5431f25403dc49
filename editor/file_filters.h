// The filters of the editor's file dialogs, made from the rows of file kinds.
#pragma once

#include <QString>
#include <initializer_list>

#include "formats/file_kinds.h"

namespace qw {

inline const QString kAllFilesFilter = "All files(*.*)";

// The kinds in the order given, then every file.
inline QString KindsFilter(std::initializer_list<FileKind> kinds) {
  return QString::fromStdString(DialogFilter(kinds)) + ";;" + kAllFilesFilter;
}

// One kind in its own words ("hex files(*.hex)"), then every file.
inline QString KindFilter(FileKind kind) {
  return QString::fromUtf8(RowOf(kind).alone) + ";;" + kAllFilesFilter;
}

}  // namespace qw
