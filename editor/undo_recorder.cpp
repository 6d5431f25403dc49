#include "editor/undo_recorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QUndoStack>
#include <utility>

#include "model/field_table.h"
#include "model/channel_plans.h"

namespace qw {

// One step: an edit with the values it takes back, or a whole command whose edits are its
// children. A step that stands for a whole-document command also puts the document's marks back.
// The first redo of a step on the stack is the edit itself, which has already happened.
class UndoStep final : public QUndoCommand {
 public:
  // One edit; inside a group it becomes one of the group's children.
  UndoStep(UndoRecorder& recorder, EditWhat what, const QString& name, DataDelta delta,
           int mergeVisit, QUndoCommand* group)
      : QUndoCommand(name, group),
        recorder_(recorder),
        what_(std::move(what)),
        delta_(std::make_unique<DataDelta>(std::move(delta))),
        mergeVisit_(mergeVisit),
        skipRedo_(group == nullptr) {}
  // A group: its children are the edits it is made of.
  UndoStep(UndoRecorder& recorder, const QString& name, DocumentMarks before)
      : QUndoCommand(name),
        recorder_(recorder),
        mergeVisit_(-1),
        skipRedo_(true),
        marks_(std::make_unique<std::pair<DocumentMarks, DocumentMarks>>(before, before)) {}

  void SetMarks(DocumentMarks before, DocumentMarks after) {
    marks_ = std::make_unique<std::pair<DocumentMarks, DocumentMarks>>(std::move(before),
                                                                       std::move(after));
  }
  void SetMarksAfter(DocumentMarks after) { marks_->second = std::move(after); }
  bool MarksChanged() const { return marks_ && marks_->first != marks_->second; }

  void undo() override {
    if (delta_) recorder_.Apply(what_, *delta_);
    QUndoCommand::undo();  // the children, last first
    if (marks_) recorder_.PutMarks(marks_->first);
  }
  void redo() override {
    if (skipRedo_) {
      skipRedo_ = false;
      return;
    }
    if (delta_) recorder_.Apply(what_, *delta_);
    QUndoCommand::redo();
    if (marks_) recorder_.PutMarks(marks_->second);
  }
  // Typed edits of one field in one visit share an id, so the stack offers them for merging.
  int id() const override { return mergeVisit_ >= 0 ? 1 : -1; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* later = dynamic_cast<const UndoStep*>(other);
    if (!later || !delta_ || !later->delta_ || later->mergeVisit_ != mergeVisit_ ||
        !(later->what_ == what_))
      return false;
    delta_->Absorb(std::move(*later->delta_));
    return true;
  }

 private:
  UndoRecorder& recorder_;
  EditWhat what_;
  std::unique_ptr<DataDelta> delta_;  // none for a group
  int mergeVisit_;                    // -1: never merged
  bool skipRedo_;
  std::unique_ptr<std::pair<DocumentMarks, DocumentMarks>> marks_;  // before, after
};

namespace {

QString FieldWord(const std::string& field) {
  return QString::fromStdString(fields::UndoWordOf(field));
}

QString GroupWord(int group, int16_t series) {
  if (group >= 0 && group < 3) return kMarineGroupNames[group];
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
  if (!IsMarineSlot(what.index)) return group;
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
  // The steps go with the stack; nobody is told of it, since listeners may be going too.
  stack_->disconnect();
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

void UndoRecorder::SetMarks(std::function<DocumentMarks()> read,
                            std::function<void(const DocumentMarks&)> put) {
  readMarks_ = std::move(read);
  putMarks_ = std::move(put);
}

DocumentMarks UndoRecorder::ReadMarks() const {
  return readMarks_ ? readMarks_() : DocumentMarks{};
}

void UndoRecorder::PutMarks(const DocumentMarks& marks) {
  if (putMarks_) putMarks_(marks);
}

void UndoRecorder::BeforeEdit(const EditWhat&, const RadioData& data) {
  if (applying_) return;
  before_ = std::make_unique<RadioData>(data);
  if (!group_) marksBefore_ = ReadMarks();
}

void UndoRecorder::AfterEdit(const EditWhat& what, const RadioData& data) {
  if (applying_ || !before_) return;
  DataDelta delta(*before_, data);
  before_.reset();
  if (delta.Empty()) return;
  const QString name = StepName(what, data);
  const bool typed = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
  Push(what, name, std::move(delta), typed && what.unit != EditWhat::Unit::WholeDataSet);
}

void UndoRecorder::Push(const EditWhat& what, const QString& name, DataDelta delta, bool typed) {
  if (group_) {
    new UndoStep(*this, what, name, std::move(delta), -1, group_);
    return;
  }
  auto* step = new UndoStep(*this, what, name, std::move(delta), typed ? visit_ : -1, nullptr);
  // Every step carries the marks too: undoing the only edit since a save leaves the data set
  // unchanged again, with nothing to ask about on closing.
  step->SetMarks(marksBefore_, ReadMarks());
  stack_->push(step);
}

void UndoRecorder::Apply(const EditWhat& what, DataDelta& delta) {
  applying_ = true;
  doc_.Edit(what, [&delta](RadioData& d) { delta.SwapWith(d); });
  applying_ = false;
  emit Applied(what);
}

UndoRecorder::StepGroup::StepGroup(UndoRecorder& recorder, const QString& name)
    : recorder_(recorder) {
  if (recorder_.groupDepth_++ == 0)
    recorder_.group_ = new UndoStep(recorder_, name, recorder_.ReadMarks());
}

UndoRecorder::StepGroup::~StepGroup() {
  if (--recorder_.groupDepth_ != 0) return;
  UndoStep* step = std::exchange(recorder_.group_, nullptr);
  step->SetMarksAfter(recorder_.ReadMarks());
  // A command that changed nothing (refused, or already so) leaves no step.
  if (step->childCount() == 0 && !step->MarksChanged()) {
    delete step;
    return;
  }
  recorder_.stack_->push(step);
}

}  // namespace qw
