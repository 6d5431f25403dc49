// The settings panes' rules: what each field stores, what it enables, what it refuses.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "editor/pane.h"
#include "editor/usable_pane.h"
#include "editor_fixture.h"

using namespace qw;
using namespace qw::test;

namespace {

// What is wrong with the controls the pane shows: two on top of each other, one cut off by the
// pane's edge, or one that takes the focus but gives the status bar no help text. Empty when every
// control has a place and a help text of its own.
QStringList WrongControls(QWidget* pane) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QList<QWidget*> controls;
  QStringList wrong;
  for (QWidget* w : pane->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(pane) || w->objectName().startsWith("qt_")) continue;
    if (w->focusPolicy() != Qt::NoFocus && w->property(kHelpTextProperty).toString().isEmpty())
      wrong << w->objectName() + " without help";
    if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
        qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
      controls << w;
  }
  auto place = [pane](QWidget* w) { return QRect(w->mapTo(pane, QPoint(0, 0)), w->size()); };
  auto name = [](QWidget* w) {
    const auto* label = qobject_cast<QLabel*>(w);
    return w->objectName().isEmpty() && label ? "\"" + label->text() + "\"" : w->objectName();
  };
  for (qsizetype i = 0; i < controls.size(); ++i) {
    if (!pane->rect().contains(place(controls[i]))) wrong << name(controls[i]) + " cut off";
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      QWidget *a = controls[i], *b = controls[j];
      if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && place(a).intersects(place(b)))
        wrong << name(a) + " on " + name(b);
    }
  }
  return wrong;
}

// The fields Tab visits from `first` on, until it leaves the pane or comes back round.
QStringList TabWalk(QWidget* first) {
  QWidget* pane = first->parentWidget();
  while (pane && !qobject_cast<Pane*>(pane)) pane = pane->parentWidget();
  first->setFocus(Qt::TabFocusReason);
  QStringList names;
  for (QWidget* at = first; at && pane->isAncestorOf(at) && names.size() < 60;) {
    names << at->objectName();
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
    if (at == first) break;
  }
  return names;
}

}  // namespace

class PaneTests : public QObject {
  Q_OBJECT

