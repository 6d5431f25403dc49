// The words the program shows in more than one place, each written once: the program's title,
// the radio transfers' captions and messages, and the file operations' short messages. Radio
// owners know them as they stand, so they keep their own spelling.
#pragma once

namespace qw {

// The product's name: the folder the editor and the CLI share for backups and the error log,
// the settings' organisation, the About box and the PDFs' creator.
inline constexpr const char* kProductName = "Quaywright";

// The caption of most messages, and the window's title after the application's name.
inline constexpr const char* kProgramTitle = "PC Program for MV510/MV710 Series";
inline constexpr const char* kApplicationName = "QL24";

// Radio transfers: the captions, then the messages.
inline constexpr const char* kReadTitle = "Read from Radio";
inline constexpr const char* kProgramToRadioTitle = "Program to Radio";
inline constexpr const char* kModelCheckTitle = "Model Check";
inline constexpr const char* kCommunicationError = "Communication Error!!";
// A program run's failure; its capital O tells it from a failed read at a glance.
inline constexpr const char* kWriteCommunicationError = "CommunicatiOn Error!!";
inline constexpr const char* kModelTypeError = "ModelType Error !!";
inline constexpr const char* kComplete = "Complete!!";

// Files: a file that cannot be read or written, a destination image that cannot be loaded, and a
// file that is not what its name says.
inline constexpr const char* kFileReadError = "FileRead Error!!";
inline constexpr const char* kFileSaveError = "FileSave Error!!";
inline constexpr const char* kIniFileReadError = "IniFileRead Error!!";
inline constexpr const char* kBadFile = "bad file!!";

}  // namespace qw
