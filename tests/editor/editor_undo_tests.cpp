// Undo and redo: steps named after what they take back, one step per typed field visit and per
// whole-document command, the pane of the change shown again.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>
#include <random>

#include "editor/transfer_dialog.h"
#include "editor/undo_recorder.h"
#include "editor_fixture.h"
#include "formats/data_file_writer.h"
#include "model/image_codec.h"
#include "sim/memory_port.h"
#include "tests/document/test_support.h"

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

// A data set of the MV710 with every field the files carry set from the seed.
RadioData Filled(unsigned seed) {
  RadioData d = NewData(kSeriesMV710);
  FillCarriedFields(d, seed);
  return d;
}

// The common SCAN setting switched over, as one edit.
void FlipScan(Document& doc) {
  doc.Edit({EditWhat::Unit::Common, -1, -1, "Scan"},
           [](RadioData& d) { d.CommonSettings.Scan = !d.CommonSettings.Scan; });
}

// What the user calls the document: the whole data set, its file, the caption and the
// destinations offered, the ticked one marked. Every undo and redo must land on one of these
// exactly.
struct DocumentState {
  RadioData data;
  std::string file;
  QString caption, destinations;
  bool operator==(const DocumentState&) const = default;
};

DocumentState StateOf(EditorFixture& f) {
  return {f.Data(), f.doc->FileName(), f.window->windowTitle(), f.Destinations().join(", ")};
}

// A window with destinations for both series, files of every kind to open, and a radio.
struct HistoryFixture : EditorFixture {
  SimulatedRadio radio{kSeriesMV710, RadioMemoryOf(Filled(7))};
  ManualClock clock;

  QString Path(const char* name) { return folder.filePath(name); }

  HistoryFixture() {
    for (int16_t series : {kSeriesMV510, kSeriesMV710}) {
      for (const char* name : {"usa", "can"}) WriteDestinationImage(folder.path(), name, series);
    }
    WriteBytes(Path("a.dat").toStdString(), DataFileText(Filled(1)));
    WriteBytes(Path("lmr.csv").toStdString(),
               "Location,Name,Frequency,Mode\r\n3,PIER,156.013,FM\r\n9,YARD,160.2,NFM\r\n");
    const std::vector<uint8_t> bytes = RadioMemoryOf(Filled(2));
    const std::string image(bytes.begin(), bytes.end());
    WriteBytes(Path("b.hex").toStdString(), image);
    std::filesystem::create_directories(folder.filePath("backups").toStdString());
    WriteBytes(Path("backups/MV710-20261206-043202-read.hex").toStdString(), image);
    backupFolder = folder.filePath("backups").toStdString();
    Open(
        true, [this] { return std::unique_ptr<SerialPort>(new MemoryPort(radio, clock)); }, &clock);
  }

  // One of the commands that change the data set, picked by the random number.
  void RandomCommand(std::mt19937& random) {
    const int16_t series = Data().ModelSeries;
    const int list = static_cast<int>(random() % 5);
    const int size =
        static_cast<int>(list == kGroupWX ? Data().WX.size() : GroupList(Data(), list).size());
    const int index = static_cast<int>(random() % size);
    auto channel = [&](const char* field, auto change) {
      doc->Edit({EditWhat::Unit::Channel, list, index, field}, [&](RadioData& d) {
        change(list == kGroupWX ? d.WX[index] : GroupList(d, list)[index]);
      });
    };
    auto file = [&](const char* name) { prompter.fileNames = {Path(name)}; };
    prompter.answers = {PromptAnswer::Ok};
    const std::function<void()> commands[] = {
        [&] {
          channel("ChTag",
                  [&](ChannelRecord& ch) { ch.ChTag = "N" + std::to_string(random() % 99); });
        },
        [&] { channel("Enable", [](ChannelRecord& ch) { ch.Enable = !ch.Enable; }); },
        [&] {
          channel("Rxfreq", [&](ChannelRecord& ch) { ch.Rxfreq = 150 + (random() % 400) * 0.025; });
        },
        [&] { FlipScan(*doc); },
        [&] {
          doc->Edit({EditWhat::Unit::UsableGroup, list % 4, -1, "TxTot"}, [&](RadioData& d) {
            d.UsableGroupSettings[list % 4].TxTot = !d.UsableGroupSettings[list % 4].TxTot;
          });
        },
        [&] { window->FileNew(); },
        [&] { file(random() % 2 ? "a.dat" : "b.hex"), window->FileOpen(); },
        [&] {
          if (series == kSeriesMV710) Transfer("mnuTransferRead");
        },
        [&] { window->ChooseSeries(series == kSeriesMV710 ? kSeriesMV510 : kSeriesMV710); },
        [&] { Menu(QString("mnuDestination%1").arg(random() % 2))->trigger(); },
        [&] { file("lmr.csv"), window->ImportChannels(); },
        [&] { file("b.hex"), window->LoadImageKey(); },
        [&] {
          file("backups/MV710-20261206-043202-read.hex"), Menu("mnuFileRestoreBackup")->trigger();
        },
        [&] {
          doc->Edit({EditWhat::Unit::Atis, -1, -1, "AtisCode"},
                    [&](RadioData& d) { d.AtisSettings.AtisCode = std::to_string(random()); });
        },
    };
    commands[random() % std::size(commands)]();
    prompter.asked.clear();
  }
};

}  // namespace

