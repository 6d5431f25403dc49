#include "editor/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "document/config.h"
#include "document/document.h"
#include "editor/atis_pane.h"
#include "editor/busy.h"
#include "editor/channel_pane.h"
#include "editor/common_pane.h"
#include "editor/grid_pane.h"
#include "editor/help_viewer.h"
#include "editor/nav_tree.h"
#include "editor/simulated_radio_host.h"
#include "editor/svg_picture.h"
#include "editor/undo_recorder.h"
#include "editor/usable_pane.h"
#include "editor/weather_pane.h"

namespace qw {

namespace {

constexpr int kInitialWidth = 607;
constexpr int kInitialHeight = 444;
constexpr int kSplitterTwips = 2500;

}  // namespace

MainWindow::MainWindow(Document& doc, SettingsStore& store, Prompter& prompter,
                       EditorOptions options, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      store_(store),
      prompter_(prompter),
      options_(std::move(options)) {
  setObjectName("frmMain");
  blocker_ = new InputBlocker(this);
  newTimer_ = new QTimer(this);
  newTimer_->setSingleShot(true);
  connect(newTimer_, &QTimer::timeout, this, &MainWindow::StartNew);
  undo_ = new UndoRecorder(doc_, this);
  // What the window shows is what the radio gets: values are moved onto its raster on the way in.
  doc_.SetSnapOnEntry(true);

  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  BuildPanes();
  doc_.AddObserver(this);
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, &MainWindow::OnFocusChanged);
  StartUp();
  // History starts with the user's first command, not with the window's own start-up.
  undo_->Stack()->clear();
}

MainWindow::~MainWindow() {
  doc_.RemoveObserver(this);
  qApp->removeEventFilter(this);
  // ~QWidget closes the window and moves the focus once this part of the object is gone.
  disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::OnFocusChanged);
}

QAction* MainWindow::Action(const QString& name, const QString& caption) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  return action;
}

QMenu* MainWindow::AddMenu(const QString& name, const QString& caption) {
  QMenu* m = menuBar()->addMenu(caption);
  m->setObjectName(name);
  return m;
}

QAction* MainWindow::AddEntry(QMenu* menu, const QString& name, const QString& caption,
                              std::function<void()> slot, const QKeySequence& key) {
  QAction* a = Action(name, caption);
  a->setShortcut(key);
  connect(a, &QAction::triggered, this, std::move(slot));
  menu->addAction(a);
  return a;
}

void MainWindow::BuildMenus() {
  BuildFileMenu(AddMenu("mnuFile", "&File"));

  QMenu* edit = AddMenu("mnuEdit", "&Edit");
  BuildUndoActions(edit);
  QMenu* model = edit->addMenu("&Model");
  model->setObjectName("mnuEditModel");
  for (const SeriesTraits& row : AllSeries()) {
    if (!row.menuEntry) continue;
    const int16_t series = row.series;
    QAction* a = AddEntry(model, QString("mnuModel") + (row.modelName + 2), row.menuEntry,
                          [this, series] { ChooseSeries(series); });
    a->setCheckable(true);
    modelEntries_.emplace_back(series, a);
  }

  QMenu* transfer = AddMenu("mnuTransfer", "&Transfer");
  AddEntry(transfer, "mnuTransferProgram", "&Program to Radio", [this] { TransferProgram(); });
  AddEntry(transfer, "mnuTransferRead", "&Read from Radio", [this] { TransferRead(); });

  destinationMenu_ = AddMenu("mnuDestination", "&Destination");
  for (int k = 0; k < 11; ++k) {
    destinations_[k] = AddEntry(destinationMenu_, QString("mnuDestination%1").arg(k), QString(),
                                [this, k] { ChooseDestination(k); });
    destinations_[k]->setCheckable(true);
    destinations_[k]->setVisible(false);
  }
  destinationMenu_->setEnabled(false);

  QMenu* options = AddMenu("mnuOptions", "&Options");
  portMenu_ = options->addMenu("&SerialPort");
  portMenu_->setObjectName("mnuSerialPort");
  BuildPortMenu();
  AddVerifyOption(options);

  QMenu* help = AddMenu("mnuHelp", "&Help");
  AddEntry(
      help, "mnuHelpContents", "&Contents", [this] { ShowHelpContents(); },
      QKeySequence::HelpContents);
  AddEntry(help, "mnuHelpAbout", "&About ZOK Version", [this] { ShowAbout(); });
}

