#include "editor/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qw {

HelpViewer::HelpViewer(QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)) {
  setObjectName("frmHelp");
  setWindowTitle("Quaywright Help");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("txtHelp");
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({folder_});
  layout->addWidget(browser_);
  resize(640, 560);
}

bool HelpViewer::ShowTopic(const QString& topic) {
  const QFileInfo page(QDir(folder_).filePath(topic + ".html"));
  if (!page.isFile()) return false;
  browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace qw
