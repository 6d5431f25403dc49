// The navigation tree: which part of the data set the pane stack shows.
#pragma once

#include <QHash>
#include <QTreeWidget>
#include <array>
#include <vector>

#include "model/radio_data.h"

namespace qw {

class NavTree final : public QTreeWidget {
  Q_OBJECT
 public:
  explicit NavTree(QWidget* parent = nullptr);

  // Rebuilds every node from the data set; selects nothing and emits nothing.
  void Rebuild(const RadioData& d);
  // Group node captions with the status name for every series but the MV510.
  void RefreshGroupCaptions(const RadioData& d);
  // The caption of channel node "PU"n / "E"n after its enable box changed.
  void RefreshChannelCaption(const RadioData& d, int group, int index);

  // Nodes are numbered from 1 in the order they were added; 0 = none.
  int NodeCount() const { return static_cast<int>(nodes_.size()); }
  int IndexOfKey(const QString& key) const;
  int IndexOfItem(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* Node(int index) const;
  QString KeyOf(const QTreeWidgetItem* item) const;
  // Position of each group's node, 0 when the group has none.
  const std::array<int, 4>& GroupNodeIndex() const { return groupNodeIndex_; }
  // Selects a node without emitting selection signals.
  void SelectQuietly(int index);

 private:
  QTreeWidgetItem* Add(QTreeWidgetItem* parent, const QString& key, const QString& caption);
  void AddGroupChannels(QTreeWidgetItem* groupNode, const RadioData& d, int group);
  void SetGroupCaption(int group, const QString& base, const RadioData& d);

  std::vector<QTreeWidgetItem*> nodes_;
  QHash<QString, int> indexByKey_;
  std::array<int, 4> groupNodeIndex_{};
};

}  // namespace qw
