// A Prompter that answers from a script and records what it was asked. For tests and benchmarks.
#pragma once

#include <QPrinter>
#include <deque>
#include <vector>

#include "editor/prompter.h"

namespace qw {

class ScriptedPrompter final : public Prompter {
 public:
  struct Asked {
    Message message;
    PromptButtons buttons;
  };

  // Answers are used in order; with none left, Ok-only boxes get Ok and the others Cancel.
  std::deque<PromptAnswer> answers;
  // File names for the file choosers in order; with none left the chooser is cancelled.
  std::deque<QString> fileNames;
  std::vector<Asked> asked;
  std::vector<FileChoice> fileChoices;  // what each file chooser showed
  // PDF files the print dialog sends its jobs to, in order; with none left it is cancelled.
  std::deque<QString> printerFiles;
  bool noPrinter = false;  // the system knows no printer: no print dialog opens
  int printDialogs = 0;

  PromptAnswer Ask(QWidget*, const Message& message, PromptButtons buttons) override {
    asked.push_back({message, buttons});
    if (!answers.empty()) {
      PromptAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
  }
  QString OpenFileName(QWidget*, const FileChoice& choice) override { return NextName(choice); }
  QString SaveFileName(QWidget*, const FileChoice& choice) override { return NextName(choice); }
  PrinterChoice ChoosePrinter(QWidget*, QPrinter& printer) override {
    if (noPrinter) return PrinterChoice::NoPrinter;
    ++printDialogs;
    if (printerFiles.empty()) return PrinterChoice::Cancelled;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFiles.front());
    printerFiles.pop_front();
    return PrinterChoice::Chosen;
  }

  // Texts of every message asked so far.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Asked& a : asked) out.push_back(a.message.Text);
    return out;
  }

 private:
  QString NextName(const FileChoice& choice) {
    fileChoices.push_back(choice);
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace qw
