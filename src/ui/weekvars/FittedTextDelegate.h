#pragma once
// Draws a grid cell's text centred, cut with "…" when the cell is too narrow, the way
// every cell of the group and week search grids is drawn.
#include <QStyledItemDelegate>

namespace lovaris::ui {

class FittedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace lovaris::ui