class UndoTests : public QObject {
  Q_OBJECT

 private slots:
  void StepsPerFieldVisitOrCommandGiveTheDocumentBackAndAreNeverRefused() {
    EditorFixture f;
    for (const char* name : {"usa", "can"}) WriteDestinationImage(f.folder.path(), name, 2);
    f.store.Set("IniFilePath", "IniFileName_2", "USA");
    MainWindow& w = f.Open();
    QUndoStack* stack = w.UndoHistory()->Stack();
    // The start-up is no step.
    QVERIFY(!f.Menu("mnuEditUndo")->isEnabled() && !f.Menu("mnuEditRedo")->isEnabled());

    f.Select(kAtisNode);
    auto* field = f.Field("txtAtisCode");
    field->setFocus();
    TypeName(*f.doc, kGroupUSA, 45, "FUEL");  // slot 45 is channel 22A
    QCOMPARE(stack->count(), 1);
    QCOMPARE(f.UndoText(), QString("Undo USA 22A name"));
    f.window->Tree()->setFocus();  // leaving the field ends the visit
    field->setFocus();
    TypeName(*f.doc, kGroupUSA, 45, "FUEL DOCK");
    QCOMPARE(stack->count(), 2);

    QCOMPARE(f.Undo().USA[45].ChTag, std::string("FUEL"));

    // Undoing an edit shows its pane again, the undone value in it.
    f.Select(kCommonNode);
    auto* scan = f.List("cmbScan");
    const bool was = f.Data().CommonSettings.Scan;
    Choose(scan, was ? 0 : 1);
    f.Select(kGeneralNode);
    QCOMPARE(f.UndoText(), QString("Undo Common SCAN"));
    QCOMPARE(f.Undo().CommonSettings.Scan, was);
    QCOMPARE(w.CurrentNode(), kCommonNode);
    QCOMPARE(scan->currentIndex(), was ? 1 : 0);

    // A CSV import is one step; one refused is reported and makes none.
    const QString bad = f.folder.filePath("bad.csv"), good = f.folder.filePath("good.csv");
    WriteBytes(bad.toStdString(), "Group,CH,ChTag\r\nUSA,16,SOS!\r\n");
    WriteBytes(good.toStdString(),
               "Location,Name,Frequency,Mode\r\n1,ONE,150,FM\r\n2,TWO,450,FM\r\n");
    const int steps = stack->index();
    QVERIFY(
        f.Said("mnuFileImportChannels", {bad}).front().starts_with("Data Error!!\nline 2, ChTag"));
    QCOMPARE(stack->index(), steps);
    QVERIFY(f.Said("mnuFileImportChannels", {good}).front().find("line 3: Location 2") !=
            std::string::npos);
    QCOMPARE(stack->index(), steps + 1);
    QCOMPARE(f.UndoText(), QString("Undo CSV import"));

    // The cases that lost data before: a destination switch taken back, Undo refused by the pane
    // check, and the entry naming typing not yet taken in.
    f.prompter.answers = {PromptAnswer::Ok};
    f.Menu("mnuDestination0")->trigger();  // CAN
    f.Undo();                              // the data set and the menu: see the random histories
    QCOMPARE(f.store.Get("IniFilePath", "IniFileName_2").value(), std::string("USA"));

    // An enabled channel without a frequency fails the pane check; Undo and Redo still work.
    f.doc->Edit({EditWhat::Unit::UsableGroup, kGroupFourth, -1, "Usable"},
                [](RadioData& d) { d.UsableGroupSettings[kGroupFourth].Usable = true; });
    f.doc->Edit({EditWhat::Unit::Channel, kGroupFourth, 0, "Rxfreq"}, [](RadioData& d) {
      d.FourthGroup[0] = NewData(kSeriesMV710).FourthGroup[0];
      d.FourthGroup[0].Rxfreq = 0;
    });
    f.Select(NavNode::ChannelOf(kGroupFourth, 0));
    f.Box("chkCHEnable")->click();
    QVERIFY(f.Data().FourthGroup[0].Enable && !w.PaneCheck());
    f.prompter.asked.clear();
    QVERIFY(!f.Undo().FourthGroup[0].Enable);
    QVERIFY(f.Redo().FourthGroup[0].Enable && f.prompter.asked.empty());

    // Typing not yet taken in is what Undo names and takes back first.
    auto* rx = f.Field("txtCRF");
    rx->setFocus();
    QTest::keyClicks(rx, "156.05");
    emit f.Find<QMenu>("mnuEdit")->aboutToShow();
    QCOMPARE(f.UndoText(), QString("Undo LMR1 Rx frequency"));
    QVERIFY(f.Undo().FourthGroup[0].Enable);
    QCOMPARE(rx->text(), QString("---.----"));
    // The entry names the step before at once, not only when the menu opens next.
    QCOMPARE(f.UndoText(), QString("Undo LMR1 enable"));
    f.Undo();
    QVERIFY(w.PaneCheck());
    // After File New no pane is shown until a node is picked; Undo works there too.
    const RadioData beforeNew = f.Data();
    f.prompter.answers = {PromptAnswer::No};
    f.Menu("mnuFileNew")->trigger();
    QTRY_COMPARE(f.UndoText(), QString("Undo New"));
    QVERIFY(f.Undo() == beforeNew && !w.ActivePane());

    // Undoing the only edit since New leaves nothing to save; Redo brings it back.
    f.Menu("mnuFileNew")->trigger();
    QTRY_COMPARE(f.UndoText(), QString("Undo New"));
    QVERIFY(!f.doc->IsModified());
    w.Tree()->setFocus();
    FlipScan(*f.doc);
    f.Undo();
    QVERIFY(!f.doc->IsModified());
    f.Redo();
    QVERIFY(f.doc->IsModified());

    // The history keeps the newest 500 steps.
    for (int i = 0; i < 520; ++i) {
      f.doc->Edit({EditWhat::Unit::Common, -1, -1, "TxPoDisplay"},
                  [i](RadioData& d) { d.CommonSettings.TxPoDisplay = static_cast<int16_t>(i); });
    }
    QCOMPARE(stack->count(), UndoRecorder::kStepLimit);
    while (stack->canUndo()) stack->undo();
    QCOMPARE(f.Data().CommonSettings.TxPoDisplay, int16_t(19));
  }

