#include "editor/dialog_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

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

}  // namespace

PromptAnswer DialogPrompter::Ask(QWidget* parent, const Message& message, PromptButtons buttons) {
  NormalCursorWhileAsking cursor;
  QMessageBox box(ToQtIcon(message.Icon), QString::fromStdString(message.Title),
                  QString::fromStdString(message.Text), QMessageBox::NoButton, parent);
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

QString DialogPrompter::OpenFileName(QWidget* parent, const QString& folder,
                                     const QString& filter) {
  NormalCursorWhileAsking cursor;
  return QFileDialog::getOpenFileName(parent, {}, folder, filter, nullptr, QFileDialog::ReadOnly);
}

QString DialogPrompter::SaveFileName(QWidget* parent, const QString& folder,
                                     const QString& filter) {
  NormalCursorWhileAsking cursor;
  QFileDialog dialog(parent, {}, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension gets the one of the file type chosen (under "All files",
  // the first type's), before the dialog asks whether to replace an existing file of that name.
  auto useExtensionOf = [&dialog, filter](const QString& type) {
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

bool DialogPrompter::ChoosePrinter(QWidget* parent, QPrinter& printer) {
  NormalCursorWhileAsking cursor;
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintCollateCopies |
                    QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qw
