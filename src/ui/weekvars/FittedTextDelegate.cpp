#include "FittedTextDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>

#include "ui/controls/FittedText.h"

namespace lovaris::ui {

namespace {

// Where the text of a cell goes, as the cell is drawn.
QRect TextRoom(const QStyleOptionViewItem& option, QStyleOptionViewItem& item) {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
}

}  // namespace

bool FittedTextDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString full = item.text;
    item.text.clear();  // as when drawn
    const bool cut = IsCutToWidth(full, TextRoom(option, item).width(), QFontMetrics(item.font));
    return ShowWholeTextTip(event, view->viewport(), option.rect, cut ? full : QString());
}

void FittedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString full = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);  // background and selection

    const QRect room = TextRoom(option, item);
    const QString shown = FitToWidth(full, room.width(), QFontMetrics(item.font));
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(item.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(room, Qt::AlignCenter, shown);
    painter->restore();
}

}  // namespace lovaris::ui
