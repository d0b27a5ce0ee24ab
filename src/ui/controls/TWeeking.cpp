#include "TWeeking.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QLocale>

namespace lovaris::ui {

void BusyTableModel::setStateSource(StateOf stateOf) {
    stateOf_ = std::move(stateOf);
    refresh();
}

void BusyTableModel::setLessonsPerDay(int lessons) {
    if (lessons == lessons_) return;
    beginResetModel();
    lessons_ = lessons;
    endResetModel();
}

void BusyTableModel::refresh() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void BusyTableModel::refreshSlot(int slot) {
    const int row = (slot - 1) % 24;
    const int col = (slot - 1) / 24;
    if (row < lessons_ && col < 6) emit dataChanged(index(row, col), index(row, col));
}

int BusyTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : lessons_; }
int BusyTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 6; }

QVariant BusyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int state = stateAt(slotOf(index));
    switch (role) {
        case Qt::DisplayRole:
            return state >= 1 && state <= 3 ? QVariant(QString::number(state)) : QVariant();
        case Qt::BackgroundRole:
            if (state == 0) return QBrush(QColor(0x60, 0xC0, 0x60));
            if (state == 4) return QBrush(QColor(0xE0, 0x50, 0x50));
            return QBrush(QColor(0xF0, 0xD0, 0x40));
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::UserRole:
            return state;
        default:
            return {};
    }
}

QVariant BusyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return QLocale().dayName(section + 1, QLocale::ShortFormat);
    return QString::number(section + 1);
}

TWeeking::TWeeking(QWidget* parent) : QTableView(parent), model_(new BusyTableModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    // Arrows move inside the table; Tab goes on to the next field of the form.
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setMinimumSectionSize(22);
    // The rows share the height; below their least height the table scrolls.
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit slotClicked(BusyTableModel::slotOf(index));
    });
}

void TWeeking::setLessonsPerDay(int lessons) { model_->setLessonsPerDay(lessons); }

void TWeeking::clickCell(int day, int lesson) {
    const QModelIndex index = model_->index(lesson - 1, day - 1);
    if (index.isValid()) emit clicked(index);
}

QSize TWeeking::sizeHint() const {
    // Eight lesson rows are shown; with more, the table scrolls.
    const int rows = std::min(model_->lessonsPerDay(), 8);
    const int h = horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() + 4;
    return {verticalHeader()->sizeHint().width() + 6 * 44 + 4, h};
}

}  // namespace lovaris::ui