 private slots:
  void UsableAndCommonPanesShowAndStoreTheirSettings() {
    OpenEditor f;
    f.Change([](RadioData& d) {
      for (auto& c : d.USA) c.Enable = false;
      for (auto& c : d.FourthGroup) c.Enable = false;
      // Slots 5 and 18 enabled, 7 not; 245 is programmable channel 6; 300 is out of range.
      d.USA[5].Enable = d.USA[18].Enable = d.USA[32].Enable = d.FourthGroup[5].Enable = true;
      const uint16_t favourites[] = {5, 7, 245, 300, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
      for (int j = 0; j < 8; ++j) {  // the group's eight favourites, big-endian words from 96
        d.RadioImage[96 + 2 * j] = static_cast<uint8_t>(favourites[j] >> 8);
        d.RadioImage[97 + 2 * j] = static_cast<uint8_t>(favourites[j] & 0xFF);
      }
      auto& usa = d.UsableGroupSettings[kGroupUSA];
      usa.Usable = true, usa.StatusIcon = false, usa.PriorityCh = 245;
      d.UsableGroupSettings[kGroupCANADA].Usable = false;
      d.UsableGroupSettings[kGroupINTL].PriorityCh = 7;  // not offered: shown as "Off"
    });
    f.doc->MarkUnmodified();
    const RadioData& d = f.Data();
    f.Select(kUsableNode);
    auto* usa = f.List("cmbPriorityCh0");
    QCOMPARE(usa->currentText(), QString("LMR6"));
    QCOMPARE(f.List("cmbPriorityCh1")->currentText(), QString("Off"));
    QCOMPARE(d.UsableGroupSettings[kGroupINTL].PriorityCh, 7);  // filling never writes
    auto* lmr = f.List("cmbPriorityCh3");  // the fourth group has no priority channel
    QVERIFY(lmr->count() == 1 && lmr->currentText() == "Off" && !f.doc->IsModified());
    // An unusable group's row is locked; status names are for the third variant only.
    QVERIFY(f.List("cmbTxTot0")->isEnabled() && !f.List("cmbTxTot2")->isEnabled());
    QVERIFY(!f.List("cmbPriorityCh2")->isEnabled() && !f.Field("txtStatusName0")->isVisible());

    Choose(usa, 1);
    QCOMPARE(d.UsableGroupSettings[kGroupUSA].PriorityCh, 5);
    Choose(usa, 0);
    QCOMPARE(d.UsableGroupSettings[kGroupUSA].PriorityCh, kNoChannel);
    QVERIFY(f.doc->IsModified());
    Choose(f.List("cmbStatusIcon0"), 1);
    QVERIFY(d.UsableGroupSettings[kGroupUSA].StatusIcon && !f.Field("txtStatusName0")->isEnabled());
    Choose(f.List("cmbTxTot0"), 1);
    QVERIFY(d.UsableGroupSettings[kGroupUSA].TxTot);

    // Each setting of the common pane, every value of it set alone: the pane shows it in its own
    // list and nowhere else, and choosing it stores that setting and no other. SCAN off greys the
    // scan settings but keeps them.
    const struct {
      const char* list;
      int values;
      std::function<int(const CommonSettings&)> get;
      std::function<void(CommonSettings&, int)> set;
    } rows[] = {
        {"cmbTxPoDisplay", 3, [](auto& c) { return c.TxPoDisplay; },
         [](auto& c, int v) { c.TxPoDisplay = static_cast<int16_t>(v); }},
        {"cmbResumeTime", 4, [](auto& c) { return c.ResumeTime; },
         [](auto& c, int v) { c.ResumeTime = static_cast<int16_t>(v); }},
        {"cmbPttScanClear", 2, [](auto& c) { return int{c.PttScanClear}; },
         [](auto& c, int v) { c.PttScanClear = v != 0; }},
        {"cmbDualWatch", 2, [](auto& c) { return int{c.DualWatch}; },
         [](auto& c, int v) { c.DualWatch = v != 0; }},
        {"cmbWeatherAlert", 4, [](auto& c) { return c.Weater; },
         [](auto& c, int v) { c.Weater = static_cast<int16_t>(v); }},
    };
    auto baseline = [&](RadioData& d) {
      for (const auto& r : rows) r.set(d.CommonSettings, 0);
      d.CommonSettings.Scan = true;  // the scan settings are open to change
    };
    f.Select(kCommonNode);
    for (const auto& row : rows) {
      for (int v = 0; v < row.values; ++v) {
        f.Change([&](RadioData& d) { baseline(d), row.set(d.CommonSettings, v); });
        for (const auto& other : rows) {
          QCOMPARE(f.List(other.list)->currentIndex(), &other == &row ? v : 0);
        }
        f.Change(baseline);
        Choose(f.List(row.list), v);
        for (const auto& other : rows)
          QCOMPARE(other.get(f.Data().CommonSettings), &other == &row ? v : 0);
      }
      if (row.values == 2) continue;    // an on/off setting holds nothing else
      for (int v : {-1, row.values}) {  // either side out of range shows no entry
        f.Change([&](RadioData& d) { baseline(d), row.set(d.CommonSettings, v); });
        QCOMPARE(f.List(row.list)->currentIndex(), -1);
      }
    }
    f.Change([](RadioData& d) {
      CommonSettings& c = d.CommonSettings;
      c.Scan = true, c.ResumeTime = 2, c.PttScanClear = true;
    });
    const CommonSettings& c = f.Data().CommonSettings;
    auto *resume = f.List("cmbResumeTime"), *clear = f.List("cmbPttScanClear");
    QVERIFY(resume->isEnabled() && clear->isEnabled() && resume->currentText() == "2Sec");
    Choose(f.List("cmbScan"), 0);
    QVERIFY(!c.Scan && c.ResumeTime == 2 && c.PttScanClear);
    QVERIFY(!resume->isEnabled() && !clear->isEnabled());
  }

  // The third variant shows status names and pads them rather than refusing them; its channels
  // take only the 25 kHz raster (which frequencies: the frequency check's).
  void TheThirdVariantPadsStatusNamesAndKeepsTo25kHz() {
    EditorFixture f;
    f.store.Set("ModelPath", "ModelNum", "0");
    MainWindow& w = f.Open();
    RadioData usable = f.Data();  // the third variant starts without its fourth group
    usable.UsableGroupSettings[kGroupFourth].Usable = usable.FourthGroup[0].Enable = true;
    usable.UsableGroupSettings[kGroupUSA].Usable = true;
    f.doc->Replace(usable, "Open");
    f.Select(kUsableNode);
    auto* name = f.Field("txtStatusName0");
    QVERIFY(name->isVisible() && name->isEnabled());
    Paste(name, "x!");  // "!" is not a status-name character
    QCOMPARE(name->text(), QString("x"));
    QVERIFY(w.PaneCheck());
    QCOMPARE(f.Data().UsableGroupSettings[kGroupUSA].StatusName, std::string("   x"));

    f.Select(NavNode::ChannelOf(kGroupFourth, 0));
    auto *rx = f.Field("txtCRF"), *tx = f.Field("txtCTF");
    TypeAndLeave(rx, "156.0125", tx);
    QCOMPARE(f.prompter.Texts().size(), std::size_t{1});
  }

  // Every pane of every series fills without an edit and gives each control a place of its own
  // inside the pane and its status-bar help. Tab reads each pane left to right, top to bottom;
  // fields that are switched off are passed.
  void EveryPaneFillsUneditedPlacesItsControlsWithHelpAndTabsInScreenOrder() {
    QStringList weather, usable;
    for (int r = 0; r < 10; ++r)
      weather << QString("chkWxEnable%1").arg(r) << QString("chkWxScan%1").arg(r)
              << QString("txtWxName%1").arg(r);
    for (int g = 0; g < 4; ++g)
      usable << QString("chkUsable%1").arg(g) << QString("cmbStatusIcon%1").arg(g)
             << QString("cmbPriorityCh%1").arg(g) << QString("cmbTxTot%1").arg(g);
    const std::pair<NavNode, QStringList> walks[] = {
        {NavNode::ChannelOf(kGroupFourth, 0),
         {"txtCDL", "txtCDR", "txtCRF", "txtCTF", "chkCHEnable", "optWide", "cmbRxCTCSS",
          "cmbRxDCS", "cmbTxCTCSS", "cmbTxDCS", "cmbScramble", "chkScan", "txtCHName"}},
        {NavNode::ChannelOf(kGroupUSA, 48),  // channel 24, duplex
         {"txtCDL", "txtCDR", "txtCRF", "txtCTF", "chkCHEnable", "chkLowPower", "chkTxEnable",
          "chkDuplex", "cmbScramble", "chkScan", "txtCHName"}},
        {kWeatherNode, weather},
        {kUsableNode, usable},
        {kCommonNode,
         {"cmbTxPoDisplay", "cmbScan", "cmbResumeTime", "cmbPttScanClear", "cmbDualWatch",
          "cmbWeatherAlert"}},
        {kAtisNode,
         {"chkAtisGroup0", "chkAtisGroup1", "chkAtisGroup2", "chkAtisGroup3", "txtAtisCode"}},
        {kProgramNode, {}},
    };
    for (int16_t series : {kSeriesMV710, kSeriesMV510, kSeriesThird}) {
      EditorFixture f;
      f.store.Set("ModelPath", "ModelNum", std::to_string(series));
      f.Open();
      f.Change([](RadioData& d) {  // every field on: a complete programmable channel, scan, groups
        ChannelRecord& lmr = d.FourthGroup[0];
        lmr.Enable = true, lmr.Rxfreq = 156.5, lmr.CHDisplayL = "01";
        d.CommonSettings.Scan = true;
        for (auto& group : d.UsableGroupSettings) group.Usable = true;
      });
      f.doc->MarkUnmodified();
      for (const auto& [node, fields] : walks) {
        f.Select(node);
        QVERIFY(!f.doc->IsModified());
        QCOMPARE(WrongControls(f.window->ActivePane()), QStringList());
        if (series == kSeriesMV710 && !fields.isEmpty())
          QCOMPARE(TabWalk(f.Find<QWidget>(fields[0])), fields);
      }
    }
  }

  void AtisCodeMustBeEmptyOrTenDigits() {
    EditorFixture f;
    MainWindow& w = f.Open();
    f.Change([](RadioData& d) { d.AtisSettings.AtisCode = "1112223334"; });
    f.doc->MarkUnmodified();
    f.Select(kAtisNode);
    auto* code = f.Field("txtAtisCode");
    QCOMPARE(code->text(), QString("1112223334"));
    code->setFocus(Qt::MouseFocusReason);  // selected whole however the field is reached
    QCOMPARE(code->selectedText(), QString("1112223334"));
    // Ten digits and no more; letters never get in, typed or pasted.
    for (auto [typed, kept] : {std::pair{"12345678901", "1234567890"}, {"12345a67", "1234567"}}) {
      code->clear();
      QTest::keyClicks(code, typed);
      QCOMPARE(code->text(), QString(kept));
    }
    Paste(code, "1-2345 6789");
    QCOMPARE(code->text(), QString("123456789"));
    // Typed but not yet taken: the data set is untouched, closing still asks.
    QVERIFY(w.ActivePane()->HasUncommittedEdit());
    QVERIFY(!f.doc->IsModified());

    QVERIFY(!w.PaneCheck());
    QCOMPARE(f.prompter.asked.back().message,
             (Message{"Data Error!!", "ATISNo", MessageIcon::Exclamation}));

    // A refused field, in any pane, keeps the focus against the mouse: a check box pressed is
    // neither drawn pressed nor toggled, and clicks on another tree node leave the tree on the
    // node shown. Each click says "Data Error!!" once; the field keeps what was typed.
    auto* box = f.Box("chkAtisGroup3");
    const bool checked = box->isChecked();
    f.prompter.asked.clear();
    QTest::mousePress(box, Qt::LeftButton);
    QVERIFY(!box->isDown());
    QTest::mouseRelease(box, Qt::LeftButton);
    QTest::mouseDClick(box, Qt::LeftButton);  // its second press, which says it again
    QVERIFY(!box->isDown() && box->isChecked() == checked);
    for (int click = 1; click <= 2; ++click) f.Click(kCommonNode);
    QCOMPARE(f.prompter.Texts(), std::vector<std::string>(4, "Data Error!!"));
    QVERIFY(w.CurrentNode() == kAtisNode && f.TreeNode() == kAtisNode);
    QCOMPARE(QApplication::focusWidget(), code);
    QTRY_VERIFY(!w.ActivePane()->Refusing());  // the user's next action once the click is through
    // ... and a series switch, before its question.
    QCOMPARE(f.Said("mnuModel510"), std::vector<std::string>{"Data Error!!"});
    QCOMPARE(w.Series(), kSeriesMV710);
    // A menu opened with the mouse takes the focus for a moment; the command picked from it still
    // runs the check, and the field keeps what was typed.
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(code, &popup);
    f.Menu("mnuFileNew")->trigger();
    QCOMPARE(f.prompter.Texts(), std::vector<std::string>(2, "Data Error!!"));
    QCOMPARE(code->text(), QString("123456789"));
    QCOMPARE(f.Data().AtisSettings.AtisCode, std::string("1112223334"));

    code->end(false);  // the refocused field has its text selected
    QTest::keyClicks(code, "0");
    QVERIFY(w.PaneCheck());
    QCOMPARE(f.Data().AtisSettings.AtisCode, std::string("1234567890"));
    QVERIFY(f.doc->IsModified());

    code->selectAll();
    QTest::keyClick(code, Qt::Key_Backspace);
    QVERIFY(w.PaneCheck());
    QCOMPARE(f.Data().AtisSettings.AtisCode, std::string());

    // The group boxes write at once.
    const bool before = f.Data().AtisSettings.UsableAtisGroup[3];
    QTest::mouseClick(f.Box("chkAtisGroup3"), Qt::LeftButton);
    QCOMPARE(f.Data().AtisSettings.UsableAtisGroup[3], !before);
  }
};

QTEST_MAIN(PaneTests)
#include "editor_pane_tests.moc"
