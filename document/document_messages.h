// The messages the file operations of Document show.
#pragma once

#include <string>

#include "formats/atomic_file.h"
#include "model/messages.h"
#include "model/outcome.h"

namespace qw {

inline Message FileMessage(const char* text, MessageIcon icon, const char* title = kProgramTitle) {
  return Message{text, title, icon};
}

inline Message FileReadErrorMessage() {
  return FileMessage(kFileReadError, MessageIcon::Exclamation);
}
inline Message FileSaveErrorMessage() {
  return FileMessage(kFileSaveError, MessageIcon::Exclamation);
}
// The message's own line first, then which file and what the operating system said about it
// ("No such file or directory", "Read-only file system", "No space left on device").
inline Message WithReason(Message message, const std::string& path, const FileError& why) {
  if (!why.Description.empty()) message.Text += "\n" + path + ": " + why.Description;
  return message;
}
inline Message FileReadErrorMessage(const std::string& path, const FileError& why) {
  return WithReason(FileReadErrorMessage(), path, why);
}
inline Message FileSaveErrorMessage(const std::string& path, const FileError& why) {
  return WithReason(FileSaveErrorMessage(), path, why);
}
inline Message IniFileReadErrorMessage() {
  return FileMessage(kIniFileReadError, MessageIcon::Exclamation);
}
inline Message BadFileMessage() {
  return FileMessage(kBadFile, MessageIcon::Stop);
}
inline Message ModelTypeErrorMessage() {
  return FileMessage(kModelTypeError, MessageIcon::Stop, kReadTitle);
}

}  // namespace qw
