// The channel grids' table model: shows the grid text the core builds, nothing more. The grid is
// read-only; a new text is taken whole.
#pragma once

#include <QAbstractTableModel>

#include "report/channel_grid.h"

namespace qw {

class ChannelGridModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ChannelGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetText(GridText text);
  const GridText& Text() const { return text_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  GridText text_;
};

}  // namespace qw
