#include "editor/nav_tree.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "model/channel_plans.h"

namespace qw {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kIndexRole = Qt::UserRole + 2;

qint64 HashKey(const NavNode& node) {
  return (static_cast<qint64>(node.kind) << 32) | ((node.group + 1) << 16) | (node.index + 1);
}

QString MarineCaption(const ChannelRecord& channel, int slot) {
  QString caption = "CH" + QString::fromStdString(ChannelMasterTable()[slot].Label);
  if (channel.Enable) caption += "[Enable]";
  return caption;
}

QString FourthCaption(const RadioData& d, int k) {
  QString caption = QString("%1%2").arg(FourthGroupName(d.ModelSeries)).arg(k + 1);
  if (k < static_cast<int>(d.FourthGroup.size()) && d.FourthGroup[k].Enable) {
    caption += "[Enable]";
  }
  return caption;
}

QString ChannelCaption(const RadioData& d, int group, int n) {
  if (group == kGroupFourth) return FourthCaption(d, n);
  const auto& list = GroupList(d, group);
  return MarineCaption(n < static_cast<int>(list.size()) ? list[n] : ChannelRecord{}, n);
}

}  // namespace

NavTree::NavTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("tvwTree");
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setColumnCount(1);
  // Long captions scroll rather than being cut short in the narrow tree.
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
}

QTreeWidgetItem* NavTree::Add(QTreeWidgetItem* parent, const NavNode& node,
                              const QString& caption) {
  auto* item = new QTreeWidgetItem(parent, QStringList{caption});
  item->setData(0, kKindRole, static_cast<int>(node.kind));
  item->setData(0, kGroupRole, node.group);
  item->setData(0, kIndexRole, node.index);
  items_.insert(HashKey(node), item);
  return item;
}

void NavTree::AddGroupChannels(QTreeWidgetItem* groupNode, const RadioData& d, int group) {
  const int count = group == kGroupFourth ? kFourthGroupChannels : kMarineSlots;
  QList<QTreeWidgetItem*> children;
  children.reserve(count);
  for (int n = 0; n < count; ++n) {
    children.append(Add(nullptr, NavNode::ChannelOf(group, n), ChannelCaption(d, group, n)));
  }
  groupNode->addChildren(children);
}

void NavTree::Rebuild(const RadioData& d) {
  QSignalBlocker quiet(this);
  setUpdatesEnabled(false);
  clear();
  items_.clear();

  QTreeWidgetItem* general = Add(nullptr, NavNode::Of(NavNode::Kind::General), "General");
  addTopLevelItem(general);
  Add(general, NavNode::Of(NavNode::Kind::Usable), "Available CH Group Setup");
  Add(general, NavNode::Of(NavNode::Kind::Common), "Common Setup");
  Add(general, NavNode::Of(NavNode::Kind::Atis), "ATIS Setup");

  QTreeWidgetItem* program =
      Add(nullptr, NavNode::Of(NavNode::Kind::Program), "Programmable Channel");
  addTopLevelItem(program);
  for (int g = 0; g < 3; ++g) {
    if (!d.UsableGroupSettings[g].Usable) continue;
    AddGroupChannels(Add(program, NavNode::GroupGrid(g), kMarineGroupNames[g]), d, g);
  }
  Add(program, NavNode::Of(NavNode::Kind::Weather), "Weather");

  if (d.UsableGroupSettings[kGroupFourth].Usable) {
    QTreeWidgetItem* fourth = Add(nullptr, NavNode::GroupGrid(kGroupFourth), "");
    addTopLevelItem(fourth);
    AddGroupChannels(fourth, d, kGroupFourth);
  }
  general->setExpanded(true);
  program->setExpanded(true);
  RefreshGroupCaptions(d);
  setUpdatesEnabled(true);
}

void NavTree::SetGroupCaption(int group, const QString& base, const RadioData& d) {
  QTreeWidgetItem* item = ItemOf(NavNode::GroupGrid(group));
  if (!item) return;
  const UsableGroupSettings& s = d.UsableGroupSettings[group];
  QString caption = base;
  if (Traits(d.ModelSeries).statusNames && !s.StatusName.empty() && !s.StatusIcon) {
    caption += "(" + QString::fromStdString(s.StatusName) + ")";
  }
  item->setText(0, caption);
}

void NavTree::RefreshGroupCaptions(const RadioData& d) {
  for (int g = 0; g < 3; ++g) SetGroupCaption(g, kMarineGroupNames[g], d);
  SetGroupCaption(kGroupFourth, QString(FourthGroupName(d.ModelSeries)) + " Channel", d);
}

void NavTree::RefreshChannelCaption(const RadioData& d, const NavNode& channel) {
  if (QTreeWidgetItem* item = ItemOf(channel)) {
    item->setText(0, ChannelCaption(d, channel.group, channel.index));
  }
}

NavNode NavTree::NodeOf(const QTreeWidgetItem* item) const {
  if (!item) return {};
  return {static_cast<NavNode::Kind>(item->data(0, kKindRole).toInt()),
          item->data(0, kGroupRole).toInt(), item->data(0, kIndexRole).toInt()};
}

QTreeWidgetItem* NavTree::ItemOf(const NavNode& node) const {
  return node ? items_.value(HashKey(node), nullptr) : nullptr;
}

void NavTree::SelectQuietly(const NavNode& node) {
  QSignalBlocker quiet(this);
  if (QTreeWidgetItem* item = ItemOf(node)) setCurrentItem(item);
}

int NavTree::WidthForLongestLabel() const {
  const QFontMetrics metrics(font());
  int widest = 0;
  for (const QTreeWidgetItem* item : items_) {
    int depth = 1;
    for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent()) ++depth;
    widest = std::max(widest, indentation() * depth + metrics.horizontalAdvance(item->text(0)));
  }
  // Room for the frame, the item margins and a vertical scroll bar.
  return widest + 2 * frameWidth() + 16 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace qw
