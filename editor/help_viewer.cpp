#include "editor/help_viewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
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

  auto* bar = new QToolBar(this);
  bar->setObjectName("tbHelp");
  auto* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
  back->setObjectName("cmdBack");
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  auto* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "&Forward");
  forward->setObjectName("cmdForward");
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  auto* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "&Home");
  home->setObjectName("cmdHome");
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, [this] { ShowTopic("index"); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  layout->addWidget(bar);
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
