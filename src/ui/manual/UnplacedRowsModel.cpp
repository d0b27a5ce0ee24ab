#include "UnplacedRowsModel.h"

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

void UnplacedRowsModel::setRows(std::vector<UnplacedRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const UnplacedRow* UnplacedRowsModel::row(int index) const {
    return index >= 0 && index < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(index)] : nullptr;
}

int UnplacedRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int UnplacedRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant UnplacedRowsModel::data(const QModelIndex& index, int role) const {
    const UnplacedRow* at = index.isValid() ? row(index.row()) : nullptr;
    if (!at || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return Text(index.column() == 0 ? at->title : at->sizes);
}

}  // namespace lovaris::ui
