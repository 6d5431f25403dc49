// help_screenshots PROGRAM_FOLDER OUTPUT_FOLDER
//
// Renders the editor's windows on a fixed data set and saves them as the PNG pictures the help
// pages show. PROGRAM_FOLDER holds the destination images (the build's bin/ folder); nothing is
// read from or written to the user's settings, data folder or serial ports. Run it offscreen
// (QT_QPA_PLATFORM=offscreen), as scripts/screenshots does, so that the pictures do not depend on
// the desktop the script runs on.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "document/config.h"
#include "document/document.h"
#include "document/settings_store.h"
#include "editor/main_window.h"
#include "editor/nav_node.h"
#include "editor/nav_tree.h"
#include "editor/scripted_prompter.h"

namespace {

using qw::NavNode;

// The boat of the pictures: the USA destination of an MV710 with five channels of the fourth
// group in use. `changed` gives the same boat as it was before some edits, for Compare With.
qw::Outcome WriteBoat(const std::filesystem::path& programFolder, const QString& path,
                      bool changed) {
  qw::Document boat(programFolder);
  boat.NewDataSet(qw::kSeriesMV710);
  if (const qw::Outcome loaded = boat.LoadDestination("usa"); !loaded.ok()) return loaded;
  struct Row {
    const char* name;
    const char* display;
    const char* suffix;
    double rx, tx;
    int16_t ctcss, dcs;
    bool txEnable, scan;
  };
  const Row rows[] = {
      {"MARINA OPS", "01", "", 156.0500, 156.0500, 5, 0, true, true},
      {"FUEL DOCK", "02", "", 157.1000, 157.1000, 0, 0, true, true},
      {"HARBOUR PTL", "03", "", 159.4500, 159.4500, 0, 23, true, false},
      {"REPEATER", "AU", "t", 156.0250, 160.6250, 12, 0, true, true},
      {"YACHT CLUB", "05", "", 157.4250, 0, 0, 0, false, false},
  };
  qw::RadioData boatData = boat.Data();
  std::vector<qw::ChannelRecord>& lmr = boatData.FourthGroup;
  for (size_t k = 0; k < std::size(rows); ++k) {
    qw::ChannelRecord& ch = lmr[k];
    ch.Enable = true;
    ch.ChTag = rows[k].name;
    ch.CHDisplayL = rows[k].display;
    ch.CHDisplayR = rows[k].suffix;
    ch.Rxfreq = rows[k].rx;
    ch.Txfreq = rows[k].tx;
    ch.CTCSS = {rows[k].ctcss, rows[k].ctcss};
    ch.DCS = {rows[k].dcs, rows[k].dcs};
    ch.TxEnable = rows[k].txEnable;
    ch.ScanMemory = rows[k].scan;
    ch.Narrow = k == 2;
  }
  if (changed) {
    lmr[1].ChTag = "FUEL";
    lmr[0].Rxfreq = 156.0750;
    lmr[3].Scramble = 2;
    lmr[4].Enable = false;
  }
  boat.Edit({}, [&boatData](qw::RadioData& d) { d = std::move(boatData); });
  return boat.SaveJson(path.toStdString());
}

constexpr int kMaxWidth = 560;

class Shooter {
 public:
  explicit Shooter(QString folder) : folder_(std::move(folder)) {}

  void Save(QWidget* widget, const QString& name) {
    if (!widget) {
      std::fprintf(stderr, "help_screenshots: no window for %s\n", qPrintable(name));
      failed_ = true;
      return;
    }
    QTest::qWait(150);
    const QString path = QDir(folder_).filePath(name + ".png");
    // The help window is about 640 pixels wide, its text a little less: wider windows are shown
    // smaller.
    QPixmap picture = widget->grab();
    if (picture.width() > kMaxWidth) {
      picture = picture.scaledToWidth(kMaxWidth, Qt::SmoothTransformation);
    }
    if (!picture.save(path)) {
      std::fprintf(stderr, "help_screenshots: cannot write %s\n", qPrintable(path));
      failed_ = true;
      return;
    }
    std::printf("%s\n", qPrintable(path));
  }

  // Runs a command that shows a modal dialog (exec), saves the dialog and closes it.
  void SaveModal(QAction* command, const QString& name, const QSize& size = {}) {
    if (command->objectName().isEmpty()) return Save(nullptr, name);
    QTimer::singleShot(400, [this, name, size] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog && size.isValid()) {
        dialog->resize(size);
        QTest::qWait(300);
      }
      Save(dialog, name);
      if (dialog) dialog->close();
    });
    command->trigger();
  }

  // A menu of the menu bar as it drops down.
  void SaveMenu(QMenu* menu, const QString& name) {
    if (!menu) return Save(nullptr, name);
    menu->popup(QPoint(0, 0));
    QTest::qWait(150);
    Save(menu, name);
    menu->hide();
  }

  bool Failed() const { return failed_; }

 private:
  QString folder_;
  bool failed_ = false;
};

// The walk through the editor that takes the pictures, step by step.
class Tour {
 public:
  Tour(qw::MainWindow& window, Shooter& shoot, qw::ScriptedPrompter& prompter)
      : window_(window), shoot_(shoot), prompter_(prompter) {}