void MainWindow::BuildFileMenu(QMenu* file) {
  const struct {
    const char* name;  // nullptr: a separator
    const char* caption;
    std::function<void()> slot;
    QKeySequence key;
  } entries[] = {
      {"mnuFileNew", "&New", [this] { FileNew(); }, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"mnuFileOpen", "&Open", [this] { FileOpen(); }, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"mnuFileSave", "&Save",
       [this] {
         if (PaneCheck()) FileSave(true);
       },
       QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"mnuFileSaveAs",
       "Save &As...",
       [this] {
         if (PaneCheck()) FileSave(false);
       },
       {}},
      // The radio's defaults come from the destination images; there is nothing to save as
      // one, so the entry keeps its place but is never shown.
      {"mnuFileSaveAsDefault", "Save As &Default", [] {}, {}},
      {nullptr, nullptr, {}, {}},
      {"mnuFileImportChannels", "&Import Channels...", [this] { ImportChannels(); }, {}},
      {"mnuFileExportChannels", "&Export Channels...", [this] { ExportChannels(false); }, {}},
      {"mnuFileExportCommon",
       "Export Channels (&Common Format)...",
       [this] { ExportChannels(true); },
       {}},
      {nullptr, nullptr, {}, {}},
      {"mnuFilePrint", "&Print", [this] { FilePrint(); }, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"mnuFilePrintPreview", "Print Pre&view", [this] { FilePrintPreview(); }, {}},
      {"mnuFileExportPdf", "Export P&DF...", [this] { FileExportPdf(); }, {}},
      {"mnuFilePrintToFile", "P&rint to File", [this] { FilePrintToFile(); }, {}},
  };
  for (const auto& e : entries) {
    if (!e.name) {
      file->addSeparator();
      continue;
    }
    QAction* a = AddEntry(file, e.name, e.caption, e.slot, e.key);
    if (QString(e.name) == "mnuFileSaveAsDefault") a->setVisible(false);
  }
  AddSafetyCommands(file);
  file->addSeparator();
  AddEntry(file, "mnuFileExit", "E&xit", [this] { close(); });
}

void MainWindow::BuildToolbar() {
  QToolBar* bar = addToolBar("Toolbar");
  bar->setObjectName("tbrMain");
  bar->setMovable(false);
  bar->setIconSize(QSize(24, 24));
  auto button = [&](const char* key, const char* tip, const char* icon, auto slot) {
    QAction* a = Action(QString("tbr") + key, tip);
    a->setData(QString(key));
    a->setToolTip(tip);
    a->setIcon(QIcon(QString(":/icons/%1.svg").arg(icon)));
    connect(a, &QAction::triggered, this, slot);
    bar->addAction(a);
    return a;
  };
  button("New", "New", "new", [this] { FileNew(); });
  button("Open", "Open...", "open", [this] { FileOpen(); });
  button("Save", "Save", "save", [this] {
    if (PaneCheck()) FileSave(true);
  });
  button("SaveAsDefault", "Save As Default", "save_default", [] {})->setVisible(false);
  button("Print", "Print", "print", [this] { FilePrint(); });
  bar->addSeparator();
  button("Program", kProgramToRadioTitle, "program", [this] { TransferProgram(); });
  button("Read", kReadTitle, "read", [this] { TransferRead(); });
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("sbrMain");
  bar->setSizeGripEnabled(true);
  statusHelp_ = new QLabel(bar);
  statusHelp_->setObjectName("sbrPanel1");
  statusSpare_ = new QLabel(bar);
  statusSpare_->setObjectName("sbrPanel2");
  statusSpare_->setMinimumWidth(60);
  statusModel_ = new QLabel(bar);
  statusModel_->setObjectName("sbrPanel3");
  statusModel_->setMinimumWidth(60);
  statusModel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(statusHelp_, 1);
  bar->addPermanentWidget(statusSpare_);
  bar->addPermanentWidget(statusModel_);
}

void MainWindow::BuildPanes() {
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName("splMain");
  splitter_->setChildrenCollapsible(false);
  tree_ = new NavTree(splitter_);
  SetHelpText(tree_, kArrowKeysHelp);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { OnNodeSelected(item); });
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { OnNodeClicked(item); });

  stack_ = new QStackedWidget(splitter_);
  stack_->setObjectName("pictStack");
  generalPane_ = new Pane(doc_, state_, stack_);
  generalPane_->setObjectName("pictGeneral");
  auto* generalLayout = new QVBoxLayout(generalPane_);
  logo_ = new SvgPicture(generalPane_);
  logo_->setObjectName("pictLogo");
  generalLayout->addWidget(logo_);

  usablePane_ = new UsablePane(doc_, state_, stack_);
  commonPane_ = new CommonPane(doc_, state_, stack_);
  atisPane_ = new AtisPane(doc_, state_, prompter_, stack_);
  auto blank = [&](const char* name) {
    auto* p = new Pane(doc_, state_, stack_);
    p->setObjectName(name);
    p->setAutoFillBackground(true);
    p->setBackgroundRole(QPalette::Mid);
    return p;
  };
  blankPane_ = blank("pictBlank");
  const auto select = [this](const NavNode& node) { SelectNode(node); };
  gridPane_ = new GridPane(doc_, state_, select, stack_);
  // Marine and programmable channels share one pane, which switches its fields by the node.
  channelPane_ = new ChannelPane(doc_, state_, prompter_, select, stack_);
  expChannelPane_ = channelPane_;
  weatherPane_ = new WeatherPane(doc_, state_, stack_);
  panes_ = {generalPane_, usablePane_, commonPane_,  atisPane_,
            blankPane_,   gridPane_,   channelPane_, weatherPane_};
  for (Pane* p : panes_) stack_->addWidget(p);

  splitter_->addWidget(tree_);
  splitter_->addWidget(stack_);
  splitter_->setStretchFactor(1, 1);
  setCentralWidget(splitter_);
}

