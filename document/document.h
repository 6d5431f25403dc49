// The one place that owns the RadioData and runs every whole-document operation. The editor and
// the CLI both call these; neither re-implements an operation.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "document/data_edit.h"
#include "document/radio_transfer.h"
#include "formats/csv_channels.h"
#include "formats/file_kinds.h"
#include "model/outcome.h"
#include "model/radio_data.h"
#include "report/print_layout.h"

namespace qw {

class SerialPort;
struct TransferControl;

class Document {
 public:
  // programFolder holds the destination images, the help and, in debug mode, err.log.
  explicit Document(std::filesystem::path programFolder = {}, bool debug = false);

  // The data set; every change to it goes through Edit (or an operation built on it).
  const RadioData& Data() const { return data_; }
  int16_t Series() const { return data_.ModelSeries; }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  bool Debug() const { return debug_; }

  // True once an edit (Edit, Replace: the panes, an import, a restore) has changed the data set.
  // Saving leaves it set. New, opening a file, loading an image and a destination leave it as it
  // was; a whole read clears it, and so does MarkUnmodified.
  bool IsModified() const { return modified_; }
  // The editor starts afresh after New, a destination switch and loading a memory image: what
  // the data set holds then counts as unchanged.
  void MarkUnmodified() { modified_ = false; }

  // The one edit path. apply changes the data set; the Document tells its observers before
  // and after, marks the data set modified and returns. Panes, undo and imports all come
  // through here.
  void Edit(const EditWhat& what, const std::function<void(RadioData&)>& apply);
  // Takes a whole new data set (a read, an import, an undo of a whole-document step) as one
  // edit of the WholeDataSet unit.
  void Replace(RadioData next, const std::string& operation);

  // The editor moves values onto the radio's raster where they enter (open, import, read, load,
  // restore), as part of the same edit; the command line keeps what files hold.
  void SetSnapOnEntry(bool on) { snapOnEntry_ = on; }
  // What the entries since the last call moved, one line each; emptied by the call.
  std::vector<std::string> TakeEntryWarnings() { return std::exchange(entryWarnings_, {}); }

  // Told of every edit, before (data still as it was) and after it is applied.
  struct Observer {
    virtual ~Observer() = default;
    virtual void BeforeEdit(const EditWhat&, const RadioData&) {}
    virtual void AfterEdit(const EditWhat&, const RadioData&) {}
  };
  void AddObserver(Observer* observer);
  void RemoveObserver(Observer* observer);

  // Path of the file the data set belongs to: the data file, JSON file or raw image last opened,
  // or the data file or JSON file last saved; empty when none.
  const std::string& FileName() const { return fileName_; }
  // The editor's Save of a memory image makes it the document's file, as saving a data file does.
  void SetFileName(std::string path) { fileName_ = std::move(path); }
  // Puts back the file name and the modified mark as an undone or redone step had them.
  void RestoreMarks(std::string fileName, bool modified) {
    SetFileName(std::move(fileName));
    modified_ = modified;
  }

  // A new default data set for the series; belongs to no file.
  void NewDataSet(int16_t series);

  // Any file the program reads, chosen by its extension (the kinds that open).
  Outcome Open(const std::string& path);
  // The same for a kind the caller chose.
  Outcome OpenAs(const std::string& path, FileKind kind);
  // True when SaveAs knows the extension.
  static bool CanSaveAs(const std::string& path);

  // JSON (.json): every field present replaces the current value; a file for another series or
  // with a bad field changes nothing.
  Outcome OpenJson(const std::string& path);
  Outcome SaveJson(const std::string& path);

  // Data file (.dat): model check, then overlay onto the current data set.
  Outcome OpenDataFile(const std::string& path);
  Outcome SaveDataFile(const std::string& path);

  // Raw image file (.hex): length and model checks, whole image replaced and decoded.
  Outcome LoadRawImage(const std::string& path);
  // Encode, finish, header checksum, then bytes 0..ImageLast.
  Outcome SaveRawImage(const std::string& path);
  // A backup image with the same checks as LoadRawImage, taken as one Replace; the data set is
  // then no longer the current file's.
  Outcome RestoreBackup(const std::string& path);

