#include "editor/channel_grid_model.h"

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
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const auto& row = text_.rows[static_cast<std::size_t>(index.row())];
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
