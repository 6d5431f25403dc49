// The transfer dialog against an in-memory simulated radio: a read, a program run, a radio of
// the other series, a cancel, and what the dialog shows.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <future>

#include "document/backups.h"
#include "editor/compare_window.h"
#include "editor/pane.h"
#include "editor/svg_picture.h"
#include "editor/transfer_dialog.h"
#include "editor_fixture.h"
#include "formats/image_file.h"
#include "model/image_codec.h"
#include "sim/memory_port.h"
#include "tests/support/radio_data.h"

using namespace qw;
using namespace qw::test;

namespace {

// A radio whose memory holds a data set that differs from the defaults in known places.
std::vector<uint8_t> RadioMemory(int16_t series, bool dualWatch, const std::string& atisCode) {
  RadioData d = NewData(series);
  d.CommonSettings.DualWatch = dualWatch, d.AtisSettings.AtisCode = atisCode;
  return RadioMemoryOf(d);
}

// The window with a radio on its cable; every transfer opens a port to it. A gate, when set,
// holds the transfer at the port's opening until the test lets it go.
struct TransferFixture : EditorFixture {
  SimulatedRadio radio;
  ManualClock clock;
  std::shared_future<void> gate;

  TransferFixture(int16_t radioSeries, std::vector<uint8_t> memory)
      : radio(radioSeries, std::move(memory)) {}

  PortFactory Port() {
    return [this] {
      if (gate.valid()) gate.wait();
      return std::unique_ptr<SerialPort>(new MemoryPort(radio, clock));
    };
  }
  MainWindow& OpenWindow() { return Open(false, Port(), &clock); }
  TransferDialog* Dialog() { return window->findChild<TransferDialog*>("frmRadio"); }
  void Ok() { Dialog()->findChild<QPushButton*>("cmdOK")->click(); }
};

}  // namespace

class TransferTests : public QObject {
  Q_OBJECT

 private slots:
  // What a read or a program puts where: the document's and the link's tests.
  void ReadTakesTheRadiosDataAndProgramWritesItBack() {
    TransferFixture f(kSeriesMV710, RadioMemory(kSeriesMV710, true, "1234567890"));
    MainWindow& w = f.OpenWindow();
    f.Select(kCommonNode);
    ChangeList(f.List("cmbWeatherAlert"));
    QVERIFY(f.doc->IsModified());

    f.Menu("mnuTransferRead")->trigger();
    QPointer<TransferDialog> dialog = f.Dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Read from Radio"));
    QVERIFY(dialog->findChild<QLabel*>("lblmess")->text().startsWith(
        "1.Connect the ZOK cable between the PC serial port and the radio.\n2.On the radio, "
        "press and hold the [DOWN]+[H/L]+[MEM] keys"));
    auto radioOnTheLeft = [&] {
      return dialog->findChild<SvgPicture*>("pictHandy")->x() <
             dialog->findChild<SvgPicture*>("pictB")->x();
    };
    QVERIFY(radioOnTheLeft());  // reading: the radio on the left, the computer on the right

    // The run names its phase and how far it is; idle, the dialog says nothing.
    auto* phase = dialog->findChild<QLabel*>("lblPhase");
    QVERIFY(phase->text().isEmpty());
    f.Ok();
    QCOMPARE(phase->text(), QString("Reading 0%"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 10000);
    QCOMPARE(f.prompter.asked.back().message,
             (Message{"Complete!!", "Read from Radio", MessageIcon::Information}));
    QCOMPARE(f.Data().AtisSettings.AtisCode, std::string("1234567890"));
    QVERIFY(f.Data().CommonSettings.DualWatch && !f.doc->IsModified() && f.doc->FileName().empty());
    QVERIFY(!w.State().ResetBusy);
    QCOMPARE(w.ActivePane()->objectName(), QString("pictGeneral"));

    // The read is one step (what undoing it gives back: the random undo histories).
    QTRY_COMPARE(f.UndoText(), QString("Undo Read from Radio"));

    // Programming, with Options > Verify after Program (remembered): the computer on the left
    // now. (A failed run keeps the dialog as the refused read below does.)
    QAction* verify = f.Menu("mnuOptionsVerify");
    QVERIFY(verify->isCheckable() && !verify->isChecked());
    verify->trigger();
    QCOMPARE(f.store.Get("Settings", "VerifyAfterProgram"), std::optional<std::string>("1"));
    f.Menu("mnuTransferProgram")->trigger();
    dialog = f.Dialog();
    QCOMPARE(dialog->windowTitle(), QString("Program to Radio"));
    QVERIFY(!radioOnTheLeft());
    f.Ok();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 10000);
    QCOMPARE(f.prompter.asked.back().message,
             (Message{"Complete!!\n\nVerified: the radio was read back and holds what was "
                      "programmed.",
                      "Program to Radio", MessageIcon::Information}));
    QCOMPARE(w.statusBar()->currentMessage(), QString("Programmed and verified"));
    // With a read-back, each half of the bar is a phase of its own.
    using Mode = TransferDialog::Mode;
    QCOMPARE((QStringList{TransferDialog::PhaseText(Mode::Program, true, 50),
                          TransferDialog::PhaseText(Mode::Program, true, 75),
                          TransferDialog::PhaseText(Mode::Program, false, 75)}),
             (QStringList{"Programming 100%", "Verifying 50%", "Programming 75%"}));
    QVERIFY(!w.State().ResetBusy);
  }

