// The navigation tree: which part of the data set the pane stack shows. Every item carries the
// NavNode it stands for.
#pragma once

#include <QHash>
#include <QTreeWidget>

#include "editor/nav_node.h"
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
  // The caption of a channel node after its Enable changed.
  void RefreshChannelCaption(const RadioData& d, const NavNode& channel);

  NavNode NodeOf(const QTreeWidgetItem* item) const;
  // The item of a node; nullptr when the tree does not hold it.
  QTreeWidgetItem* ItemOf(const NavNode& node) const;
  bool Has(const NavNode& node) const { return ItemOf(node) != nullptr; }
  // Selects a node without emitting selection signals.
  void SelectQuietly(const NavNode& node);
  // Pixels the tree needs to show its longest label in full, branches collapsed or not.
  int WidthForLongestLabel() const;

 private:
  QTreeWidgetItem* Add(QTreeWidgetItem* parent, const NavNode& node, const QString& caption);
  void AddGroupChannels(QTreeWidgetItem* groupNode, const RadioData& d, int group);
  void SetGroupCaption(int group, const QString& base, const RadioData& d);

  QHash<qint64, QTreeWidgetItem*> items_;
};

}  // namespace qw
