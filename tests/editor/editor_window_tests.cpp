// The main window: start-up, tree presence rules, series and destination switches, closing,
// and the debug keys.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

#include "document/config.h"
#include "editor/dialog_prompter.h"
#include "editor/help_viewer.h"
#include "editor_fixture.h"
#include "tests/support/temp_folder.h"

using namespace qw;
using namespace qw::test;

class WindowTests : public QObject {
  Q_OBJECT

 private slots:
  void StartsOnGeneralWithNothingChanged() {
    EditorFixture f;
    f.store.Set("ComPath", "ComNum", "3");
    MainWindow& w = f.Open();

    QCOMPARE(w.windowTitle(), QString("QL24  PC Program for MV510/MV710 Series"));
    QVERIFY(!f.doc->IsModified() && !w.CurrentNode());
    QCOMPARE(w.ActivePane()->objectName(), QString("pictGeneral"));
    QCOMPARE(f.Text("sbrPanel3"), QString("MV710"));  // the series menu: see the cancelled switch
    QVERIFY(f.Menu("mnuCom3")->isChecked() && !f.Menu("mnuCom1")->isChecked());
    // Choosing the stored port at start-up does not store it again.
    QCOMPARE(f.store.Get("ComPath", "ComNum").value(), std::string("3"));
    QVERIFY(f.Menu("tbrRead")->isVisible() && !f.Menu("mnuFileSaveAsDefault")->isVisible() &&
            !f.Menu("tbrSaveAsDefault")->isVisible());

    // The fixed nodes, in order.
    NavTree* tree = w.Tree();
    QTreeWidgetItem* general = tree->topLevelItem(0);
    QCOMPARE(general->childCount(), 3);
    QCOMPARE((std::vector{tree->NodeOf(general), tree->NodeOf(general->child(0)),
                          tree->NodeOf(general->child(1)), tree->NodeOf(general->child(2)),
                          tree->NodeOf(tree->topLevelItem(1))}),
             (std::vector{kGeneralNode, kUsableNode, kCommonNode, kAtisNode, kProgramNode}));
    // The longest label shows in full at the default size, and the smallest size the window
    // can be given clips no control.
    QTreeWidgetItem* usable = general->child(0);  // "Available CH Group Setup"
    QVERIFY(tree->visualItemRect(usable).left() +
                tree->fontMetrics().horizontalAdvance(usable->text(0)) <=
            tree->viewport()->width());
    QVERIFY(w.minimumWidth() <= w.width() && w.minimumHeight() == w.height());
    QCOMPARE(w.minimumSize().expandedTo(w.minimumSizeHint()), w.minimumSize());
  }

