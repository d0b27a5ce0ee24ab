#pragma once
// One page of the period summary as a grid: a header row and the teachers' counts;
// an empty page shows "Нет" in its first cell.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "core/journal/PeriodSummary.h"

namespace lovaris::ui {

class SummaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static SummaryTableModel* Absences(const PeriodSummary& summary, QObject* parent);
    static SummaryTableModel* Substitutions(const PeriodSummary& summary, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    SummaryTableModel(QStringList headers, std::vector<QStringList> rows, QObject* parent);

    QStringList headers_;
    std::vector<QStringList> rows_;
};

}  // namespace lovaris::ui
