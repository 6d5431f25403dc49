// Undo and redo of every edit of the data set. The recorder watches the Document's one edit
// path and turns each edit into a step of a QUndoStack that holds only what the edit changed.
// Typing in a text field is one step per visit of the field; a command made of several edits
// (New with its destination, a series switch) is one step when wrapped in a StepGroup.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "files/data_delta.h"
#include "files/document.h"

class QUndoStack;

namespace qw {

class UndoRecorder final : public QObject, private Document::Observer {
  Q_OBJECT
 public:
  // At most this many steps are kept; the oldest go first.
  static constexpr int kStepLimit = 500;

  UndoRecorder(Document& doc, QObject* parent = nullptr);
  ~UndoRecorder() override;

  QUndoStack* Stack() const { return stack_; }

  // Makes the edits of its lifetime one step named `name`.
  class StepGroup {
   public:
    StepGroup(UndoRecorder& recorder, const QString& name);
    ~StepGroup();
    StepGroup(const StepGroup&) = delete;
    StepGroup& operator=(const StepGroup&) = delete;

   private:
    UndoRecorder& recorder_;
  };

  // The step's caption: "USA 22A name", "LMR5 Rx frequency", "Read from Radio".
  static QString StepName(const EditWhat& what, const RadioData& data);

 signals:
  // An undo or redo has put back part of the data set.
  void Applied(const EditWhat& what);

 private:
  friend class UndoStep;
  void BeforeEdit(const EditWhat& what, const RadioData& data) override;
  void AfterEdit(const EditWhat& what, const RadioData& data) override;
  // Runs an undo or redo through the Document's edit path, unrecorded.
  void Apply(const EditWhat& what, DataDelta& delta);
  void Push(const EditWhat& what, const QString& name, DataDelta delta, bool typed);

  Document& doc_;
  QUndoStack* stack_ = nullptr;
  std::unique_ptr<RadioData> before_;  // the data set as the running edit found it
  bool applying_ = false;
  int visit_ = 0;  // counts focus changes: typing in one visit of a field merges
  int groupDepth_ = 0;
};

}  // namespace qw
