#include "WeekSearchModel.h"

#include "core/weekvars/WeekVariantSearch.h"

#include "core/common/GroupDialogTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

using X = GroupDialogText;
constexpr X kHeaders[] = {X::ColumnTeacher, X::ColumnViewed, X::ColumnImprovements, X::ColumnWeeklyHours,
                          X::ColumnPlacedHours};

}  // namespace

WeekSearchModel::WeekSearchModel(const WeekVariantSearch& search, QStringList names, bool showParallels,
                                 QObject* parent)
    : QAbstractTableModel(parent), search_(search), names_(std::move(names)), showParallels_(showParallels) {}

void WeekSearchModel::Refresh() {
    const int rows = static_cast<int>(search_.rows().size());
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    }
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1));
}

int WeekSearchModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int WeekSearchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kHeaders));
}

QString WeekSearchModel::CellText(const WeekSearchRow& row, int column) const {
    switch (column) {
        case 0: {
            QString name = row.teacher >= 0 && row.teacher < names_.size() ? names_.at(row.teacher) : QString();
            return row.pass == 2 ? name + Res(X::SecondPassMark) : name;
        }
        case 1:
            return QString::number(row.viewed);
        case 2: {
            const QString count = QString::number(row.improvements);
            return showParallels_ ? QStringLiteral("%1 (%2)").arg(count).arg(row.bestParallels) : count;
        }
        case 3:
            return QString::number(row.weeklyHours);
        default:
            return QString::number(row.placedHours);
    }
}

QVariant WeekSearchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shownRows_) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    return CellText(search_.rows().at(static_cast<std::size_t>(index.row())), index.column());
}

QVariant WeekSearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < static_cast<int>(std::size(kHeaders)))
        return Res(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace lovaris::ui
