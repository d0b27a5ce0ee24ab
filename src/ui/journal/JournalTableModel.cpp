#include "JournalTableModel.h"

#include "core/common/JournalTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

JournalTableModel::JournalTableModel(JournalDayModel& day, QObject* parent) : QAbstractTableModel(parent), day_(day) {}

void JournalTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int JournalTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : day_.rowCount(); }

int JournalTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kJournalColumns; }

QVariant JournalTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= day_.rowCount()) return {};
    const auto& row = day_.rows()[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Text(row.texts[static_cast<std::size_t>(index.column())]);
    if (role == Qt::TextAlignmentRole && index.column() == kColLesson) return int(Qt::AlignCenter);
    return {};
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kJournalColumns) return {};
    return Res(static_cast<JournalText>(static_cast<int>(JournalText::ColumnLesson) + section));
}

Qt::ItemFlags JournalTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid()) return f;
    const bool substitute = index.column() == kColSubstitute && day_.CanDelete(index.row());
    if (substitute || day_.IsEditableCell(index.row(), index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool JournalTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !day_.IsEditableCell(index.row(), index.column())) return false;
    const auto outcome = day_.EditCell(index.row(), index.column(), value.toString().toStdString());
    if (!outcome.done) {
        emit editRefused(index, value.toString(), Text(outcome.message));
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

}  // namespace lovaris::ui
