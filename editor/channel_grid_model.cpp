#include "editor/channel_grid_model.h"

#include <QBrush>
#include <QPalette>

namespace qw {

void ChannelGridModel::SetText(GridText text) {
  beginResetModel();
  text_ = std::move(text);
  endResetModel();
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(text_.rows.size());
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(text_.header.size());
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto r = static_cast<std::size_t>(index.row());
  // Channels that are switched off are greyed, so channel 00 does not look like 01A.
  if (role == Qt::ForegroundRole) {
    if (r < text_.enabled.size() && !text_.enabled[r])
      return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    return {};
  }
  if (role != Qt::DisplayRole) return {};
  const auto& row = text_.rows[r];
  const auto column = static_cast<std::size_t>(index.column());
  return column < row.size() ? QString::fromStdString(row[column]) : QString();
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= columnCount()) {
    return {};
  }
  return QString::fromStdString(text_.header[static_cast<std::size_t>(section)]);
}

}  // namespace qw
