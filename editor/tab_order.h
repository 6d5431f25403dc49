// Tab walks a pane as it reads: left to right, top to bottom. Qt's own order is the order the
// fields were made in, which is not always the order they are laid out in.
#pragma once

#include <QList>
#include <QWidget>

namespace qw {

// Tab goes from each field to the next of the list; hidden and disabled ones are passed over.
inline void ChainTabOrder(const QList<QWidget*>& order) {
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace qw
