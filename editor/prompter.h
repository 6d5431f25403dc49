// Every message box and file chooser of the editor goes through a Prompter, so that tests can
// script the answers and never block on a modal box.
#pragma once

#include <QString>

#include "model/outcome.h"

class QPrinter;
class QWidget;

namespace qw {

enum class PromptButtons { Ok, OkCancel, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };
enum class PrinterChoice { Chosen, Cancelled, NoPrinter };

// What a file chooser shows: its title (the command that opened it), the folder it starts in
// and the file types in Qt's form ("dat files(*.dat);;All files(*.*)"). With details, names
// and dates are listed in full columns (backups differ only in their time stamps).
struct FileChoice {
  QString title;
  QString folder;
  QString filter;
  bool details = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows the message with the buttons and returns the button pressed.
  virtual PromptAnswer Ask(QWidget* parent, const Message& message, PromptButtons buttons) = 0;
  // An open dialog whose file must exist. Returns an empty text when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const FileChoice& choice) = 0;
  // A save dialog with an empty name field that confirms replacing an existing file.
  virtual QString SaveFileName(QWidget* parent, const FileChoice& choice) = 0;
  // The system print dialog for the printer, without printing to a file and without a choice of
  // printing a selection; NoPrinter, without a dialog, when the system knows no printer.
  virtual PrinterChoice ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;

  void Show(QWidget* parent, const Message& message) { Ask(parent, message, PromptButtons::Ok); }
};

}  // namespace qw
