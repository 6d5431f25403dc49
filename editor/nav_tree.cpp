#include "editor/nav_tree.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "model/channel_plans.h"

namespace qw {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

const char* const kGroupKey[3] = {"PU", "PI", "PC"};
const char* const kGroupCaption[3] = {"USA", "INTL", "CANADA"};

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

QTreeWidgetItem* NavTree::Add(QTreeWidgetItem* parent, const QString& key, const QString& caption) {
  auto* item = new QTreeWidgetItem(parent, QStringList{caption});
  item->setData(0, kKeyRole, key);
  nodes_.push_back(item);
  const int index = static_cast<int>(nodes_.size());
  item->setData(0, kIndexRole, index);
  indexByKey_.insert(key.toUpper(), index);
  return item;
}

void NavTree::AddGroupChannels(QTreeWidgetItem* groupNode, const RadioData& d, int group) {
  const auto& list = GroupList(d, group);
  const QString prefix = group < 3 ? kGroupKey[group] : "E";
  const int count = group < 3 ? 240 : 40;
  QList<QTreeWidgetItem*> children;
  children.reserve(count);
  for (int n = 0; n < count; ++n) {
    QString caption;
    if (group < 3) {
      caption = n < static_cast<int>(list.size()) ? MarineCaption(list[n], n)
                                                  : MarineCaption(ChannelRecord{}, n);
    } else {
      caption = FourthCaption(d, n);
    }
    // Channel nodes are numbered from 0 for the marine plans and from 1 for the fourth group.
    QTreeWidgetItem* item = Add(nullptr, prefix + QString::number(group < 3 ? n : n + 1), caption);
    children.append(item);
  }
  groupNode->addChildren(children);
}

void NavTree::Rebuild(const RadioData& d) {
  QSignalBlocker quiet(this);
  setUpdatesEnabled(false);
  clear();
  nodes_.clear();
  indexByKey_.clear();
  groupNodeIndex_ = {};

  QTreeWidgetItem* general = Add(nullptr, "General", "General");
  addTopLevelItem(general);
  Add(general, "Usable", "Available CH Group Setup");
  Add(general, "Common", "Common Setup");
  Add(general, "ATIS", "ATIS Setup");

  QTreeWidgetItem* program = Add(nullptr, "Program", "Programmable Channel");
  addTopLevelItem(program);
  for (int g = 0; g < 3; ++g) {
    if (!d.UsableGroupSettings[g].Usable) continue;
    QTreeWidgetItem* node = Add(program, kGroupKey[g], kGroupCaption[g]);
    groupNodeIndex_[g] = NodeCount();
    AddGroupChannels(node, d, g);
  }
  Add(program, "PW", "Weather");

  if (d.UsableGroupSettings[kGroupFourth].Usable) {
    QTreeWidgetItem* fourth = Add(nullptr, "ExpChannel", "");
    groupNodeIndex_[kGroupFourth] = NodeCount();
    addTopLevelItem(fourth);
    AddGroupChannels(fourth, d, kGroupFourth);
  }
  general->setExpanded(true);
  program->setExpanded(true);
  RefreshGroupCaptions(d);
  setUpdatesEnabled(true);
}

void NavTree::SetGroupCaption(int group, const QString& base, const RadioData& d) {
  const int index = groupNodeIndex_[group];
  if (index == 0) return;
  const UsableGroupSettings& s = d.UsableGroupSettings[group];
  QString caption = base;
  if (d.ModelSeries != kSeriesMV510 && !s.StatusName.empty() && !s.StatusIcon) {
    caption += "(" + QString::fromStdString(s.StatusName) + ")";
  }
  Node(index)->setText(0, caption);
}

void NavTree::RefreshGroupCaptions(const RadioData& d) {
  for (int g = 0; g < 3; ++g) SetGroupCaption(g, kGroupCaption[g], d);
  SetGroupCaption(kGroupFourth, QString(FourthGroupName(d.ModelSeries)) + " Channel", d);
}

void NavTree::RefreshChannelCaption(const RadioData& d, int group, int index) {
  const int groupIndex = groupNodeIndex_[group];
  if (groupIndex == 0) return;
  QTreeWidgetItem* child = Node(groupIndex)->child(index);
  if (!child) return;
  const auto& list = GroupList(d, group);
  if (group < 3) {
    if (index < static_cast<int>(list.size())) child->setText(0, MarineCaption(list[index], index));
  } else {
    child->setText(0, FourthCaption(d, index));
  }
}

int NavTree::IndexOfKey(const QString& key) const {
  return indexByKey_.value(key.toUpper(), 0);
}

int NavTree::IndexOfItem(const QTreeWidgetItem* item) const {
  return item ? item->data(0, kIndexRole).toInt() : 0;
}

QTreeWidgetItem* NavTree::Node(int index) const {
  return index >= 1 && index <= NodeCount() ? nodes_[index - 1] : nullptr;
}

QString NavTree::KeyOf(const QTreeWidgetItem* item) const {
  return item ? item->data(0, kKeyRole).toString() : QString();
}

void NavTree::SelectQuietly(int index) {
  QSignalBlocker quiet(this);
  if (QTreeWidgetItem* item = Node(index)) setCurrentItem(item);
}

}  // namespace qw
