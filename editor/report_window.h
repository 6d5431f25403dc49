// frmPrn, "Print to File": the text report in a fixed-width font, built just after the window
// appears, with "Save As..." to keep it as a text file.
#pragma once

#include <QDialog>
#include <string>

#include "editor/file_folders.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qw {

class Document;
class Prompter;

class ReportWindow final : public QDialog {
  Q_OBJECT
 public:
  // folders: where the save dialog starts, and remembers the folder chosen.
  ReportWindow(Document& doc, Prompter& prompter, FileFolders folders, QWidget* parent = nullptr);

  // The text image once built; empty before.
  const std::string& Text() const { return text_; }
  // Saves the text image as a text file, asking for the name; true when written.
  bool SaveAs();

 signals:
  void TextBuilt();
  // The text was written to the file.
  void Saved(const QString& path);

 private:
  void BuildText();

  Document& doc_;
  Prompter& prompter_;
  FileFolders folders_;
  std::string text_;
  QPlainTextEdit* textBox_ = nullptr;
  QLabel* saved_ = nullptr;  // where the text was saved last
  QAction* saveAs_ = nullptr;
};

}  // namespace qw
