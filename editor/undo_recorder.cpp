#include "editor/undo_recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QThread>
#include <QUndoStack>
#include <map>

#include "model/channel_plans.h"

namespace qw {

// One step: what it touched and the values it takes back. The first redo is the edit itself,
// which has already happened.
class UndoStep final : public QUndoCommand {
 public:
  UndoStep(UndoRecorder& recorder, EditWhat what, const QString& name, DataDelta delta,
           int mergeVisit)
      : QUndoCommand(name),
        recorder_(recorder),
        what_(std::move(what)),
        delta_(std::move(delta)),
        mergeVisit_(mergeVisit) {}

  void undo() override { recorder_.Apply(what_, delta_); }
  void redo() override {
    if (done_) recorder_.Apply(what_, delta_);
    done_ = true;
  }
  // Typed edits of one field in one visit share an id, so the stack offers them for merging.
  int id() const override { return mergeVisit_ >= 0 ? 1 : -1; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* later = dynamic_cast<const UndoStep*>(other);
    if (!later || later->mergeVisit_ != mergeVisit_ || !(later->what_ == what_)) return false;
    delta_.Absorb(std::move(const_cast<UndoStep*>(later)->delta_));
    return true;
  }

 private:
  UndoRecorder& recorder_;
  EditWhat what_;
  DataDelta delta_;
  int mergeVisit_;  // -1: never merged
  bool done_ = false;
};

namespace {

QString FieldWord(const std::string& field) {
  // clang-format off
  static const std::map<std::string, QString> words = {
      {"ChTag", "name"}, {"Enable", "enable"}, {"TxEnable", "TX enable"}, {"LowPower", "low power"},
      {"PowUp", "power up"}, {"Duplex", "duplex"}, {"ScanMemory", "scan memory"},
      {"Scramble", "scrambler"}, {"CHDisplayL", "display"}, {"CHDisplayR", "display"},
      {"Rxfreq", "Rx frequency"}, {"Txfreq", "Tx frequency"}, {"Narrow", "wide/narrow"},
      {"CTCSS", "tone"}, {"DCS", "tone"}, {"RxComp", "COMP"}, {"TxPoDisplay", "TX Po Display"},
      {"Scan", "SCAN"}, {"ResumeTime", "Resume Time"}, {"PttScanClear", "PTT SCAN Clear"},
      {"DualWatch", "Dual Watch"}, {"Weater", "Weather Alert"}, {"Usable", "usable"},
      {"TxTot", "TX TOT"}, {"PriorityCh", "priority channel"}, {"StatusIcon", "status icon"},
      {"StatusName", "status name"}, {"UsableAtisGroup", "group"}, {"AtisCode", "code"}};
  // clang-format on
  auto found = words.find(field);
  return found != words.end() ? found->second : QString::fromStdString(field);
}

QString GroupWord(int group, int16_t series) {
  static const char* const names[] = {"USA", "INTL", "CANADA"};
  if (group >= 0 && group < 3) return names[group];
  return FourthGroupName(series);
}

QString ChannelWord(const EditWhat& what, const RadioData& data) {
  if (what.group == kGroupWX) {
    if (what.index < 0 || what.index >= static_cast<int>(data.WX.size())) return "WX";
    return QString("WX%1").arg(data.WX[what.index].Position, 2, 10, QChar('0'));
  }
  if (what.group == kGroupFourth) {
    return QString("%1%2").arg(FourthGroupName(data.ModelSeries)).arg(what.index + 1);
  }
  const QString group = GroupWord(what.group, data.ModelSeries);
  if (what.index < 0 || what.index >= 240) return group;
  return group + " " + QString::fromStdString(ChannelMasterTable()[what.index].Label);
}

}  // namespace

UndoRecorder::UndoRecorder(Document& doc, QObject* parent)
    : QObject(parent), doc_(doc), stack_(new QUndoStack(this)) {
  stack_->setUndoLimit(kStepLimit);
  connect(qApp, &QApplication::focusChanged, this, [this] { ++visit_; });
  doc_.AddObserver(this);
}

UndoRecorder::~UndoRecorder() {
  doc_.RemoveObserver(this);
}

QString UndoRecorder::StepName(const EditWhat& what, const RadioData& data) {
  const QString field = FieldWord(what.field);
  switch (what.unit) {
    case EditWhat::Unit::Channel:
      return ChannelWord(what, data) + " " + field;
    case EditWhat::Unit::UsableGroup:
      return GroupWord(what.group, data.ModelSeries) + " " + field;
    case EditWhat::Unit::Common:
      return "Common " + field;
    case EditWhat::Unit::Dsc:
      return "DSC " + field;
    case EditWhat::Unit::Atis:
      return "ATIS " + field;
    case EditWhat::Unit::MemoryDirectory:
      return QString("Memory ID %1 %2").arg(what.index + 1).arg(field);
    case EditWhat::Unit::GroupDirectory:
      return QString("Group ID %1 %2").arg(what.index + 1).arg(field);
    case EditWhat::Unit::WholeDataSet:
      break;
  }
  return QString::fromStdString(what.field);
}

void UndoRecorder::BeforeEdit(const EditWhat&, const RadioData& data) {
  if (applying_) return;
  before_ = std::make_unique<RadioData>(data);
}

void UndoRecorder::AfterEdit(const EditWhat& what, const RadioData& data) {
  if (applying_ || !before_) return;
  DataDelta delta(*before_, data);
  before_.reset();
  if (delta.Empty()) return;
  const QString name = StepName(what, data);
  if (QThread::currentThread() != thread()) {
    // A radio transfer's worker: the step joins the stack on the window's thread.
    auto held = std::make_shared<DataDelta>(std::move(delta));
    QMetaObject::invokeMethod(
        this, [this, what, name, held] { Push(what, name, std::move(*held), false); },
        Qt::QueuedConnection);
    return;
  }
  const bool typed = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
  Push(what, name, std::move(delta), typed && what.unit != EditWhat::Unit::WholeDataSet);
}

void UndoRecorder::Push(const EditWhat& what, const QString& name, DataDelta delta, bool typed) {
  stack_->push(new UndoStep(*this, what, name, std::move(delta), typed ? visit_ : -1));
}

void UndoRecorder::Apply(const EditWhat& what, DataDelta& delta) {
  applying_ = true;
  doc_.Edit(what, [&delta](RadioData& d) { delta.SwapWith(d); });
  applying_ = false;
  emit Applied(what);
}

UndoRecorder::StepGroup::StepGroup(UndoRecorder& recorder, const QString& name)
    : recorder_(recorder) {
  if (recorder_.groupDepth_++ == 0) recorder_.stack_->beginMacro(name);
}

UndoRecorder::StepGroup::~StepGroup() {
  if (--recorder_.groupDepth_ == 0) recorder_.stack_->endMacro();
}

}  // namespace qw
