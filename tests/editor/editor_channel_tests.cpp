// The channel grids, the single-channel pane and the weather pane, driven as a user would:
// through the tree, the controls' object names and the keyboard.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include "editor/grid_pane.h"
#include "editor_fixture.h"

using namespace qw;
using namespace qw::test;

namespace {

// Counts the edits that reach the Document, by field.
struct EditCounter : Document::Observer {
  std::vector<EditWhat> edits;
  void AfterEdit(const EditWhat& what, const RadioData&) override { edits.push_back(what); }
};

constexpr int kSlot15 = 30, kSlot16 = 32, kSlot22A = 45, kSlot24 = 48, kSlot70 = 140;

}  // namespace

class ChannelTests : public QObject {
  Q_OBJECT

 private slots:
  void MarineFillFlagsAndEnableChain() {
    OpenEditor f;
    // The radio's two-character number: two digits, "o" for 100 to 109, "'" from 110 on.
    for (auto [group, slot, left, right] : {std::tuple{kGroupINTL, 10, "05", ""},
                                            {kGroupINTL, 211, "o5", "A"},
                                            {kGroupINTL, 234, "'7", ""},
                                            {kGroupUSA, kSlot22A, "22", "A"}}) {
      f.Select(NavNode::ChannelOf(group, slot));
      QCOMPARE(QStringList({f.Field("txtCDL")->text(), f.Field("txtCDR")->text()}),
               QStringList({left, right}));
    }
    QCOMPARE(f.Text("lblTitle"), QString("USA 22A"));
    // Its receive frequency is the radio's; an "A" channel is never duplex.
    QVERIFY(f.Field("txtCRF")->isReadOnly() && !f.Box("chkDuplex")->isEnabled());

    // Receive-only: Tx Enable unticked and locked, and with it the power boxes.
    f.Select(NavNode::ChannelOf(kGroupUSA, kSlot15));
    auto *tx = f.Box("chkTxEnable"), *low = f.Box("chkLowPower"), *up = f.Box("chkPowUp");
    QVERIFY(!tx->isChecked() && !tx->isEnabled() && !low->isEnabled() && !up->isEnabled());
    QCOMPARE(f.Field("txtCTF")->text(), QString("---.---"));

    // Channel 70 takes neither the scrambler nor scan (which channels: the channel rules').
    f.Select(NavNode::ChannelOf(kGroupUSA, kSlot70));
    QVERIFY(!f.List("cmbScramble")->isEnabled() && !f.Box("chkScan")->isEnabled());

    // Unticking CH Enable locks everything, Duplex too; ticking it brings Duplex back.
    f.Select(NavNode::ChannelOf(kGroupUSA, kSlot24));
    auto *enable = f.Box("chkCHEnable"), *duplex = f.Box("chkDuplex");
    // Duplex off receives on the transmit frequency.
    QCOMPARE(f.Field("txtCRF")->text(), QString("161.800"));
    duplex->click();
    QCOMPARE(f.Field("txtCRF")->text(), QString("157.200"));
    QVERIFY(!f.Data().USA[kSlot24].Duplex);
    enable->setFocus();
    enable->click();
    QVERIFY(!f.Data().USA[kSlot24].Enable && f.doc->IsModified());
    QVERIFY(!duplex->isEnabled() && !f.Field("txtCHName")->isEnabled());
    QVERIFY(!f.Find<QLabel>("lblCHName")->isEnabled());  // a field's caption greys with it
    enable->click();
    QVERIFY(duplex->isEnabled());
    QCOMPARE(QApplication::focusWidget(), enable);

    // Tx Enable off locks Low Power Only, and through it Power Up.
    low->click();
    QVERIFY(up->isEnabled());
    tx->click();
    QVERIFY(!low->isEnabled() && !up->isEnabled());
    QVERIFY(!f.Data().USA[kSlot24].TxEnable && f.Data().USA[kSlot24].LowPower);

    // Each flag set alone shows in its own box only; each scrambler entry stores the radio's code
    // for it (bit 2 on, the code in bits 0-1) and shows again from it.
    const std::pair<const char*, bool ChannelRecord::*> flags[] = {
        {"chkLowPower", &ChannelRecord::LowPower},
        {"chkPowUp", &ChannelRecord::PowUp},
        {"chkScan", &ChannelRecord::ScanMemory}};
    for (const auto& [box, flag] : flags) {
      f.Change([&](RadioData& d) {
        for (const auto& other : flags) d.USA[kSlot24].*(other.second) = other.first == box;
      });
      for (const auto& other : flags) QCOMPARE(f.Box(other.first)->isChecked(), other.first == box);
    }
    auto* scramble = f.List("cmbScramble");
    const int16_t codes[] = {0, 4, 5, 6, 7};
    for (int position = 0; position < 5; ++position) {
      Choose(scramble, position);
      QCOMPARE(f.Data().USA[kSlot24].Scramble, codes[position]);
      f.Change([&](RadioData& d) { d.USA[kSlot24].Scramble = codes[(position + 1) % 5]; });
      QCOMPARE(scramble->currentIndex(), (position + 1) % 5);
    }
  }

