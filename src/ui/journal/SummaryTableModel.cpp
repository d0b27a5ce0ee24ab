#include "SummaryTableModel.h"

#include "core/common/JournalTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

std::vector<QStringList> orNone(std::vector<QStringList> rows) {
    if (rows.empty()) rows.push_back({Res(JournalText::NoneCell)});
    return rows;
}

}  // namespace

SummaryTableModel::SummaryTableModel(QStringList headers, std::vector<QStringList> rows, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)), rows_(orNone(std::move(rows))) {}

SummaryTableModel* SummaryTableModel::Absences(const PeriodSummary& summary, QObject* parent) {
    std::vector<QStringList> rows;
    for (const auto& a : summary.absences) rows.push_back({Text(a.name), QString::number(a.junior), QString::number(a.senior)});
    return new SummaryTableModel(
        {Res(JournalText::ColumnTeacher), Res(JournalText::ColumnJunior), Res(JournalText::ColumnSenior)}, rows, parent);
}

SummaryTableModel* SummaryTableModel::Substitutions(const PeriodSummary& summary, QObject* parent) {
    std::vector<QStringList> rows;
    for (const auto& s : summary.substitutions)
        rows.push_back({Text(s.name), QString::number(s.junior), QString::number(s.juniorGroup), QString::number(s.senior),
                        QString::number(s.seniorGroup)});
    const QString group = Res(JournalText::GroupMark);
    return new SummaryTableModel({Res(JournalText::ColumnTeacher), Res(JournalText::ColumnJunior),
                                  Res(JournalText::ColumnJunior) + group, Res(JournalText::ColumnSenior),
                                  Res(JournalText::ColumnSenior) + group},
                                 rows, parent);
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SummaryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : headers_.size(); }

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const QStringList& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return index.column() < row.size() ? row[index.column()] : QString();
    if (role == Qt::TextAlignmentRole && index.column() > 0) return int(Qt::AlignCenter);
    return {};
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return section < headers_.size() ? headers_[section] : QVariant();
    return {};
}

}  // namespace lovaris::ui
