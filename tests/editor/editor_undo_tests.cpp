// Undo and redo: steps named after what they take back, one step per typed field visit and per
// whole-document command, the pane of the change shown again, and the CSV commands.
#include <QComboBox>
#include <QLineEdit>
#include <QUndoStack>

#include "editor/undo_recorder.h"
#include "editor_fixture.h"
#include "files/csv_channels.h"
#include "tests/files/test_support.h"

using namespace qw;
using namespace qw::test;

namespace {

// A name typed key by key, each key written at once as the channel pane does.
void TypeName(Document& doc, int group, int index, const std::string& text) {
  for (std::size_t n = 1; n <= text.size(); ++n) {
    doc.Edit({EditWhat::Unit::Channel, group, index, "ChTag"},
             [&](RadioData& d) { GroupList(d, group)[index].ChTag = text.substr(0, n); });
  }
}

}  // namespace

class UndoTests : public QObject {
  Q_OBJECT

 private slots:
  void StepsPerFieldVisitOrCommandShowTheirPaneAndKeepTheNewest500() {
    EditorFixture f;
    MainWindow& w = f.Open();
    QUndoStack* stack = w.UndoHistory()->Stack();
    QCOMPARE(stack->count(), 0);  // the start-up is no step
    QAction* undo = f.Menu("mnuEditUndo");
    QVERIFY(!undo->isEnabled());

    f.Select(kAtisNode);
    auto* field = f.Find<QLineEdit>("txtAtisCode");
    field->setFocus();
    TypeName(*f.doc, kGroupUSA, 45, "FUEL");  // slot 45 is channel 22A
    QCOMPARE(stack->count(), 1);
    QCOMPARE(undo->text(), QString("Undo USA 22A name"));
    f.window->Tree()->setFocus();  // leaving the field ends the visit
    field->setFocus();
    TypeName(*f.doc, kGroupUSA, 45, "FUEL DOCK");
    QCOMPARE(stack->count(), 2);

    f.doc->DataChanged = false;
    undo->trigger();
    QCOMPARE(f.Data().USA[45].ChTag, std::string("FUEL"));
    QVERIFY(f.doc->DataChanged);
    undo->trigger();
    QCOMPARE(f.Data().USA[45].ChTag, std::string("USCG"));
    const NavNode channel = NavNode::ChannelOf(kGroupUSA, 45);
    QVERIFY(w.CurrentNode() == channel || !w.Tree()->Has(channel));
    f.Menu("mnuEditRedo")->trigger();
    f.Menu("mnuEditRedo")->trigger();
    QCOMPARE(f.Data().USA[45].ChTag, std::string("FUEL DOCK"));
    QVERIFY(!f.Menu("mnuEditRedo")->isEnabled());

    // New is one step as well; undoing it and then an edit shows the edit's pane again.
    f.Select(kCommonNode);
    auto* scan = f.Find<QComboBox>("cmbScan");
    const bool was = f.Data().CommonSettings.Scan;
    Choose(scan, was ? 0 : 1);
    w.FileNew();
    QCOMPARE(f.Data().CommonSettings.Scan, was);
    QCOMPARE(f.Menu("mnuEditUndo")->text(), QString("Undo New"));

    f.Select(kGeneralNode);
    f.Menu("mnuEditUndo")->trigger();  // the New
    QCOMPARE(f.Data().CommonSettings.Scan, !was);
    QCOMPARE(f.Menu("mnuEditUndo")->text(), QString("Undo Common SCAN"));
    f.Menu("mnuEditUndo")->trigger();  // the edit, its pane in front again
    QCOMPARE(f.Data().CommonSettings.Scan, was);
    QCOMPARE(w.CurrentNode(), kCommonNode);
    QCOMPARE(scan->currentIndex(), was ? 1 : 0);
    f.Menu("mnuEditRedo")->trigger();
    QCOMPARE(scan->currentIndex(), was ? 0 : 1);

    // The history keeps the newest 500 steps.
    for (int i = 0; i < 520; ++i) {
      f.doc->Edit({EditWhat::Unit::Common, -1, -1, "TxPoDisplay"},
                  [i](RadioData& d) { d.CommonSettings.TxPoDisplay = static_cast<int16_t>(i); });
    }
    QCOMPARE(stack->count(), UndoRecorder::kStepLimit);
    while (stack->canUndo()) stack->undo();
    QCOMPARE(f.Data().CommonSettings.TxPoDisplay, int16_t(19));
  }

  void CsvImportIsOneStepAndARefusalIsReportedWithoutOne() {
    EditorFixture f;
    MainWindow& w = f.Open();
    QUndoStack* stack = w.UndoHistory()->Stack();
    const QString bad = f.folder.filePath("bad.csv"), good = f.folder.filePath("good.csv");
    WriteBytes(bad.toStdString(), "Group,CH,ChTag\r\nUSA,16,SOS!\r\n");
    WriteBytes(good.toStdString(),
               "Location,Name,Frequency,Mode\r\n1,ONE,150,FM\r\n2,TWO,450,FM\r\n");
    f.prompter.fileNames = {bad, good};
    f.Menu("mnuFileImportChannels")->trigger();
    QCOMPARE(stack->count(), 0);
    QVERIFY(f.prompter.asked.back().message.Text.starts_with("Data Error!!\nline 2, ChTag"));
    f.Menu("mnuFileImportChannels")->trigger();
    QCOMPARE(stack->count(), 1);
    QCOMPARE(f.Data().FourthGroup[0].ChTag, std::string("ONE"));
    QVERIFY(f.prompter.asked.back().message.Text.find("line 3: Location 2") != std::string::npos);
    QCOMPARE(f.Menu("mnuEditUndo")->text(), QString("Undo CSV import"));
    f.Menu("mnuEditUndo")->trigger();
    QVERIFY(!f.Data().FourthGroup[0].Enable);

    const QString out = f.folder.filePath("out.csv");
    f.prompter.fileNames = {out};
    f.Menu("mnuFileExportChannels")->trigger();
    QCOMPARE(ReadBytes(out.toStdString()), ChannelsToCsv(f.Data()));
  }
};

QTEST_MAIN(UndoTests)
#include "editor_undo_tests.moc"
