// The report windows: "Print to File" with its Save As, printing through the print dialog, and
// the PDF export.
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "editor/print_commands.h"
#include "editor/report_window.h"
#include "editor/scripted_prompter.h"
#include "editor_fixture.h"
#include "files/document.h"
#include "report/text_report.h"

using namespace qw;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF ("/Type /Page", not the page tree's "/Type /Pages").
int PdfPages(const QByteArray& pdf) {
  return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

}  // namespace

class ReportTests : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString Path(const QString& name) const { return dir_.filePath(name); }

  // A data set whose fourth-group channel 1 receives off both rasters.
  static void OffRaster(Document& doc) {
    doc.Data().FourthGroup[0].Enable = true;
    doc.Data().FourthGroup[0].Rxfreq = 156.0137;
  }

 private slots:
  void PrintToFileShowsTheTextAndSavesItWithCrLf() {
    Document doc;
    doc.NewDataSet(kSeriesMV710);
    OffRaster(doc);
    ScriptedPrompter prompter;
    ReportWindow window(doc, prompter, dir_.path());
    QSignalSpy built(&window, &ReportWindow::TextBuilt);
    window.show();
    auto* text = window.findChild<QPlainTextEdit*>("txtPrn");
    QVERIFY(text);
    QCOMPARE(window.windowTitle(), QString("Print to File"));
    QCOMPARE(window.size(), QSize(558, 409));
    QCOMPARE(text->toPlainText(), QString("Now, making text image. Please wait..."));
    const QFontMetrics metrics(text->font());
    QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));

    QVERIFY(built.wait(2000));
    QVERIFY(text->toPlainText().startsWith("\n\n##### Available CH Group Setup #####\n"));
    QCOMPARE(doc.Data().FourthGroup[0].Rxfreq, 156.01);  // snapped by the report, as printed

    // Resizing keeps the OK button under the text box.
    auto* ok = window.findChild<QPushButton*>("cmdOK");
    window.resize(800, 600);
    QTRY_VERIFY(ok->geometry().top() > text->geometry().bottom());
    QTRY_VERIFY(ok->geometry().right() >= text->geometry().right() - 1);
    QVERIFY(text->height() > 409 - 100);

    prompter.fileNames = {Path("report.txt")};
    QVERIFY(window.SaveAs());
    const QByteArray saved = Bytes(Path("report.txt"));
    QCOMPARE(saved.toStdString(), TextFileContent(window.Text()));
    QVERIFY(saved.startsWith("\r\n\r\n#####"));
    QVERIFY(saved.endsWith("\r\n"));
  }

  void SaveAsCancelledOrFailingTellsTheDocument() {
    Document doc;
    doc.NewDataSet(kSeriesMV510);
    ScriptedPrompter prompter;
    ReportWindow window(doc, prompter, dir_.path());
    QSignalSpy built(&window, &ReportWindow::TextBuilt);
    QVERIFY(built.wait(2000));

    QVERIFY(!window.SaveAs());  // no file name: cancelled
    QVERIFY(doc.OperationCancelled);
    QVERIFY(prompter.asked.empty());

    doc.OperationCancelled = false;
    prompter.fileNames = {Path("no/such/folder/report.txt")};
    QVERIFY(!window.SaveAs());
    QVERIFY(doc.OperationFailed && doc.OperationCancelled);
    QCOMPARE(prompter.asked.size(), std::size_t{1});
    QCOMPARE(prompter.asked[0].message.Title,
             std::string("MV510 PC Program for MV510/MV710 Series"));
    QVERIFY(!prompter.asked[0].message.Text.empty());
    QCOMPARE(prompter.asked[0].message.Icon, MessageIcon::Exclamation);
  }

  void PrintSendsTheSixPagesOrEndsQuietly() {
    Document doc;
    doc.NewDataSet(kSeriesMV710);
    OffRaster(doc);
    ScriptedPrompter prompter;
    QVERIFY(!PrintListing(nullptr, doc, prompter));  // dialog cancelled
    QCOMPARE(prompter.printDialogs, 1);
    QVERIFY(prompter.asked.empty());
    QCOMPARE(doc.Data().FourthGroup[0].Rxfreq, 156.0137);  // nothing printed, nothing snapped

    prompter.printerFiles = {Path("printed.pdf")};
    QVERIFY(PrintListing(nullptr, doc, prompter));
    QCOMPARE(PdfPages(Bytes(Path("printed.pdf"))), 6);
    QCOMPARE(doc.Data().FourthGroup[0].Rxfreq, 156.01);

    // A printer that cannot take the job is reported.
    prompter.printerFiles = {Path("no/such/folder/printed.pdf")};
    QVERIFY(!PrintListing(nullptr, doc, prompter));
    QCOMPARE(prompter.Texts(), std::vector<std::string>{"Print Error!!"});
  }

  void ExportPdfWritesTheListing() {
    Document doc;
    doc.NewDataSet(kSeriesMV510);
    ScriptedPrompter prompter;
    QVERIFY(!ExportListingPdf(nullptr, doc, prompter, dir_.path()));
    QVERIFY(doc.OperationCancelled);
    QCOMPARE(prompter.fileFolders.back(), dir_.path());

    prompter.fileNames = {Path("listing")};  // the extension is added
    QVERIFY(ExportListingPdf(nullptr, doc, prompter, dir_.path()));
    const QByteArray pdf = Bytes(Path("listing.pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(PdfPages(pdf), 6);

    prompter.fileNames = {Path("no/such/folder/x.pdf")};
    QVERIFY(!ExportListingPdf(nullptr, doc, prompter, dir_.path()));
    QCOMPARE(prompter.asked.size(), std::size_t{1});
    QCOMPARE(prompter.asked[0].message.Title,
             std::string("MV510 PC Program for MV510/MV710 Series"));
  }

  // The File menu opens the window modally; Ctrl+P and the toolbar's Print print.
  void MainWindowEntriesRunTheCommands() {
    test::EditorFixture f;
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
    QVERIFY(clickedOk);
    QVERIFY(opened.isNull());  // closed by OK and gone with the command
    QCOMPARE(window.findChildren<QDialog*>("frmPrn").size(), 0);

    f.prompter.printerFiles = {Path("menu.pdf")};
    QCOMPARE(f.Menu("mnuFilePrint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    f.Menu("mnuFilePrint")->trigger();
    QCOMPARE(PdfPages(Bytes(Path("menu.pdf"))), 6);
    QVERIFY(f.Menu("tbrPrint")->isEnabled());
    f.Menu("tbrPrint")->trigger();
    QCOMPARE(f.prompter.printDialogs, 2);
  }
};

QTEST_MAIN(ReportTests)
#include "editor_report_tests.moc"
