// The program's help: HTML pages from the help folder beside the program, in a small browser.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace qw {

class HelpViewer final : public QWidget {
  Q_OBJECT
 public:
  HelpViewer(QString folder, QWidget* parent = nullptr);
  // Shows topic.html ("index", "transfer"); false when the help is not installed.
  bool ShowTopic(const QString& topic);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QString folder_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace qw
