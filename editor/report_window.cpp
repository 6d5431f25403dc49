#include "editor/report_window.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "document/document.h"
#include "editor/file_filters.h"
#include "editor/prompter.h"

namespace qw {

namespace {

// Some fonts do not declare themselves fixed-pitch although every glyph is equally wide.
bool Monospaced(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance('i') == metrics.horizontalAdvance('W');
}

QFont ReportFont() {
  if (QFontDatabase::families().contains("Courier New")) return QFont("Courier New");
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (Monospaced(font)) return font;
  // The platform names no fixed font of its own; any monospace family the system has will do.
  font = QFont("monospace");
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace

ReportWindow::ReportWindow(Document& doc, Prompter& prompter, FileFolders folders, QWidget* parent)
    : QDialog(parent), doc_(doc), prompter_(prompter), folders_(folders) {
  setObjectName("frmPrn");
  setWindowTitle("Print to File");

  auto* menuBar = new QMenuBar(this);
  QMenu* file = menuBar->addMenu("&File");
  file->setObjectName("mnuFile");
  saveAs_ = file->addAction("&Save As...", this, [this] { SaveAs(); });
  saveAs_->setObjectName("mnuFileSaveAs");
  saveAs_->setEnabled(false);
  file->addSeparator();
  QAction* exit = file->addAction("&Exit", this, [this] { close(); });
  exit->setObjectName("mnuFileExit");

  textBox_ = new QPlainTextEdit(this);
  textBox_->setObjectName("txtPrn");
  textBox_->setReadOnly(true);
  textBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  textBox_->setFont(ReportFont());
  textBox_->setPlainText("Now, making text image. Please wait...");

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  saved_ = new QLabel(this);
  saved_->setObjectName("lblSaved");
  saved_->setTextFormat(Qt::PlainText);

  // The OK button stays under the text box's right edge as the window is resized.
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(saved_, 1);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addWidget(textBox_);
  layout->addLayout(buttons);
  resize(558, 409);

  // The window appears first; the text is built once the event loop has shown it.
  QTimer::singleShot(10, this, [this] { BuildText(); });
}

void ReportWindow::BuildText() {
  text_ = doc_.TextReport();
  QString shown = QString::fromLatin1(text_.data(), static_cast<qsizetype>(text_.size()));
  textBox_->setPlainText(shown.replace("\r\n", "\n"));
  saveAs_->setEnabled(true);
  emit TextBuilt();
}

bool ReportWindow::SaveAs() {
  if (text_.empty()) return false;
  const QString path = prompter_.SaveFileName(
      this, {"Save Report As", folders_.StartIn(FolderKind::Text), KindFilter(FileKind::Text)});
  if (path.isEmpty()) return false;
  folders_.Remember(FolderKind::Text, path);
  const Outcome outcome = doc_.SaveTextFile(path.toStdString(), text_);
  if (outcome.ok()) {
    saved_->setText("Saved to " + QFileInfo(path).fileName());
    saved_->setToolTip(QDir::toNativeSeparators(path));
    emit Saved(path);
    return true;
  }
  if (outcome.message) prompter_.Show(this, *outcome.message);
  return false;
}

}  // namespace qw
