// The report windows: "Print to File" with its Save As, printing through the print dialog, the
// PDF export, and the main window's entries for them.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "editor/report_window.h"
#include "editor_fixture.h"
#include "report/text_report.h"
#include "tests/support/temp_folder.h"

using namespace qw;

class ReportTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString Path(const QString& name) const { return dir_.filePath(name); }
  const std::string kTitle510 = "MV510 PC Program for MV510/MV710 Series";

 private slots:
  void PrintToFileShowsTheTextAndSavesIt() {
    Document doc;
    doc.NewDataSet(kSeriesMV510);
    doc.Data().FourthGroup[0].Rxfreq = 156.0137;  // off both rasters
    ScriptedPrompter prompter;
    ReportWindow window(doc, prompter, dir_.path());
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

    // Cancelled, then saved byte for byte, then refused by the file system.
    QVERIFY(!window.SaveAs());
    prompter.fileNames = {Path("report.txt"), Path("no/such/folder/report.txt")};
    QVERIFY(window.SaveAs());
    QCOMPARE(test::ReadBytes(Path("report.txt").toStdString()), TextFileContent(window.Text()));
    QVERIFY(!window.SaveAs());
    QCOMPARE(prompter.asked.size(), std::size_t{1});
    QCOMPARE(prompter.asked[0].message.Title, kTitle510);
    QCOMPARE(prompter.asked[0].message.Icon, MessageIcon::Exclamation);
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

    f.Data().FourthGroup[0].Rxfreq = 156.0137;
    QCOMPARE(f.Menu("mnuFilePrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    f.Menu("mnuFilePrint")->trigger();
    QVERIFY(f.prompter.printDialogs == 1 && f.prompter.asked.empty());
    QCOMPARE(f.Data().FourthGroup[0].Rxfreq, 156.0137);
    f.prompter.printerFiles = {Path("printed.pdf"), Path("no/such/folder/printed.pdf")};
    f.Menu("tbrPrint")->trigger();
    QCOMPARE(test::PdfPages(test::ReadBytes(Path("printed.pdf").toStdString())), 6);
    QCOMPARE(f.Data().FourthGroup[0].Rxfreq, 156.0137);
    f.Menu("mnuFilePrint")->trigger();
    QCOMPARE(f.prompter.Texts(), std::vector<std::string>{"Print Error!!"});

    f.prompter.asked.clear();
    f.Menu("mnuFileExportPdf")->trigger();
    QCOMPARE(f.prompter.fileFolders.back(), f.folder.path());
    f.prompter.fileNames = {Path("listing"), Path("no/such/folder/x.pdf")};
    f.Menu("mnuFileExportPdf")->trigger();  // ".pdf" added
    QCOMPARE(test::PdfPages(test::ReadBytes(Path("listing.pdf").toStdString())), 6);
    f.Menu("mnuFileExportPdf")->trigger();
    QCOMPARE(f.prompter.asked.size(), std::size_t{1});
    QCOMPARE(f.prompter.asked[0].message.Title, kTitle510);
  }
};

QTEST_MAIN(ReportTests)
#include "editor_report_tests.moc"
