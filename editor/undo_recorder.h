// Undo and redo of every edit of the data set. The recorder watches the Document's one edit
// path and turns each edit into a step of a QUndoStack that holds only what the edit changed.
// Typing in a text field is one step per visit of the field; a command made of several edits
// (New with its destination, a series switch, Open) is one step when wrapped in a StepGroup.
// A whole-document step also carries what the user calls "the document" beside the data: the
// file it came from, its changed flag and the destination it was built on (DocumentMarks).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "document/data_delta.h"
#include "document/document.h"

class QUndoStack;

namespace qw {

class UndoStep;

// The document's state beside the data set that a whole-document step takes back.
struct DocumentMarks {
  std::string fileName;
  bool changed = false;
  std::string destination;            // the ticked destination; empty when none
  std::string rememberedDestination;  // the one the settings name for the series
  int saves = 0;                      // files saved so far: a later save makes "unchanged" stale
  bool operator==(const DocumentMarks&) const = default;
};

class UndoRecorder final : public QObject, private Document::Observer {
  Q_OBJECT
 public:
  // At most this many steps are kept; the oldest go first.
  static constexpr int kStepLimit = 500;

  UndoRecorder(Document& doc, QObject* parent = nullptr);
  ~UndoRecorder() override;

  QUndoStack* Stack() const { return stack_; }

  // How the window reads and puts back its marks; without them, steps carry data only.
  void SetMarks(std::function<DocumentMarks()> read, std::function<void(const DocumentMarks&)> put);

  // Makes the edits of its lifetime one step named `name`, with the marks as they were at its
  // start and as they are at its end.
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
  void PutMarks(const DocumentMarks& marks);
  DocumentMarks ReadMarks() const;
  void Push(const EditWhat& what, const QString& name, DataDelta delta, bool typed);

  Document& doc_;
  QUndoStack* stack_ = nullptr;
  std::unique_ptr<RadioData> before_;  // the data set as the running edit found it
  DocumentMarks marksBefore_;          // the marks as the running whole-document edit found them
  bool applying_ = false;
  int visit_ = 0;  // counts focus changes: typing in one visit of a field merges
  int groupDepth_ = 0;
  UndoStep* group_ = nullptr;  // the open group's step, which takes the edits as its children
  std::function<DocumentMarks()> readMarks_;
  std::function<void(const DocumentMarks&)> putMarks_;
};

}  // namespace qw
