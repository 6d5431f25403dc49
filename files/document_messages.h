// The messages the file operations of Document show.
#pragma once

#include "model/outcome.h"

namespace qw {

inline Message FileMessage(const char* text, MessageIcon icon, const char* title = kProgramTitle) {
  return Message{text, title, icon};
}

inline Message FileReadErrorMessage() {
  return FileMessage("FileRead Error!!", MessageIcon::Exclamation);
}
inline Message FileSaveErrorMessage() {
  return FileMessage("FileSave Error!!", MessageIcon::Exclamation);
}
inline Message BadFileMessage() {
  return FileMessage("bad file!!", MessageIcon::Stop);
}
inline Message ModelTypeErrorMessage() {
  return FileMessage("ModelType Error !!", MessageIcon::Stop, "Read from Radio");
}

}  // namespace qw