  // The main window, then the data set's panes and grids.
  void Panes(const QString& boat) {
    shoot_.Save(&window_, "main-window");
    prompter_.fileNames = {boat};
    Action("mnuFileOpen")->trigger();
    QTest::qWait(300);
    Show(qw::kUsableNode, "groups");
    Show(NavNode::GroupGrid(qw::kGroupUSA), "grid-usa");
    Show(NavNode::GroupGrid(qw::kGroupFourth), "grid-lmr");
    Show(NavNode::ChannelOf(qw::kGroupFourth, 0), "channel-lmr");
    Show(NavNode::ChannelOf(qw::kGroupUSA, 21), "channel-usa");
    Show(qw::kWeatherNode, "weather");
  }

  // One edit, so that Edit > Undo is named after it and Compare With has something to show.
  void EditAndMenus() {
    window_.SelectNode(NavNode::ChannelOf(qw::kGroupFourth, 1));
    if (auto* name = window_.findChild<QLineEdit*>("txtCHName")) {
      name->setFocus();
      name->selectAll();
      QTest::keyClicks(name, "FUEL PIER");
      window_.Tree()->setFocus();
    }
    window_.SelectNode(qw::kGeneralNode);
    shoot_.SaveMenu(window_.findChild<QMenu*>("mnuFile"), "menu-file");
    shoot_.SaveMenu(window_.findChild<QMenu*>("mnuEdit"), "menu-edit");
    shoot_.SaveMenu(window_.findChild<QMenu*>("mnuOptions"), "menu-options");
  }

  void CompareAndPrint(const QString& before) {
    prompter_.fileNames = {before};
    Action("mnuFileCompare")->trigger();
    QTest::qWait(300);
    QWidget* compare = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "frmCompare" && w->isVisible()) compare = w;
    }
    if (compare) compare->resize(640, 280);
    shoot_.Save(compare, "compare");
    if (compare) compare->close();
    shoot_.SaveModal(Action("mnuFilePrintToFile"), "print-to-file");
    shoot_.SaveModal(Action("mnuFilePrintPreview"), "print-preview", QSize(640, 520));
  }

  // The transfer window as it opens, and a few seconds into a read of the simulated radio.
  void Transfer() {
    Action("mnuTransferRead")->trigger();
    QTest::qWait(300);
    // The window deletes itself when the transfer ends.
    QPointer<QWidget> transfer = window_.findChild<QWidget*>("frmRadio");
    shoot_.Save(transfer, "transfer-read");
    if (!transfer) return;
    auto* ok = transfer->findChild<QPushButton*>("cmdOK");
    if (!ok) {
      transfer->close();
      return;
    }
    ok->click();
    QTest::qWait(4000);
    shoot_.Save(transfer, "transfer-running");
    for (int waited = 0; transfer && transfer->isVisible() && waited < 120000; waited += 200) {
      QTest::qWait(200);
    }
  }

  bool Failed() const { return shoot_.Failed() || missing_; }

 private:
  // A command of the menus; one that is gone fails the run instead of crashing it.
  QAction* Action(const char* name) {
    QAction* found = window_.findChild<QAction*>(name);
    if (found) return found;
    std::fprintf(stderr, "help_screenshots: no command %s\n", name);
    missing_ = true;
    return &nothing_;
  }

  void Show(const NavNode& node, const QString& picture) {
    window_.SelectNode(node);
    shoot_.Save(&window_, picture);
  }

  qw::MainWindow& window_;
  Shooter& shoot_;
  qw::ScriptedPrompter& prompter_;
  QAction nothing_;
  bool missing_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: help_screenshots PROGRAM_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  // One look wherever the script runs.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setFont(QFont("DejaVu Sans", 9));
  const std::filesystem::path programFolder = argv[1];
  const QString output = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(output);

  QTemporaryDir scratch;
  const QString boat = scratch.filePath("boat.json");
  const QString before = scratch.filePath("boat-before.json");
  for (const auto& [path, changed] : {std::pair{boat, false}, std::pair{before, true}}) {
    const qw::Outcome written = WriteBoat(programFolder, path, changed);
    if (!written.ok()) {
      std::fprintf(stderr, "help_screenshots: cannot make the data set in %s\n",
                   qPrintable(scratch.path()));
      return 1;
    }
  }

  qw::MemorySettingsStore store;
  qw::SaveModelSetting(store, qw::kSeriesMV710);
  qw::ScriptedPrompter prompter;
  qw::Document doc(programFolder);
  qw::EditorOptions options;
  options.programFolder = programFolder;
  options.timings.newDelayMs = 0;
  options.timings.pauseMs = 0;
  options.simulate = true;
  options.simulatorFolder = scratch.path();
  options.backupFolder = scratch.filePath("backups").toStdString();

  qw::MainWindow window(doc, store, prompter, options);
  window.show();
  QTest::qWait(300);
  Shooter shoot(output);
  Tour tour(window, shoot, prompter);
  tour.Panes(boat);
  tour.EditAndMenus();
  tour.CompareAndPrint(before);
  tour.Transfer();

  prompter.answers = {qw::PromptAnswer::No};
  window.close();
  return tour.Failed() ? 1 : 0;
}
