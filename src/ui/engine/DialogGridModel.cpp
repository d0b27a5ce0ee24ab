#include "DialogGridModel.h"

#include "core/views/CountersLayout.h"

namespace lovaris::ui {

DialogGridModel::DialogGridModel(const DialogGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    rows_ = std::max(0, static_cast<int>(grid_.rows.size()) - 1);
    columns_ = std::max(0, gridColumns() - 1);
}

int DialogGridModel::gridColumns() const { return grid_.rows.empty() ? 0 : static_cast<int>(grid_.rows.front().size()); }

void DialogGridModel::setEditing(Editable editable, Commit commit) {
    editable_ = std::move(editable);
    commit_ = std::move(commit);
}

bool DialogGridModel::editable(const QModelIndex& index) const {
    return index.isValid() && editable_ && editable_(index.row() + 1, index.column() + 1);
}

bool DialogGridModel::separator(int modelRow) const { return rowTitles_ && IsSeparatorRow(grid_, modelRow + 1); }

void DialogGridModel::refresh() {
    const int rows = std::max(0, static_cast<int>(grid_.rows.size()) - 1);
    const int columns = std::max(0, gridColumns() - 1);
    if (rows != rows_ || columns != columns_) {
        beginResetModel();
        rows_ = rows;
        columns_ = columns;
        endResetModel();
        return;
    }
    if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

int DialogGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int DialogGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant DialogGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(grid_.text(index.row() + 1, index.column() + 1));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

bool DialogGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !editable(index) || !commit_) return false;
    const bool taken = commit_(index.row() + 1, index.column() + 1, value.toString().toStdString());
    // A refused edit shows the cell's text again.
    emit dataChanged(index, index);
    if (taken) emit edited();
    return taken;
}

QVariant DialogGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    // A name cut with "…" shows whole as the title's hint.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    return orientation == Qt::Horizontal ? QString::fromStdString(grid_.text(0, section + 1))
                                         : QString::fromStdString(grid_.text(section + 1, 0));
}

Qt::ItemFlags DialogGridModel::flags(const QModelIndex& index) const {
    if (!editable(index)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace lovaris::ui