  // Channel lists as CSV (.csv). Import reads either format (told by the header) and takes it
  // as one edit ("CSV import"): all or nothing for ours, skipping what the radio cannot hold
  // for the common format; result (when given) has the details the message sums up.
  enum class CsvFormat { Ours, Common };
  Outcome ImportChannels(const std::string& path, CsvImportResult* result = nullptr);
  Outcome ExportChannels(const std::string& path, CsvFormat format);

  // Any file the program writes, chosen by its extension (the kinds Document saves).
  Outcome SaveAs(const std::string& path, CsvFormat csv = CsvFormat::Ours);
  Outcome SaveAs(const std::string& path, FileKind kind, CsvFormat csv = CsvFormat::Ours);

  // Destination images NAME_XXXX.ini in the program folder for the current series: upper-case
  // names, first ten the folder listing gives, sorted ignoring case.
  std::vector<std::string> DestinationNames() const;
  // Loads NAME_XXXX.ini over the image and decodes it; "IniFileRead Error!!" when it cannot.
  Outcome LoadDestination(const std::string& name);
  // A new default data set with the destination NAME loaded over it, as a destination switch
  // does. When the destination cannot be loaded ("IniFileRead Error!!") nothing changes.
  Outcome SwitchDestination(const std::string& name);

  // The text report.
  std::string TextReport() const;
  // Writes the text image followed by CR LF.
  Outcome SaveTextFile(const std::string& path, const std::string& textImage);
  // The six pages of the printed listing.
  std::vector<PrintPage> PrintPages() const;

  // Clone procedures against a radio on the port. Progress and cancel through control.
  // ReadRadio and ProgramRadio leave the Document alone, so a worker thread may run them: a read
  // decodes into a copy, and ReadFromRadio takes that copy (one Replace) only when the whole read
  // succeeded; a program run sends the snapshot it was given.
  RadioRead ReadRadio(SerialPort& port, const TransferControl& control,
                      const TransferOptions& options = {}) const;
  Outcome ReadFromRadio(SerialPort& port, const TransferControl& control,
                        const TransferOptions& options = {});
  // Takes the data set of a whole read as one step: it belongs to no file and holds nothing
  // unsaved.
  void TakeRead(RadioData next);
  Outcome ProgramRadio(RadioData snapshot, SerialPort& port, const TransferControl& control,
                       const TransferOptions& options = {}) const;
  Outcome ProgramToRadio(SerialPort& port, const TransferControl& control,
                         const TransferOptions& options = {});

  // Appends to err.log in debug mode; never fails loudly.
  void WriteErrorLog(const std::string& location, const std::string& message) const;
  // Puts err.log into folder (made when needed) instead of the program folder, which an
  // installed program must not write to.
  void SetErrorLogFolder(std::filesystem::path folder) { errorLogFolder_ = std::move(folder); }

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path errorLogFolder_;  // empty: the program folder
  bool debug_ = false;
  // Replace for the operations that leave the modified mark as it was (new, open, load, a
  // destination, a read before it clears the mark).
  void Take(RadioData next, const std::string& operation);
  // Runs apply on the data set with the observers told before and after.
  void Tell(const EditWhat& what, const std::function<void(RadioData&)>& apply);
  // Moves a data set coming in onto the radio's raster when the editor asks for it.
  void SnapOnEntry(RadioData& next);
  // Writes text to path through a temporary file; "FileSave Error!!" with the system's reason
  // (logged at location in debug mode) when it cannot.
  Outcome WriteFileOrFail(const std::string& path, const std::string& text, const char* location);
  // A raw image of the current series read into a copy of the data set and decoded; the
  // image file's refusals ("bad file!!", "ModelType Error !!", "FileRead Error!!") otherwise.
  Outcome ReadImageOver(const std::string& path, RadioData& next);
  // Loads the destination NAME's image over next and decodes it.
  Outcome LoadDestinationInto(const std::string& name, RadioData& next) const;

  RadioData data_;
  std::string fileName_;
  bool modified_ = false;
  std::vector<Observer*> observers_;
  bool snapOnEntry_ = false;
  std::vector<std::string> entryWarnings_;
};

}  // namespace qw
