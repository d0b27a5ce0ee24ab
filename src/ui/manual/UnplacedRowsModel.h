#pragma once
// One list of the page "Нерасставленные уроки": a class's or a teacher's lessons with
// blocks that stand on no day, and the sizes of those blocks.
#include <QAbstractTableModel>
#include <vector>

#include "core/manual/UnplacedLessons.h"

namespace lovaris::ui {

class UnplacedRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(std::vector<UnplacedRow> rows);
    const UnplacedRow* row(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<UnplacedRow> rows_;
};

}  // namespace lovaris::ui
