#include "FittedTextDelegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/controls/FittedText.h"

namespace lovaris::ui {

void FittedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString full = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);  // background and selection

    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const QString shown = FitToWidth(full, room.width(), QFontMetrics(item.font));
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(item.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(room, Qt::AlignCenter, shown);
    painter->restore();
}

}  // namespace lovaris::ui
