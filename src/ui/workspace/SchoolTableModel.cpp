#include "SchoolTableModel.h"

#include <QStringList>
#include <algorithm>

namespace lovaris::ui {

SchoolTableModel::SchoolTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SchoolTableModel::setCellSource(CellSource source) {
    source_ = std::move(source);
    refresh();
}

void SchoolTableModel::setGridSize(int columns, int rows) {
    beginResetModel();
    columns_ = std::max(columns, 1);
    rows_ = std::max(rows, 1);
    endResetModel();
}

THourElementRecord SchoolTableModel::record(int col, int row) const {
    return source_ ? source_(col, row) : THourElementRecord{};
}

void SchoolTableModel::refresh() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, std::max(columnCount() - 1, 0));
    emit headerDataChanged(Qt::Vertical, 0, std::max(rowCount() - 1, 0));
}

int SchoolTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_ - 1; }
int SchoolTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_ - 1; }

QVariant SchoolTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return RecordText(record(index.column() + 1, index.row() + 1));
}

QVariant SchoolTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? RecordText(record(section + 1, 0)) : RecordText(record(0, section + 1));
}

Qt::ItemFlags SchoolTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString RecordText(const THourElementRecord& record) {
    QStringList lines;
    for (int c = 1; c <= record.subColumnCount(); ++c)
        for (int r = 1; r <= record.subRowCount(); ++r) {
            const std::string& text = record.text(c, r);
            if (!text.empty() && !IsFillCode(text)) lines << QString::fromStdString(text);
        }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace lovaris::ui
