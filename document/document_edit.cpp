// Document: the one path through which the data set is edited.
#include <algorithm>

#include "document/document.h"
#include "document/odd_values.h"

namespace qw {

void Document::Tell(const EditWhat& what, const std::function<void(RadioData&)>& apply) {
  // A copy of the list, so an observer may remove itself while it is told.
  const std::vector<Observer*> observers = observers_;
  for (Observer* o : observers) o->BeforeEdit(what, data_);
  apply(data_);
  for (Observer* o : observers) o->AfterEdit(what, data_);
}

void Document::Edit(const EditWhat& what, const std::function<void(RadioData&)>& apply) {
  // Marked before the observers hear of it: undo keeps the mark with the step.
  Tell(what, [&](RadioData& d) {
    apply(d);
    modified_ = true;
  });
}

void Document::SnapOnEntry(RadioData& next) {
  if (!snapOnEntry_) return;
  for (std::string& line : BringIntoRadioForm(next)) entryWarnings_.push_back(std::move(line));
}

void Document::Replace(RadioData next, const std::string& operation) {
  SnapOnEntry(next);
  Edit({EditWhat::Unit::WholeDataSet, -1, -1, operation},
       [&next](RadioData& d) { d = std::move(next); });
}

void Document::Take(RadioData next, const std::string& operation) {
  SnapOnEntry(next);
  Tell({EditWhat::Unit::WholeDataSet, -1, -1, operation},
       [&next](RadioData& d) { d = std::move(next); });
}

void Document::AddObserver(Observer* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void Document::RemoveObserver(Observer* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace qw