  void UsableGroupsAndTheSeriesDecideTheTreeAndThePanes() {
    OpenEditor f;
    MainWindow& w = *f.window;
    f.Change([](RadioData& d) {
      for (auto& g : d.UsableGroupSettings) g.Usable = true;
      d.UsableGroupSettings[kGroupUSA].StatusName = "SHIP";
      auto& intl = d.UsableGroupSettings[kGroupINTL];
      intl.StatusName = "  AB", intl.StatusIcon = true;  // the icon shown instead
    });
    f.doc->MarkUnmodified();
    f.Select(kUsableNode);
    QCOMPARE(w.ActivePane()->objectName(), QString("pictUsable"));

    auto *intl = f.Box("chkUsable1"), *fourth = f.Box("chkUsable3");
    QVERIFY(intl->isChecked());
    intl->click();
    QVERIFY(!f.Data().UsableGroupSettings[kGroupINTL].Usable && f.doc->IsModified());
    QVERIFY(!f.HasNode(NavNode::GroupGrid(kGroupINTL)) &&
            !f.HasNode(NavNode::ChannelOf(kGroupINTL, 0)) &&
            !f.HasNode(NavNode::ChannelOf(kGroupINTL, 239)));
    // The pane shown keeps its node although positions moved.
    QVERIFY(f.TreeNode() == kUsableNode && w.CurrentNode() == kUsableNode);

    intl->click();
    // Each group's node: its caption and how many channels it holds.
    for (auto [group, caption, channels] : {std::tuple{kGroupUSA, "USA(SHIP)", 240},
                                            {kGroupINTL, "INTL", 240},
                                            {kGroupFourth, "LMR Channel", 40}}) {
      const QTreeWidgetItem* root = w.Tree()->ItemOf(NavNode::GroupGrid(group));
      QCOMPARE(root->text(0), QString(caption));
      QCOMPARE(root->childCount(), channels);
    }
    // A channel's Enable edited through the Document shows in its caption at once.
    const NavNode lmr3 = NavNode::ChannelOf(kGroupFourth, 2);
    const bool enabled = f.Data().FourthGroup[2].Enable;
    f.doc->Edit({EditWhat::Unit::Channel, kGroupFourth, 2, "Enable"},
                [&](RadioData& d) { d.FourthGroup[2].Enable = !enabled; });
    QCOMPARE(w.Tree()->ItemOf(lmr3)->text(0), QString(enabled ? "LMR3" : "LMR3[Enable]"));
    fourth->click();  // the fourth group's nodes are added on their own
    QVERIFY(!f.HasNode(NavNode::GroupGrid(kGroupFourth)) &&
            !f.HasNode(NavNode::ChannelOf(kGroupFourth, 0)));

    // The series switch asks first; Cancel keeps everything.
    f.Change([](RadioData& d) { d.CommonSettings.DualWatch = true; });  // New would discard it
    for (const NavNode& node : {NavNode::GroupGrid(kGroupUSA), kWeatherNode}) f.Select(node);

    f.prompter.answers = {PromptAnswer::Cancel};
    QCOMPARE(f.Said("mnuModel510"),
             std::vector<std::string>{"Do yo want to program the MV510 series?"});
    QCOMPARE(w.Series(), kSeriesMV710);
    QVERIFY(!f.store.Get("ModelPath", "ModelNum") && f.Data().CommonSettings.DualWatch);
    // The current series' own entry does nothing at all.
    QVERIFY(f.Said("mnuModel710").empty());
    QVERIFY(f.Menu("mnuModel710")->isChecked() && !f.Menu("mnuModel510")->isChecked());

    f.prompter.answers = {PromptAnswer::Ok};
    f.Menu("mnuModel510")->trigger();
    QCOMPARE(w.Series(), kSeriesMV510);
    QCOMPARE(f.Data().ModelSeries, kSeriesMV510);
    QCOMPARE(f.store.Get("ModelPath", "ModelNum").value(), std::string("1"));
    QVERIFY(f.Menu("mnuModel510")->isChecked() && !f.Menu("mnuModel710")->isChecked());
    QCOMPARE(f.Text("sbrPanel3"), QString("MV510"));
    QVERIFY(!f.doc->IsModified() && !w.CurrentNode());
    // The MV510 has no channel names, scrambler, tones or weather names: narrower grids (their
    // columns: the report's), no wider than their texts, and fewer fields.
    f.Select(NavNode::GroupGrid(kGroupUSA));
    auto* view = f.Find<QTableView>("grdChannel");
    QCOMPARE(view->model()->columnCount(), 8);
    QVERIFY(view->columnWidth(7) < view->viewport()->width() / 4);
    f.Select(kWeatherNode);
    QVERIFY(f.Box("chkWxEnable0")->isVisible() && !f.Field("txtWxName0")->isVisible());
    f.Select(NavNode::ChannelOf(kGroupFourth, 0));
    QVERIFY(f.List("cmbScramble")->isHidden() && f.Field("txtCHName")->isHidden() &&
            !f.List("cmbRxCTCSS")->isVisibleTo(&w));

    // The switch is one undo step (what undoing it gives back: the random undo histories).
    QCOMPARE(f.UndoText(), QString("Undo MV510 series"));
  }