  // Random histories of every command that changes the data set, then Undo to the start and
  // Redo to the end: each step lands exactly on the state recorded when it was made.
  // QW_UNDO_STEPS and QW_UNDO_SEEDS make longer runs by hand.
  void RandomHistoriesWalkBackAndForthThroughEveryState() {
    const int steps = qEnvironmentVariableIsSet("QW_UNDO_STEPS")
                          ? qEnvironmentVariableIntValue("QW_UNDO_STEPS")
                          : 300;
    const int seeds = std::max(1, qEnvironmentVariableIntValue("QW_UNDO_SEEDS"));
    for (int seed = 1; seed <= seeds; ++seed) {
      HistoryFixture f;
      QUndoStack* stack = f.window->UndoHistory()->Stack();
      std::vector<DocumentState> states{StateOf(f)};
      std::mt19937 random(static_cast<unsigned>(seed));
      for (int step = 0; step < steps; ++step) {
        const int before = stack->count();
        f.RandomCommand(random);
        QVERIFY(stack->count() <= before + 1);
        if (stack->count() > before) {
          states.push_back(StateOf(f));
        } else {
          QVERIFY(StateOf(f) == states.back());  // a command that made no step changed nothing
        }
      }
      auto at = [&](const char* way, std::size_t k) {
        return QString("seed %1, %2 to %3").arg(seed).arg(way).arg(k);
      };
      for (std::size_t k = states.size() - 1; k-- > 0;) {
        f.Undo();
        QVERIFY2(StateOf(f) == states[k], qPrintable(at("undo", k)));
      }
      QVERIFY(!stack->canUndo());
      for (std::size_t k = 1; k < states.size(); ++k) {
        f.Redo();
        QVERIFY2(StateOf(f) == states[k], qPrintable(at("redo", k)));
      }
    }
  }
};

QTEST_MAIN(UndoTests)
#include "editor_undo_tests.moc"
