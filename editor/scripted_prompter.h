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
  std::vector<QString> fileFolders;  // the folder each file chooser opened in
  // PDF files the print dialog sends its jobs to, in order; with none left it is cancelled.
  std::deque<QString> printerFiles;
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
  QString OpenFileName(QWidget*, const QString& folder, const QString&) override {
    return NextName(folder);
  }
  QString SaveFileName(QWidget*, const QString& folder, const QString&) override {
    return NextName(folder);
  }
  bool ChoosePrinter(QWidget*, QPrinter& printer) override {
    ++printDialogs;
    if (printerFiles.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFiles.front());
    printerFiles.pop_front();
    return true;
  }

  // Texts of every message asked so far.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Asked& a : asked) out.push_back(a.message.Text);
    return out;
  }

 private:
  QString NextName(const QString& folder) {
    fileFolders.push_back(folder);
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
  }
};

}  // namespace qw
