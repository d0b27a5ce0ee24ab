#include "CheckList.h"

#include <QSignalBlocker>
#include <algorithm>

namespace lovaris::ui {

CheckList::CheckList(QWidget* parent) : QListWidget(parent) {
    // Short entries (class names) fill rows of equal cells rather than one long strip.
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    connect(this, &QListWidget::itemChanged, this, &CheckList::checksChanged);
}

void CheckList::setEntries(const ListEntries& entries, const QList<int>& checked) {
    const QSignalBlocker quiet(this);
    clear();
    for (const auto& e : entries) {
        auto* item = new QListWidgetItem(e.text, this);
        item->setData(Qt::UserRole, e.id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(checked.contains(e.id) ? Qt::Checked : Qt::Unchecked);
    }
    int widest = 0;
    for (const auto& e : entries) widest = std::max(widest, fontMetrics().horizontalAdvance(e.text));
    setGridSize(QSize(widest + 44, fontMetrics().height() + 8));
}

void CheckList::setChecked(const QList<int>& checked) {
    const QSignalBlocker quiet(this);
    for (int i = 0; i < count(); ++i)
        item(i)->setCheckState(checked.contains(item(i)->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
}

QList<int> CheckList::checkedIds() const {
    QList<int> ids;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked) ids.append(item(i)->data(Qt::UserRole).toInt());
    return ids;
}

}  // namespace lovaris::ui
