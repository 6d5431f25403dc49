#include "editor/dialog_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTreeView>
#include <algorithm>

namespace qw {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A busy cursor would hide the fact that the program waits for the user.
class NormalCursorWhileAsking {
 public:
  NormalCursorWhileAsking() {
    if (QApplication::overrideCursor()) {
      QApplication::setOverrideCursor(Qt::ArrowCursor);
      pushed_ = true;
    }
  }
  ~NormalCursorWhileAsking() {
    if (pushed_) QApplication::restoreOverrideCursor();
  }

 private:
  bool pushed_ = false;
};

// Some window managers cut a title that is wider than the box its text makes, and a message box
// sizes itself from its text: a spacer under the text and buttons keeps room for the title and
// the frame's buttons beside it, up to a width that still fits any screen.
void WideEnoughForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int title =
      QFontMetrics(QApplication::font("QWorkspaceTitleBar")).horizontalAdvance(box.windowTitle());
  grid->addItem(
      new QSpacerItem(std::min(title + 120, 600), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

PromptAnswer DialogPrompter::Ask(QWidget* parent, const Message& message, PromptButtons buttons) {
  NormalCursorWhileAsking cursor;
  QMessageBox box(ToQtIcon(message.Icon), QString::fromStdString(message.Title),
                  QString::fromStdString(message.Text), QMessageBox::NoButton, parent);
  WideEnoughForTitle(box);
  switch (buttons) {
    case PromptButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case PromptButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case PromptButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return PromptAnswer::Ok;
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    default:
      return PromptAnswer::Cancel;
  }
}

namespace {

void Prepare(QFileDialog& dialog, const FileChoice& choice) {
  dialog.setWindowTitle(choice.title);
  dialog.setDirectory(choice.folder);
  dialog.setNameFilter(QString());
  dialog.setNameFilters(choice.filter.split(";;"));
  if (choice.details) {
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(std::max(dialog.width(), 760), std::max(dialog.height(), 460));
    // The columns are fitted once the folder is listed, which happens after the dialog opens.
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* list = dialog.findChild<QTreeView*>();
    if (model && list) {
      QObject::connect(model, &QFileSystemModel::directoryLoaded, list, [list] {
        for (int c = 0; c < list->header()->count(); ++c) list->resizeColumnToContents(c);
      });
    }
  }
}

}  // namespace

QString DialogPrompter::OpenFileName(QWidget* parent, const FileChoice& choice) {
  NormalCursorWhileAsking cursor;
  QFileDialog dialog(parent);
  Prepare(dialog, choice);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString DialogPrompter::SaveFileName(QWidget* parent, const FileChoice& choice) {
  NormalCursorWhileAsking cursor;
  QFileDialog dialog(parent);
  Prepare(dialog, choice);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension gets the one of the file type chosen (under "All files",
  // the first type's), before the dialog asks whether to replace an existing file of that name.
  auto useExtensionOf = [&dialog, filter = choice.filter](const QString& type) {
    static const QRegularExpression kExtension(R"(\*\.(\w+))");
    QRegularExpressionMatch match = kExtension.match(type);
    if (!match.hasMatch()) match = kExtension.match(filter);
    dialog.setDefaultSuffix(match.captured(1));
  };
  useExtensionOf(dialog.selectedNameFilter());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useExtensionOf);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

PrinterChoice DialogPrompter::ChoosePrinter(QWidget* parent, QPrinter& printer) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) return PrinterChoice::NoPrinter;
  NormalCursorWhileAsking cursor;
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintCollateCopies |
                    QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted ? PrinterChoice::Chosen : PrinterChoice::Cancelled;
}

}  // namespace qw