void MainWindow::StartUp() {
  BusyScope busy(*blocker_);
  logo_->hide();
  series_ = ReadModelSetting(store_);
  ApplySeriesToControls();

  const QString device =
      QString::fromStdString(store_.Get("ComPath", "ComDevice").value_or(std::string()));
  SelectPortNumber(ReadPortSetting(store_), false);
  if (options_.simulate) {
    SelectPortDevice(kSimulatedPort, false);
  } else if (!device.isEmpty()) {
    SelectPortDevice(device, false);
  }

  const int splitterPixels = kSplitterTwips * logicalDpiX() / 1440;
  resize(kInitialWidth, kInitialHeight);
  splitter_->setSizes({splitterPixels, kInitialWidth - splitterPixels});

  Reset(true);
  doc_.MarkUnmodified();
  // The tree shows its longest label ("Available CH Group Setup", "CH01A[Enable]") in full;
  // the window does not shrink below the size its panes are laid out for.
  const int treePixels = std::max(splitterPixels, tree_->WidthForLongestLabel());
  const QSize laidOut = minimumSizeHint();
  const QSize smallest(
      std::max({kInitialWidth, treePixels + kInitialWidth - splitterPixels, laidOut.width()}),
      std::max(kInitialHeight, laidOut.height()));
  setMinimumSize(smallest);
  // The first window shows the widest channel grid of the series without scrolling sideways
  // (the MV710's LMR grid needs about 1000 pixels; a 1280 by 800 screen holds it).
  auto* grids = static_cast<GridPane*>(gridPane_);
  int widestGrid = 0;
  for (int g = kGroupUSA; g <= kGroupFourth; ++g)
    widestGrid = std::max(widestGrid, grids->WidthForGrid(g));
  resize(std::max(smallest.width(), treePixels + splitter_->handleWidth() + widestGrid),
         smallest.height());
  splitter_->setSizes({treePixels, width() - treePixels});
  RestorePlacement();
  const QString logo = QString::fromStdString((options_.programFolder / "logo.svg").string());
  if (QFileInfo::exists(logo)) logo_->Load(logo);
  logo_->show();
}

void MainWindow::RestorePlacement() {
  const auto placement = ReadWindowPlacement(store_);
  if (!placement) return;
  const int twips = 1440 / std::max(1, logicalDpiX());
  const QRect wanted(placement->left / twips, placement->top / twips, placement->width / twips,
                     placement->height / twips);
  // A placement from a screen that is gone would put the window out of reach.
  const QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (!screen) return;
  resize(wanted.size().boundedTo(screen->availableGeometry().size()));
  move(wanted.topLeft());
  // The size saved is the frame's; the frame's border is known once the window is shown.
  placedFrameSize_ = size();
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The window manager tells the frame's border some time after the window is shown (at the
  // latest when it activates the window); then the inside is made as much smaller.
  if (placedFrameSize_ && isVisible()) {
    const QSize border = frameGeometry().size() - size();
    if (border.width() >= 0 && border.height() >= 0 && border != QSize(0, 0)) {
      const QSize inside = *placedFrameSize_ - border;
      placedFrameSize_.reset();
      resize(inside);
    } else if (event->type() == QEvent::WindowActivate) {
      placedFrameSize_.reset();  // a window without a frame
    }
  }
  return handled;
}

Pane* MainWindow::ActivePane() const {
  for (Pane* p : panes_) {
    if (p->IsActive()) return p;
  }
  return nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || blocker_->Blocking() || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != this) {
    return false;
  }
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
    return !watched->property(kTakesEnterProperty).toBool();
  if (key->modifiers() == Qt::ControlModifier && options_.debug) {
    if (key->key() == Qt::Key_F3) {
      SaveImageKey();
      return true;
    }
    if (key->key() == Qt::Key_F2) {
      LoadImageKey();
      return true;
    }
  }
  return false;
}

}  // namespace qw
