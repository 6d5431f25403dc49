// The Prompter the program uses: QMessageBox and QFileDialog.
#pragma once

#include "editor/prompter.h"

namespace qw {

class DialogPrompter final : public Prompter {
 public:
  PromptAnswer Ask(QWidget* parent, const Message& message, PromptButtons buttons) override;
  QString OpenFileName(QWidget* parent, const FileChoice& choice) override;
  QString SaveFileName(QWidget* parent, const FileChoice& choice) override;
  PrinterChoice ChoosePrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace qw