  // What can be typed in has the field background from the first showing on; what cannot has
  // the button face. A programmable channel's transmit permission comes from the radio: without
  // it the pane says why Low Power Only is greyed. Of one side's tones one at most is on; a tone
  // number past the end of its list shows no entry rather than one it does not hold. Wide and
  // Narrow write the width and nothing beside it.
  void ProgrammableChannelFieldsTransmitPermissionAndTones() {
    OpenEditor f;
    f.Change([](RadioData& d) {
      for (int k : {0, 1}) {
        ChannelRecord& ch = d.FourthGroup[k];
        ch.Enable = true, ch.CHDisplayL = "0" + std::to_string(k + 1);
        ch.Rxfreq = 156.5, ch.Txfreq = 160.5;
        ch.TxEnable = k == 1;  // as read from a radio that lets it transmit
      }
      d.FourthGroup[0].CTCSS = {51, 51}, d.FourthGroup[0].DCS = {209, 209};  // past their lists
      d.FourthGroup[1].Narrow = d.FourthGroup[1].RxComp = true;
    });
    const QColor base = QApplication::palette().color(QPalette::Active, QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    auto background = [&f](const char* name) {
      return f.Find<QLineEdit>(name)->palette().color(QPalette::Active, QPalette::Base);
    };
    auto* note = f.Find<QLabel>("lblTxNote");
    // Each channel: whether the note shows, and whether Low Power Only can be ticked.
    for (auto [k, noted, lowOn] : {std::tuple{0, true, false}, {1, false, true}}) {
      f.Select(NavNode::ChannelOf(kGroupFourth, k));
      QVERIFY(note->isVisible() == noted && f.Box("chkLowPower")->isEnabled() == lowOn);
      for (const char* name : {"txtCDL", "txtCDR", "txtCRF", "txtCTF", "txtCHName"})
        QVERIFY2(background(name) == base, name);
      for (const char* list : {"cmbTxCTCSS", "cmbRxCTCSS", "cmbTxDCS", "cmbRxDCS"})
        QVERIFY2((f.List(list)->currentIndex() == -1) == (k == 0), list);
    }

    auto *txCtcss = f.List("cmbTxCTCSS"), *txDcs = f.List("cmbTxDCS"), *rx = f.List("cmbRxCTCSS");
    auto* comp = f.Box("chkComp");
    QCOMPARE(txDcs->count(), 209);  // "Off" and each code in both banks
    Choose(rx, 3);
    Choose(txCtcss, 13);
    Choose(txDcs, 105);
    const ChannelRecord& ch = f.Data().FourthGroup[1];
    for (const char* width : {"optWide", "optNarrow"}) {
      f.Find<QRadioButton>(width)->click();
      QVERIFY(ch.Narrow == (width == std::string("optNarrow")) && ch.RxComp);
    }
    QCOMPARE(txCtcss->currentText(), QString("Off"));
    QCOMPARE(ch.CTCSS, (std::array<int16_t, 2>{0, 3}));
    QCOMPARE(ch.DCS, (std::array<int16_t, 2>{105, 0}));
    QVERIFY(!comp->isEnabled());
    Choose(f.List("cmbRxDCS"), 1);
    QVERIFY(comp->isEnabled());
    QCOMPARE(rx->currentText(), QString("Off"));
    Choose(txCtcss, 1);
    QCOMPARE(txDcs->currentText(), QString("Off"));
    QCOMPARE(ch.DCS, (std::array<int16_t, 2>{0, 1}));

    f.Select(NavNode::ChannelOf(kGroupUSA, kSlot24));
    QVERIFY(!note->isVisible());
    for (const char* name : {"txtCDL", "txtCRF", "txtCTF"})
      QVERIFY2(background(name) == face, name);
    QVERIFY(background("txtCHName") == base);
  }

  // An incomplete channel is held by the pane check; a frequency typed is taken in as shown or
  // refused.
  void PaneCheckAndFrequencyEntry() {
    OpenEditor f;
    f.Select(NavNode::ChannelOf(kGroupFourth, 1));
    f.Box("chkCHEnable")->click();
    // A click on another node asks, and the tree stays on the channel shown (each click asks
    // again: see the refused ATIS code).
    f.Click(NavNode::ChannelOf(kGroupFourth, 2));
    QCOMPARE(f.prompter.Texts(),
             std::vector<std::string>{"Data Error!!\r\nPlease input correct data."});
    QTRY_COMPARE(f.TreeNode(), NavNode::ChannelOf(kGroupFourth, 1));
    QCOMPARE(f.window->CurrentNode(), NavNode::ChannelOf(kGroupFourth, 1));

    // A receive frequency and a two-character number let it go; typed fields count once each.
    EditCounter counter;
    f.doc->AddObserver(&counter);
    auto* left = f.Field("txtCDL");
    TypeAndLeave(f.Field("txtCRF"), "156.0250", left);
    TypeOver(left, "2x1");  // x is not a display letter
    QCOMPARE(left->text(), QString("21"));
    QTest::keyClick(left, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(f.window->CurrentNode(), NavNode::ChannelOf(kGroupFourth, 2));
    QCOMPARE(f.Data().FourthGroup[1].CHDisplayL, std::string("21"));
    QCOMPARE(counter.edits.size(), std::size_t{2});
    // The focus stays in the pane, so the keys step on again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(f.window->CurrentNode(), NavNode::ChannelOf(kGroupFourth, 3));
    f.doc->RemoveObserver(&counter);

    f.prompter.asked.clear();
    f.Change([](RadioData& d) { d.FourthGroup[4].Enable = true, d.FourthGroup[4].Rxfreq = 156.5; });
    const ChannelRecord& ch = f.Data().FourthGroup[4];
    f.Select(NavNode::ChannelOf(kGroupFourth, 4));
    auto *rx = f.Field("txtCRF"), *tx = f.Field("txtCTF"), *name = f.Field("txtCHName");
    // One refusal stands for all: which texts are refused is the frequency check's business.
    TypeAndLeave(rx, "174.0001", name);
    QCOMPARE(f.prompter.asked.size(), std::size_t{1});
    QCOMPARE(f.prompter.asked[0].message.Title, std::string("Rx frequency"));
    QCOMPARE(QApplication::focusWidget(), rx);
    QCOMPARE(ch.Rxfreq, 156.5);
    Paste(rx, "145.500 MHz");  // a paste is filtered as the keys are
    QCOMPARE(rx->text(), QString("145.500"));
    // Taken in as shown (the edges are the frequency check's); an emptied transmit frequency is
    // none; a frequency off the 5 kHz raster is stored as shown.
    for (auto [field, typed, shown, stored] : {std::tuple{rx, "137", "137.0000", 137.0},
                                               {tx, "", "---.----", 0.0},
                                               {tx, "156.0137", "156.0100", 156.01}}) {
      TypeAndLeave(field, typed, name);
      QCOMPARE(field->text(), QString(shown));
      QCOMPARE(field == rx ? ch.Rxfreq : ch.Txfreq, stored);
      QVERIFY(!f.window->ActivePane()->HasUncommittedEdit());  // taken in, nothing pending
    }
    // Typed and not yet left, a refused frequency fails a command's pane check as well.
    TypeOver(rx, "180");
    QVERIFY(!f.window->PaneCheck());
    QCOMPARE(QApplication::focusWidget(), rx);
    QCOMPARE(ch.Rxfreq, 137.0);
  }

  // Switched-off channels are greyed in the grids; at the first size every column of the widest
  // grid shows in full, and no column is wider than its texts. Each row opens its own channel
  // (also where two rows show one text), by a double click or by Return; Ctrl+C copies it.
  void GridsShowEveryColumnGreyDisabledRowsAndOpenTheirChannels() {
    OpenEditor f;
    auto* view = f.Find<QTableView>("grdChannel");
    const QFontMetrics metrics(view->font());
    for (int g : {kGroupUSA, kGroupFourth}) {
      f.Select(NavNode::GroupGrid(g));
      QCOMPARE_LE(view->horizontalHeader()->length(), view->viewport()->width());
      // No cell's text is cut: each column is as wide as its widest text, wherever it is.
      for (int c = 0; c < view->model()->columnCount(); ++c) {
        for (int r = 0; r < view->model()->rowCount(); ++r) {
          const QString text = view->model()->index(r, c).data().toString();
          QVERIFY2(metrics.horizontalAdvance(text) < view->columnWidth(c), qPrintable(text));
        }
      }
    }
    f.Select(NavNode::GroupGrid(kGroupUSA));
    const QAbstractItemModel* grid = view->model();
    QVERIFY(grid->index(0, 0).data(Qt::ForegroundRole).isValid());  // 00 is off
    QVERIFY(!grid->index(kSlot16, 0).data(Qt::ForegroundRole).isValid());

    f.Change([](RadioData& d) {
      for (int k : {2, 6}) {  // the same display text twice
        ChannelRecord& ch = d.FourthGroup[k];
        ch.CHDisplayL = "12", ch.Enable = true, ch.Rxfreq = 160.6;
      }
    });
    f.Select(NavNode::GroupGrid(kGroupFourth));
    const QRect cell = view->visualRect(view->model()->index(6, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(f.window->CurrentNode(), NavNode::ChannelOf(kGroupFourth, 6));
    // The first and the last row open theirs too.
    for (auto [g, row] : {std::pair{kGroupUSA, kSlot16}, {kGroupFourth, 0}, {kGroupFourth, 39}}) {
      f.Select(NavNode::GroupGrid(g));
      view->setFocus();
      view->setCurrentIndex(view->model()->index(row, 0));
      if (g == kGroupUSA) {
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("CH\tRX[MHz]\tTX[MHz]\tTX\tLOW\tUP\tDUP\tMEM\tVS\tCH Name\n"
                         "16\t156.800\t156.800\tTX\t---\t--\t---\t---\t--\tDISTRESS\n"));
      }
      QTest::keyClick(view, Qt::Key_Return);
      QCOMPARE(f.window->CurrentNode(), NavNode::ChannelOf(g, row));
    }
  }

  void WeatherRowsAndNameFields() {
    OpenEditor f;
    f.Select(kWeatherNode);
    QCOMPARE(f.Text("lblWx0"), QString("WX01[162.550MHz]"));
    // Each row on its own line, below the headings: its label level with its boxes.
    QLabel* heading = nullptr;
    for (QLabel* l : f.Find<QWidget>("pictWeather")->findChildren<QLabel*>())
      if (l->text() == "CH") heading = l;
    QVERIFY(heading && heading->geometry().bottom() < f.Find<QLabel>("lblWx0")->geometry().top());
    for (int n = 0; n < 10; ++n) {
      const int y = f.Find<QLabel>(QString("lblWx%1").arg(n))->geometry().center().y();
      QVERIFY(std::abs(y - f.Box(QString("chkWxEnable%1").arg(n))->geometry().center().y()) < 4);
    }
    auto* enable = f.Box("chkWxEnable3");
    auto* name = f.Field("txtWxName3");
    TypeAndLeave(name, "NOAA KEY W#", enable);  // the radio has no "#" in a name
    QCOMPARE(f.Data().WX[3].ChTag, std::string("NOAA KEY W"));
    QCOMPARE(enable->text(), QString(">"));
    enable->click();
    QVERIFY(!f.Data().WX[3].Enable && !name->isEnabled() && !f.Box("chkWxScan3")->isEnabled());
    f.Box("chkWxScan0")->setFocus(Qt::TabFocusReason);
    QCOMPARE(enable->text(), QString(" "));
    // A name typed into the first or the last row and not yet left is kept by the pane check.
    for (int row : {0, 9}) {
      TypeOver(f.Field(QString("txtWxName%1").arg(row)), "KEPT");
      QVERIFY(f.window->PaneCheck());
      QCOMPARE(f.Data().WX[row].ChTag, std::string("KEPT"));
    }

    // Both name fields take of a paste what the radio can store, say what they left out, and
    // show a stored name as it is.
    f.Change([](RadioData& d) { d.WX[5].ChTag = "OLD#NAME"; });  // as a data file may hold it
    const NavNode ch16 = NavNode::ChannelOf(kGroupUSA, kSlot16);
    for (auto [node, field, label, stored] :
         {std::tuple{ch16, "txtCHName", "lblCHNameNotice", &f.Data().USA[kSlot16].ChTag},
          {kWeatherNode, "txtWxName2", "lblWxNotice", &f.Data().WX[2].ChTag}}) {
      f.Select(node);
      auto* entry = f.Field(field);
      auto* notice = f.Find<QLabel>(label);
      Paste(entry, "Bay#2 Wx&Co! Harbour");
      QCOMPARE(entry->text(), QString("Bay2 WxCo Ha"));
      QVERIFY2(notice->text().contains("\"#\", \"&\" and \"!\" left out"),
               qPrintable(notice->text()));
      QEvent restyled(QEvent::StyleChange);  // only switching the pane off ends a notice
      QApplication::sendEvent(notice->parentWidget(), &restyled);
      QVERIFY(!notice->text().isEmpty());
      // A full name takes no more keys, wherever the cursor is.
      entry->setCursorPosition(0);
      QTest::keyClicks(entry, "Z");
      QCOMPARE(entry->text(), QString("Bay2 WxCo Ha"));
      f.Box(node == ch16 ? "chkScan" : "chkWxScan0")->setFocus();
      QCOMPARE(*stored, std::string("Bay2 WxCo Ha"));
    }
    QCOMPARE(f.Field("txtWxName5")->text(), QString("OLD#NAME"));
    f.Select(ch16);
    QCOMPARE(f.Text("lblCHNameNotice"), QString());
  }
};

QTEST_MAIN(ChannelTests)
#include "editor_channel_tests.moc"
