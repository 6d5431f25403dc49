// The words the program shows in more than one place, each written once: the program's title,
// the radio transfers' captions and messages, and the file operations' short messages. Radio
// owners know them as they stand, so they keep their own spelling.
#pragma once

#include <string>

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

// A typed value the radio cannot take; the longer form when the pane cannot be left as it is.
inline constexpr const char* kDataError = "Data Error!!";
inline constexpr const char* kDataErrorInputCorrect = "Data Error!!\r\nPlease input correct data.";

// The editor's questions and notices.
inline constexpr const char* kSaveChangesQuestion =
    "ZOK data has changed.\r\nDo you want to save changes?";
inline std::string ProgramSeriesQuestion(const std::string& series) {
  return "Do yo want to program the " + series + " series?";
}
inline std::string ChangeDestinationQuestion(const std::string& destination) {
  return "Do yo want to change to " + destination + "?";
}
inline std::string RestoreOtherSeriesQuestion(const std::string& backup,
                                              const std::string& editor) {
  return "This backup is of an " + backup + " radio; the editor is set to the " + editor +
         " series.\nSwitch to the " + backup + " series and restore it?";
}
inline constexpr const char* kNoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";
inline constexpr const char* kSimulatorCannotStart = "The simulated radio cannot start: ";

// Printing.
inline constexpr const char* kPrintTitle = "Print";
inline constexpr const char* kPrintError = "Print Error!!";
inline constexpr const char* kNoPrinterQuestion =
    "No printer is set up on this computer.\nExport the listing as a PDF file instead?";
inline constexpr const char* kNoPdf = "Printing to PDF needs the Qt build";

// Serial ports that will not open: "Cannot open /dev/ttyUSB0: there is no such port."
inline std::string CannotOpen(const std::string& port, const std::string& reason) {
  return "Cannot open " + port + ": " + reason;
}
inline constexpr const char* kNoSuchPort = "there is no such port.";
inline constexpr const char* kPortBusy = "the port is busy (another program is using it).";
inline constexpr const char* kNotASerialPort = "it is not a serial port.";

// The command-line tool's words: a value it does not know, and what it could not do.
inline std::string UnknownValue(const std::string& what, const std::string& value,
                                const std::string& choices) {
  return "Unknown " + what + ": " + value + " (use " + choices + ")";
}
inline constexpr const char* kPrintNeedsPdf =
    "print writes a PDF: the output name must end in .pdf";
inline constexpr const char* kCannotWriteTrace = "Cannot write the trace file ";
inline constexpr const char* kSeriesUnknown = ": cannot tell the series of this file";
inline constexpr const char* kCannotBeRead = "cannot be read";
inline constexpr const char* kWarning = "warning: ";

}  // namespace qw