  // The placement saved is where the window opens; a close answered Yes and then a cancelled save
  // keeps the window and the edits, as Cancel does; No closes and saves the placement back as it
  // was taken, so the window does not grow from start to start.
  void ClosingAsksAndKeepsThePlacement() {
    EditorFixture f;
    const int twips = 1440 / QWidget().logicalDpiX();
    SaveWindowPlacement(f.store, 20 * twips, 30 * twips, 700 * twips, 500 * twips);
    MainWindow& w = f.Open();
    QCOMPARE(w.frameGeometry().size(), QSize(700, 500));
    QCOMPARE(w.pos(), QPoint(20, 30));
    f.store.Set("Settings", "MainWidth", "0");  // to see whether a close stores it
    f.Select(kCommonNode);
    ChangeList(f.List("cmbDualWatch"));
    QVERIFY(f.doc->IsModified());
    const bool edited = f.Data().CommonSettings.DualWatch;

    f.prompter.answers = {PromptAnswer::Yes};  // then the save dialog is cancelled
    QVERIFY(!w.close());
    QCOMPARE(f.prompter.asked.back().message.Text,
             std::string("ZOK data has changed.\r\nDo you want to save changes?"));
    QCOMPARE(f.prompter.asked.back().buttons, PromptButtons::YesNoCancel);
    QVERIFY(f.doc->IsModified() && f.Data().CommonSettings.DualWatch == edited);
    QCOMPARE(f.store.Get("Settings", "MainWidth").value(), std::string("0"));

    f.prompter.answers = {PromptAnswer::Cancel, PromptAnswer::No};
    QVERIFY(!w.close());
    QVERIFY(w.close());
    const auto saved = ReadWindowPlacement(f.store).value();
    QCOMPARE(QSize(saved.width, saved.height), QSize(700 * twips, 500 * twips));
  }

  // Save and Open keep the changed flag: only the close question settles the edits.
  void OpenBringsBackTheSavedValuesAndKeepsTheChangedFlag() {
    // A data file and the JSON form, told apart by the name.
    for (const QString name : {"saved.dat", "saved.json"}) {
      OpenEditor f;
      MainWindow& w = *f.window;
      f.Change([](RadioData& d) { d.CommonSettings.ResumeTime = 3; });
      const QString path = f.folder.filePath(name);
      f.prompter.fileNames = {path};
      QVERIFY(w.FileSave(false));
      QCOMPARE(ReadBytes(path.toStdString())[0], name.endsWith("json") ? '{' : '[');

      f.Select(kCommonNode);
      ChangeList(f.List("cmbResumeTime"));
      f.Said("mnuFileOpen", {path});
      QVERIFY(f.Data().CommonSettings.ResumeTime == 3 && f.doc->IsModified());
      // The pane shown follows the file.
      QCOMPARE(f.List("cmbResumeTime")->currentText(), QString("3Sec"));
      QCOMPARE(w.windowTitle(), "QL24  PC Program for MV510/MV710 Series - " + name);

      // Values the radio cannot store are named in one warning.
      f.Change([](RadioData& d) { d.CommonSettings.Weater = 300; });
      QVERIFY(w.FileSave(true) && f.doc->IsModified());
      QCOMPARE(f.Said("mnuFileOpen", {path}),
               std::vector<std::string>{"Values were changed to what the radio can store:\n"
                                        "CommonSettings.Weater = 300 (the radio will store 0)"});

      // Yes to the close question saves to the current name without asking for one.
      f.prompter.answers = {PromptAnswer::Yes};
      QVERIFY(w.close());
      QVERIFY(f.prompter.fileNames.empty() && f.prompter.fileChoices.size() == 3);
    }
  }

  // Each file chooser is titled after its command and starts where the last file of its kind
  // went (kept across starts), else in the documents folder, never in the program's folder.
  void FileChoosersAreNamedAndStartWhereTheirKindWasLast() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QTemporaryDir data, lists;
    EditorFixture f;
    f.store.Set("Folders", "Pdf", f.folder.filePath("gone").toStdString());
    MainWindow& w = f.Open();
    f.prompter.fileNames = {data.filePath("a.dat"), lists.filePath("a.csv")};
    QVERIFY(w.FileSave(false));
    w.ExportChannels(false);
    QCOMPARE(w.statusBar()->currentMessage(), QString("Channels written to a.csv"));
    QCOMPARE(w.statusBar()->toolTip(), QDir::toNativeSeparators(lists.filePath("a.csv")));
    for (const char* entry : {"mnuFileOpen", "mnuFileImportChannels", "mnuFileExportCommon",
                              "mnuFileExportPdf", "mnuFileCompare"}) {
      f.Menu(entry)->trigger();
    }
    QStringList shown;
    for (const FileChoice& c : f.prompter.fileChoices) shown << c.title + " in " + c.folder;
    QCOMPARE(shown, (QStringList{"Save As in " + documents, "Export Channels in " + documents,
                                 "Open in " + data.path(), "Import Channels in " + lists.path(),
                                 "Export Channels (Common Format) in " + lists.path(),
                                 "Export PDF in " + documents, "Compare With in " + data.path()}));
    // Memory images only in debug mode (the filters' texts are the file kinds').
    QVERIFY(!f.prompter.fileChoices[2].filter.contains("*.hex"));