  // A radio of another model, or a cancel while the port opens: the data set stays, and the
  // dialog stays open for another try.
  void RefusedOrCancelledReadKeepsDataAndDialog() {
    // Both model words say MV510 in a memory of the MV710's size.
    std::vector<uint8_t> memory = RadioMemory(kSeriesMV710, true, "");
    for (std::size_t at : {std::size_t(0x40), memory.size() - 2}) {
      memory[at] = 0x01;
      memory[at + 1] = 0xFE;
    }
    TransferFixture f(kSeriesMV710, memory);
    MainWindow& w = f.OpenWindow();  // MV710 selected
    const RadioData before = f.Data();
    f.Menu("mnuTransferRead")->trigger();
    QPointer<TransferDialog> dialog = f.Dialog();
    f.Ok();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->Running(), 10000);
    QCOMPARE(f.prompter.asked.back().message,
             (Message{"ModelType Error !!", "Read from Radio", MessageIcon::Stop}));
    QVERIFY(dialog->isVisible() && !dialog->TransferDone());
    QCOMPARE(dialog->Progress(), 0);
    QVERIFY(f.Data() == before);

    std::promise<void> release;
    f.gate = release.get_future().share();
    f.Ok();
    QVERIFY(dialog->Running() && !dialog->findChild<QPushButton*>("cmdOK")->isEnabled());
    QVERIFY(!dialog->findChild<QPushButton*>("cmdHelp")->isEnabled() && !dialog->close());
    dialog->findChild<QPushButton*>("cmdCancel")->click();
    const size_t asked = f.prompter.asked.size();
    release.set_value();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->Running(), 10000);
    QCOMPARE(f.prompter.asked.size(), asked);  // a cancel shows nothing
    QVERIFY(dialog->isVisible() && f.Data() == before && !w.State().ResetBusy);
    dialog->findChild<QPushButton*>("cmdCancel")->click();
    QTRY_VERIFY(!dialog);
  }

  // A read keeps a backup; Compare With lists what differs from it, follows every edit of the
  // data set (undo and a restore included) and shows a double-clicked field in the main window,
  // brought in front; Restore Backup puts the backup back as one change.
  void BackupsCanBeComparedAndRestored() {
    TransferFixture f(kSeriesMV710, RadioMemory(kSeriesMV710, true, "1234567890"));
    QTemporaryDir backups;
    f.backupFolder = backups.path().toStdString();
    MainWindow& w = f.OpenWindow();
    f.Transfer("mnuTransferRead");
    const auto kept = ListBackups(f.backupFolder);
    QCOMPARE(kept.size(), std::size_t(1));
    const QString backup = QString::fromStdString(kept[0].path.string());
    // Words that fit the status bar; the file in its tooltip.
    QCOMPARE(w.statusBar()->currentMessage(), QString::fromUtf8("Read complete — backup kept"));
    QCOMPARE(w.statusBar()->toolTip(), "Backup: " + QDir::toNativeSeparators(backup));

    f.Change([](RadioData& d) { d.CommonSettings.DualWatch = false, d.USA[5].ChTag = "SHIFTED"; });
    f.Said("mnuFileCompare", {backup});
    QPointer<CompareWindow> compare;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* c = qobject_cast<CompareWindow*>(top)) compare = c;
    }
    QVERIFY(compare && compare->isVisible());
    auto lines = [&] { return compare->SelectedText().split('\n', Qt::SkipEmptyParts); };
    const QString dualWatch = "Dual Watch: Off -> On";
    QCOMPARE(lines().size(), 2);
    QCOMPARE(lines()[0], dualWatch);
    QVERIFY(lines()[1].startsWith("USA ") && lines()[1].contains(" CH Name: \"SHIFTED\" -> \""));

    QTableView* table = compare->Table();
    table->selectRow(1);
    f.doc->Edit({EditWhat::Unit::Channel, 0, 5, "ChTag"},
                [](RadioData& d) { d.USA[5].ChTag = "EDITED"; });
    QVERIFY(lines()[0].contains(" CH Name: \"EDITED\" -> \""));  // the selection is kept
    table->clearSelection();
    f.doc->Edit({EditWhat::Unit::Common, -1, -1, "DualWatch"},
                [](RadioData& d) { d.CommonSettings.DualWatch = true; });
    QCOMPARE(lines().size(), 1);
    f.Menu("mnuEditUndo")->trigger();
    QCOMPARE(lines().size(), 2);

    QApplication::setActiveWindow(compare);
    QVERIFY(QTest::qWaitForWindowActive(compare));
    QVERIFY(!w.isActiveWindow());
    const QPoint row = table->visualRect(table->model()->index(0, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(w.ActivePane()->objectName(), QString("pictCommon"));
    QTRY_VERIFY(w.isActiveWindow());

    f.Said("mnuFileRestoreBackup", {backup});
    const FileChoice& chooser = f.prompter.fileChoices.back();
    QVERIFY(chooser.title == "Restore Backup" && chooser.folder == backups.path() &&
            chooser.details);
    QVERIFY(f.Data().CommonSettings.DualWatch && f.doc->IsModified() && lines().isEmpty());

    // A backup of the other series says which it is and offers to switch; the switch and the
    // restore are one step.
    RadioData mv510 = NewData(kSeriesMV510);
    mv510.AtisSettings.AtisCode = "5105105105";
    PrepareImageForRadio(mv510);
    const QString other = f.folder.filePath("MV510-20261206-043202-read.hex");
    QVERIFY(WriteImageFile(other.toStdString(), kSeriesMV510, mv510.RadioImage, nullptr));
    f.prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    QCOMPARE(f.Said("mnuFileRestoreBackup", {other}),
             std::vector<std::string>{"This backup is of an MV510 radio; the editor is set to the "
                                      "MV710 series.\nSwitch to the MV510 series and restore it?"});
    QCOMPARE(w.Series(), kSeriesMV710);
    QCOMPARE(f.Said("mnuFileRestoreBackup", {other}).size(), std::size_t{1});
    QCOMPARE(w.Series(), kSeriesMV510);
    QCOMPARE(f.store.Get("ModelPath", "ModelNum"), std::optional<std::string>("1"));
    QCOMPARE(f.Data().AtisSettings.AtisCode, std::string("5105105105"));
    QCOMPARE(f.Undo().AtisSettings.AtisCode, std::string("1234567890"));
    QVERIFY(w.Series() == kSeriesMV710 && f.Menu("mnuModel710")->isChecked());
    // The compare window goes with the main window, and stops following the data set.
    f.window.reset();
    QVERIFY(!compare);
    f.doc->Edit({EditWhat::Unit::Common, -1, -1, "DualWatch"}, [](RadioData&) {});
  }
};

QTEST_MAIN(TransferTests)
#include "editor_transfer_tests.moc"
