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

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows the message with the buttons and returns the button pressed.
  virtual PromptAnswer Ask(QWidget* parent, const Message& message, PromptButtons buttons) = 0;
  // An open dialog whose file must exist; filter in Qt's form ("dat files(*.dat);;All
  // files(*.*)"). Returns an empty text when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
  // A save dialog with an empty name field that confirms replacing an existing file.
  virtual QString SaveFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
  // The system print dialog for the printer, without printing to a file and without a choice of
  // printing a selection. False when the user cancels.
  virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;

  void Show(QWidget* parent, const Message& message) { Ask(parent, message, PromptButtons::Ok); }
};

}  // namespace qw