    EditorFixture next;
    next.store = f.store;
    next.Open().FileOpen();
    QCOMPARE(next.prompter.fileChoices.back().folder, data.path());
  }

  // A message box is never narrower than its title, so no window manager cuts the title.
  void MessageBoxesAreWideEnoughForTheirTitle() {
    DialogPrompter prompter;
    const Message message{"Complete!!", "PC Program for MV510/MV710 Series",
                          MessageIcon::Information};
    int width = 0, needed = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      width = box->width();
      needed = box->fontMetrics().horizontalAdvance(box->windowTitle());
      box->accept();
    });
    prompter.Show(nullptr, message);
    QCOMPARE_GE(width, needed + 60);
  }

  void DestinationMenuListsSortsAndChecksTheRememberedOne() {
    EditorFixture none;  // images of the other series only: nothing to choose
    WriteDestinationImage(none.folder.path(), "usa", kSeriesMV510);
    none.Open();
    QVERIFY(!none.Find<QMenu>("mnuDestination")->isEnabled());

    EditorFixture f;
    for (auto [name, series] : {std::pair{"usa", kSeriesMV710},
                                {"eur", kSeriesMV710},
                                {"usa", kSeriesMV510},
                                {"can", kSeriesMV510}})
      WriteDestinationImage(f.folder.path(), name, series);
    f.Open();

    QVERIFY(f.Find<QMenu>("mnuDestination")->isEnabled());
    QCOMPARE(f.Destinations(), (QStringList{"EUR", "USA*"}));

    // Another destination asks first; the checked one is re-applied without a question.
    f.prompter.answers = {PromptAnswer::Ok};
    QCOMPARE(f.Said("mnuDestination0").front(), std::string("Do yo want to change to EUR?"));
    QCOMPARE(f.Destinations(), (QStringList{"EUR*", "USA"}));
    QCOMPARE(f.store.Get("IniFilePath", "IniFileName_2").value(), std::string("EUR"));
    QVERIFY(!f.doc->IsModified());

    f.prompter.asked.clear();
    f.Menu("mnuDestination0")->trigger();
    for (const auto& said : f.prompter.asked) QCOMPARE(said.buttons, PromptButtons::Ok);
    // Cancel leaves the mark where it was.
    f.prompter.answers = {PromptAnswer::Cancel};
    f.Menu("mnuDestination1")->trigger();
    QCOMPARE(f.Destinations(), (QStringList{"EUR*", "USA"}));

    // A destination that cannot be loaded changes nothing: data, mark and changed flag stay.
    QFile::remove(f.folder.filePath("usa_02C6.ini"));
    f.Change([](RadioData& d) { d.USA[3].ChTag = "MINE"; });
    f.prompter.answers = {PromptAnswer::Ok};
    f.Menu("mnuDestination1")->trigger();
    QCOMPARE(f.prompter.asked.back().message.Text, std::string("IniFileRead Error!!"));
    QVERIFY(f.Data().USA[3].ChTag == "MINE" && f.doc->IsModified());
    QCOMPARE(f.Destinations(), (QStringList{"EUR*", "USA"}));
  }

  // The debug keys save and load the image only with the debug switch; Enter never reaches a
  // field.
  void DebugKeysWorkOnlyWithTheSwitchAndEnterReachesNoField() {
    // Without the switch, and with other modifiers, the keys ask for no file.
    OpenEditor plain;
    EditorFixture f;
    MainWindow& w = f.Open(true);
    for (auto [window, key, modifiers] :
         {std::tuple{plain.window.get(), Qt::Key_F3, Qt::KeyboardModifiers(Qt::ControlModifier)},
          {plain.window.get(), Qt::Key_F2, Qt::ControlModifier},
          {&w, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier},
          {&w, Qt::Key_F2, Qt::AltModifier}})
      QTest::keyClick(window->Tree(), key, modifiers);
    QVERIFY(plain.prompter.fileChoices.empty() && f.prompter.fileChoices.empty());
    f.Select(kAtisNode);
    auto* code = f.Field("txtAtisCode");
    code->setFocus();
    QSignalSpy returns(code, &QLineEdit::returnPressed);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(code, key);
    QVERIFY(returns.count() == 0 && w.isVisible());
    const QString path = f.folder.filePath("radio.hex");
    f.prompter.fileNames = {path};
    QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier);
    QCOMPARE(QFileInfo(path).size(), 16384);

    f.Select(kCommonNode);
    ChangeList(f.List("cmbDualWatch"));
    QVERIFY(f.doc->IsModified());
    f.prompter.fileNames = {path};
    QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(!f.doc->IsModified());
    QCOMPARE(w.windowTitle(), QString("QL24  PC Program for MV510/MV710 Series - radio.hex"));

    // Save then asks for a name rather than writing data-file text into the image, and a name
    // typed without an extension gets the filter's.
    f.prompter.fileNames = {f.folder.filePath("boat")};
    QVERIFY(w.FileSave(true) && f.prompter.fileChoices.back().filter.contains("*.hex"));
    QCOMPARE(QFileInfo(path).size(), 16384);
    QVERIFY(QFileInfo(f.folder.filePath("boat.dat")).size() > 0 &&
            !QFileInfo::exists(f.folder.filePath("boat")));
  }

  void HelpOpensTheHelpPagesOrSaysThereAreNone() {
    OpenEditor f;
    MainWindow& w = *f.window;
    f.Menu("mnuHelpContents")->trigger();
    QCOMPARE(f.prompter.asked.back().message,
             (Message{"Unable to display Help Contents. There is no Help associated with this "
                      "project.",
                      w.windowTitle().toStdString(), MessageIcon::Information}));
    f.Menu("mnuTransferRead")->trigger();
    QPointer<QDialog> dialog = w.findChild<QDialog*>("frmRadio");
    auto* dialogHelp = dialog->findChild<QPushButton*>("cmdHelp");
    dialogHelp->click();
    QCOMPARE(f.prompter.asked.back().message.Title, std::string("Read from Radio"));

    QDir(f.folder.path()).mkpath("help");
    for (const QString topic : {"index", "channels", "transfer"}) {
      QFile page(f.folder.filePath("help/" + topic + ".html"));
      QVERIFY(page.open(QIODevice::WriteOnly));
      page.write("<html><body><h1>" + topic.toUtf8() + "</h1></body></html>");
    }
    // The modal dialog's help window is its own, so the dialog's input block leaves it out.
    dialogHelp->click();
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    auto* viewer = dialog->findChild<QWidget*>("frmHelp");
    QVERIFY(viewer && viewer->isVisible() && viewer->isWindow());
    dialog->findChild<QPushButton*>("cmdCancel")->click();
    QTRY_VERIFY(!dialog);

    const size_t asked = f.prompter.asked.size();
    f.Menu("mnuHelpContents")->trigger();
    QCOMPARE(f.prompter.asked.size(), asked);
    auto* help = w.findChild<HelpViewer*>("frmHelp");
    QVERIFY(help && help->isVisible());

    // Back, Forward and Home step through the pages read.
    auto* back = help->findChild<QAction*>("cmdBack");
    auto* forward = help->findChild<QAction*>("cmdForward");
    auto* home = help->findChild<QAction*>("cmdHome");
    QVERIFY(!back->isEnabled() && !forward->isEnabled());
    help->Browser()->setSource(QUrl("channels.html"));  // a link followed
    // Each step: the page shown, and whether Back and Forward can go on from it.
    for (auto [step, page, backOn, forwardOn] : {std::tuple{back, "index.html", false, true},
                                                 {forward, "channels.html", true, false},
                                                 {home, "index.html", true, false}}) {
      step->trigger();
      QCOMPARE(help->Browser()->source().fileName(), QString(page));
      QCOMPARE(std::pair(back->isEnabled(), forward->isEnabled()), std::pair(backOn, forwardOn));
    }
  }
};

QTEST_MAIN(WindowTests)
#include "editor_window_tests.moc"
