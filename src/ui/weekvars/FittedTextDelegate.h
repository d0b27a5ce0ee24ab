#pragma once
// Draws a grid cell's text centred, cut with "…" when the cell is too narrow, the way
// every cell of the group and week search grids is drawn; a cut cell shows its whole
// text as a tooltip.
#include <QStyledItemDelegate>

namespace lovaris::ui {

class FittedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A cut cell's whole text as its tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace lovaris::ui
