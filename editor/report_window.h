// frmPrn, "Print to File": the text report in a fixed-width font, built just after the window
// appears, with "Save As..." to keep it as a text file.
#pragma once

#include <QDialog>
#include <string>

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace qw {

class Document;
class Prompter;

class ReportWindow final : public QDialog {
  Q_OBJECT
 public:
  // folder: where the save dialog starts.
  ReportWindow(Document& doc, Prompter& prompter, QString folder, QWidget* parent = nullptr);

  // The text image once built; empty before.
  const std::string& Text() const { return text_; }
  // Saves the text image as a text file, asking for the name; true when written.
  bool SaveAs();

 signals:
  void TextBuilt();

 private:
  void BuildText();

  Document& doc_;
  Prompter& prompter_;
  QString folder_;
  std::string text_;
  QPlainTextEdit* textBox_ = nullptr;
  QAction* saveAs_ = nullptr;
};

}  // namespace qw
