// The report windows: "Print to File" with its Save As, printing through the print dialog, the
// PDF export, and the main window's entries for them.
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>

#include "document/data_diff.h"
#include "editor/compare_window.h"
#include "editor/report_window.h"
#include "editor_fixture.h"
#include "report/channel_grid.h"
#include "report/text_report.h"
#include "tests/document/test_support.h"
#include "tests/support/temp_folder.h"

using namespace qw;

class ReportTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private slots:
  // For random data sets: every output command leaves the data set as it was, and each
  // fourth-group channel's pane and grid row show one value.
  void ShownAndStoredAgree() {
    for (unsigned seed : {3u, 4u, 5u}) {
      test::OpenEditor f;
      RadioData d = test::NewData(kSeriesMV710);
      test::FillCarriedFields(d, seed);
      for (auto& g : d.UsableGroupSettings) g.Usable = true;
      for (auto& ch : d.FourthGroup) {  // complete, so the pane check lets each one go
        ch.CHDisplayL = "P1";
        if (ch.Rxfreq == 0) ch.Rxfreq = 161.6;
      }
      f.doc->Replace(d, "test");  // names the radio cannot store come in as it would store them
      const RadioData stored = f.Data();

      QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
      f.window->FilePrintPreview();
      f.prompter.fileNames = {Path("x.csv"), Path("y.pdf"), Path("x.dat")};
      f.window->ExportChannels(false);
      f.window->FileExportPdf();
      f.Menu("mnuFileCompare")->trigger();
      (void)f.doc->TextReport();
      QVERIFY(f.Data() == stored);

      const GridText grid = BuildGridText(stored, kGroupFourth);
      const auto column = [&grid](const char* name) {
        return std::find(grid.header.begin(), grid.header.end(), name) - grid.header.begin();
      };
      for (int i = 0; i < 40; ++i) {
        f.Select(NavNode::ChannelOf(kGroupFourth, i));
        const auto text = [&f](const char* name) {
          return f.window->ActivePane()->findChild<QLineEdit*>(name)->text().toStdString();
        };
        const std::vector<std::string>& row = grid.rows[i];
        QCOMPARE(text("txtCRF"), row[column("RX[MHz]")]);
        // A channel the radio does not let transmit says so in the grid.
        const ChannelRecord& ch = stored.FourthGroup[static_cast<std::size_t>(i)];
        const bool transmits = ch.TxEnable || ch.Txfreq <= 0;
        QCOMPARE(transmits ? text("txtCTF") : std::string("RX only"), row[column("TX[MHz]")]);
        QCOMPARE(text("txtCHName"), row[column("CH Name")]);
      }
    }
  }

  void PrintToFileShowsTheTextAndSavesIt() {
    Document doc;
    doc.NewDataSet(kSeriesMV510);
    doc.Edit({}, [](RadioData& d) { d.FourthGroup[0].Rxfreq = 156.0137; });  // off both rasters
    ScriptedPrompter prompter;
    MemorySettingsStore store;
    ReportWindow window(doc, prompter, FileFolders(store));
    QSignalSpy built(&window, &ReportWindow::TextBuilt);
    window.show();
    auto* text = window.findChild<QPlainTextEdit*>("txtPrn");
    QCOMPARE(window.windowTitle(), QString("Print to File"));
    QCOMPARE(text->toPlainText(), QString("Now, making text image. Please wait..."));
    const QFontMetrics metrics(text->font());
    QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));

    QVERIFY(built.wait(2000));
    QVERIFY(text->toPlainText().startsWith("\n\n##### Available CH Group Setup #####\n"));
    QCOMPARE(doc.Data().FourthGroup[0].Rxfreq, 156.0137);  // showing a report changes nothing

    auto* ok = window.findChild<QPushButton*>("cmdOK");
    window.resize(800, 600);
    QTRY_VERIFY(ok->geometry().top() > text->geometry().bottom() && text->height() > 409);

    // Cancelled, then saved byte for byte and said so, then refused by the file system. The
    // dialog starts where the last text file went.
    QVERIFY(!window.SaveAs());
    prompter.fileNames = {Path("report.txt"), Path("no/such/folder/report.txt")};
    QSignalSpy saved(&window, &ReportWindow::Saved);
    QVERIFY(window.SaveAs());
    QCOMPARE(test::ReadBytes(Path("report.txt").toStdString()), TextFileContent(window.Text()));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(window.findChild<QLabel*>("lblSaved")->text(), QString("Saved to report.txt"));
    QVERIFY(!window.SaveAs());
    QCOMPARE(prompter.fileChoices.back().folder, dir_.path());
    QCOMPARE(prompter.asked.size(), std::size_t{1});  // the document's message
  }

  // Print to File opens its window modally. Print (Ctrl+P, the toolbar) and Export PDF write the
  // six pages; a cancelled dialog is quiet and snaps nothing, a refused job says so.
  void MainWindowPrintsAndExportsTheListing() {
    test::EditorFixture f;
    f.store.Set("ModelPath", "ModelNum", "1");
    MainWindow& window = f.Open();
    QPointer<QWidget> opened;
    bool clickedOk = false;
    QTimer::singleShot(0, [&] {
      opened = window.findChild<QDialog*>("frmPrn");
      QVERIFY(opened && opened->isModal());
      QTRY_VERIFY(!opened->findChild<QPlainTextEdit*>("txtPrn")->toPlainText().startsWith("Now"));
      opened->findChild<QPushButton*>("cmdOK")->click();
      clickedOk = true;
    });
    f.Menu("mnuFilePrintToFile")->trigger();
    QVERIFY(clickedOk && opened.isNull());

    f.Change([](RadioData& d) { d.FourthGroup[0].Rxfreq = 156.0137; });
    QCOMPARE(f.Menu("mnuFilePrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    f.Menu("mnuFilePrint")->trigger();
    QVERIFY(f.prompter.printDialogs == 1 && f.prompter.asked.empty());
    QCOMPARE(f.Data().FourthGroup[0].Rxfreq, 156.0137);
    f.prompter.printerFiles = {Path("printed.pdf"), Path("no/such/folder/printed.pdf")};
    f.Menu("tbrPrint")->trigger();
    QCOMPARE(test::PdfPages(test::ReadBytes(Path("printed.pdf").toStdString())), 6);
    f.Menu("mnuFilePrint")->trigger();
    QCOMPARE(f.prompter.Texts(), std::vector<std::string>{"Print Error!!"});

    f.prompter.fileNames = {Path("listing"), Path("no/such/folder/x.pdf")};
    f.Menu("mnuFileExportPdf")->trigger();  // ".pdf" added
    QCOMPARE(test::PdfPages(test::ReadBytes(Path("listing.pdf").toStdString())), 6);
    QCOMPARE(window.statusBar()->currentMessage(), QString("Listing written to listing.pdf"));
    QCOMPARE(f.Said("mnuFileExportPdf").size(), std::size_t{1});  // refused, and said once

    // No printer set up: Print says so and offers the PDF instead.
    f.prompter.noPrinter = true;
    f.prompter.answers = {PromptAnswer::Ok};
    QCOMPARE(f.Said("mnuFilePrint", {Path("instead.pdf")}),
             std::vector<std::string>{"No printer is set up on this computer.\n"
                                      "Export the listing as a PDF file instead?"});
    QCOMPARE(test::PdfPages(test::ReadBytes(Path("instead.pdf").toStdString())), 6);
    QCOMPARE(window.statusBar()->currentMessage(), QString("Listing written to instead.pdf"));
  }
};

QTEST_MAIN(ReportTests)
#include "editor_report_tests.moc"
