// frmMain: the editing window with its menus, toolbar, navigation tree, pane stack and status
// bar. It owns the whole-document commands and the changed-data flag.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "document/document.h"
#include "document/radio_transfer.h"
#include "editor/edit_state.h"
#include "editor/editor_options.h"
#include "editor/file_folders.h"
#include "editor/nav_node.h"
#include "editor/transfer_dialog.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QTreeWidgetItem;

namespace qw {

class AtisPane;
struct DocumentMarks;
class BusyScope;
class CommonPane;
class HelpViewer;
class InputBlocker;
class NavTree;
class Pane;
class Prompter;
class SettingsStore;
class SimulatedRadioHost;
class SvgPicture;
class UndoRecorder;
class UsablePane;

class MainWindow final : public QMainWindow, private Document::Observer {
  Q_OBJECT
 public:
  MainWindow(Document& doc, SettingsStore& store, Prompter& prompter, EditorOptions options,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // State that the commands and tests look at.
  const EditState& State() const { return state_; }
  // The node the user chose last; none right after a reset.
  NavNode CurrentNode() const { return current_; }
  NavTree* Tree() const { return tree_; }
  Pane* ActivePane() const;
  int16_t Series() const { return series_; }

  // Commands, as the menus and toolbar run them.
  void FileNew();
  void FileOpen();
  // Save (useCurrentName) or Save As; true when the file was written.
  bool FileSave(bool useCurrentName);
  void TransferRead();
  void TransferProgram();
  void ChooseSeries(int16_t series);
  void ChooseDestination(int entry);
  void SaveImageKey();  // Ctrl+F3
  void LoadImageKey();  // Ctrl+F2
  void ImportChannels();
  // Writes the channel lists as our CSV, or the fourth group in the common format.
  void ExportChannels(bool common);
  void Undo();
  void Redo();
  UndoRecorder* UndoHistory() const { return undo_; }
  // The printed listing and the text report (main_window_print.cpp).
  void FilePrint();
  void FilePrintPreview();
  void FileExportPdf();
  void FilePrintToFile();
  void ShowHelpContents();
  void ShowAbout();

  // Runs the validation of the focused field of the active pane; false stops the command.
  bool PaneCheck();
  // Selects a node as if the user had clicked it.
  void SelectNode(const NavNode& node);
  // Opens the help at a topic ("index", "transfer"); false when there is no help.
  bool OpenHelp(const QString& topic);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Construction (main_window.cpp).
  void BuildMenus();
  void BuildFileMenu(QMenu* file);
  QMenu* AddMenu(const QString& name, const QString& caption);
  QAction* AddEntry(QMenu* menu, const QString& name, const QString& caption,
                    std::function<void()> slot, const QKeySequence& key = {});
  void BuildToolbar();
  void BuildStatusBar();
  void BuildPanes();
  void StartUp();
  void RestorePlacement();
  QAction* Action(const QString& name, const QString& caption);

  // Navigation and panes (main_window_nav.cpp).
  // newDataSet false: the data set has already been replaced (a destination switch).
  void Reset(bool rebuildDestinationMenu, bool newDataSet = true);
  void RebuildTree();
  void OnNodeSelected(QTreeWidgetItem* item);
  void OnNodeClicked(QTreeWidgetItem* item);
  // The pane that shows a node; new kinds of node get their pane here.
  Pane* PaneOf(const NavNode& node) const;
  void ShowPaneOfNode(const NavNode& node);
  void ActivatePane(Pane* pane, const NavNode& node);
  void DeactivateAllPanes();
  void RefreshPanes();
  void UpdateCaption();
  void SetStatusHelp(const QString& text);
  void OnFocusChanged(QWidget* old, QWidget* now);
  void ApplySeriesToControls();
  // Document::Observer: tree captions and nodes follow the edits.
  void AfterEdit(const EditWhat& what, const RadioData& data) override;

  // Commands (main_window_commands.cpp).
  void StartNew();
  void BuildDestinationMenu();
  // One warning listing the values the last command changed to what the radio can store.
  void WarnOfMovedValues();
  void OpenTransferDialog(TransferDialog::Mode mode);
  void AfterTransfer(bool readDone);
  void ShowOutcomeMessage(const struct Outcome& outcome);
  // Where a file chooser of a kind starts, and the folder of the file chosen in it.
  QString StartFolder(FolderKind kind) const;
  void RememberFolder(FolderKind kind, const QString& path);
  // "<what> written to <file>" in the status bar, the full path in its tooltip.
  void ShowWritten(const QString& what, const QString& path);
  // File > Open and Save As: data files and JSON, raw images too in debug mode; any other name
  // is a data file.
  QString DataFilter() const;
  FileKind EditorKindOf(const std::string& path) const;
  std::shared_ptr<BusyScope> Busy();
  void After(int ms, std::function<void()> next);
  // Undo and redo (main_window_undo.cpp).
  void BuildUndoActions(QMenu* edit);
  void AfterUndoStep(const EditWhat& what);
  // The undo and redo entries name what they take back: typing not yet taken in comes first.
  void UpdateUndoTexts();
  // What the user calls "the document" beside the data set, as undo steps carry it.
  DocumentMarks ReadMarks() const;
  void PutMarks(const DocumentMarks& marks);
  // The destination entries of the current series, without loading any.
  std::vector<std::string> ListDestinations();
  // Takes a whole read from the radio as one step that also forgets the current file.
  void TakeRead(RadioData next);

  // Backups, the read-back and Compare With (main_window_safety.cpp).
  void AddSafetyCommands(QMenu* file);
  void AddVerifyOption(QMenu* options);
  TransferOptions EditorTransferOptions() const;
  void ShowTransferNotes(const Outcome& outcome);
  void RestoreBackup();
  // A backup of the other series: asks, then switches to its series; false leaves all as it was.
  bool SwitchToSeriesOf(const QString& backup);
  void CompareWith();

  // Serial port (main_window_ports.cpp).
  void BuildPortMenu();
  void RefreshPortMenu();
  void SelectPortNumber(int number, bool store);
  void SelectPortDevice(const QString& device, bool store);
  void MarkPortChoice();
  PortFactory PortForTransfer(QString& error);
  void SaveSimulatorMemory();

  Document& doc_;
  SettingsStore& store_;
  Prompter& prompter_;
  EditorOptions options_;
  EditState state_;

  int16_t series_ = 2;
  // The frame size a saved placement asked for, until the first show makes the border known.
  std::optional<QSize> placedFrameSize_;
  NavNode current_;
  NavNode shownNode_;  // the node whose pane is in front
  bool shown_ = false;

  // The port: a number 1..4 (or outside, as stored), a device path, or the simulated radio.
  int portNumber_ = 1;
  QString portDevice_;  // empty: the numbered port; kSimulatedPort: the simulated radio

  NavTree* tree_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  SvgPicture* logo_ = nullptr;
  Pane* generalPane_ = nullptr;
  UsablePane* usablePane_ = nullptr;
  CommonPane* commonPane_ = nullptr;
  AtisPane* atisPane_ = nullptr;
  Pane* blankPane_ = nullptr;
  Pane* gridPane_ = nullptr;
  Pane* channelPane_ = nullptr;
  Pane* weatherPane_ = nullptr;
  Pane* expChannelPane_ = nullptr;
  std::vector<Pane*> panes_;

  QLabel* statusHelp_ = nullptr;
  QLabel* statusSpare_ = nullptr;
  QLabel* statusModel_ = nullptr;

  std::vector<std::pair<int16_t, QAction*>> modelEntries_;  // Edit > Model, by series
  QMenu* destinationMenu_ = nullptr;
  std::array<QAction*, 11> destinations_{};
  QMenu* portMenu_ = nullptr;
  std::array<QAction*, 4> comPorts_{};
  QAction* simulatedPort_ = nullptr;
  std::vector<QAction*> devicePorts_;
  QAction* portDevicesSeparator_ = nullptr;
  QAction* verifyAfterProgram_ = nullptr;

  UndoRecorder* undo_ = nullptr;
  QString newStepName_;  // what the pending New is called in the undo history
  int saves_ = 0;        // files saved so far, so an undo knows when "unchanged" went stale
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;

  QTimer* newTimer_ = nullptr;
  InputBlocker* blocker_ = nullptr;
  QPointer<HelpViewer> help_;
  std::unique_ptr<SimulatedRadioHost> simulator_;
};

// The settings value of ComPath/ComDevice that stands for the simulated radio.
inline constexpr const char* kSimulatedPort = "simulated";

}  // namespace qw
