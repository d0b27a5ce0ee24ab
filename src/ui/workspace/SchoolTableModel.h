#pragma once
// The cells of a timetable grid. The model stores no cell: it asks its owner for
// the record of a cell each time one is drawn, by grid coordinates in which column
// and row 0 are the headers. Model rows and columns are the data rows and columns.
#include <QAbstractTableModel>
#include <functional>

#include "core/views/THourElementRecord.h"

namespace lovaris::ui {

class SchoolTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellSource = std::function<THourElementRecord(int col, int row)>;

    explicit SchoolTableModel(QObject* parent = nullptr);

    void setCellSource(CellSource source);
    // Grid counts including the header column and row.
    void setGridSize(int columns, int rows);
    int gridColumns() const { return columns_; }
    int gridRows() const { return rows_; }
    // The record of a grid cell; a blank one when nobody answers.
    THourElementRecord record(int col, int row) const;
    // Every cell asks again.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The sub-cells' texts, one line each, for assistive tools and tests.
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CellSource source_;
    int columns_ = 1;
    int rows_ = 1;
};

// The texts of a record, sub-cell by sub-cell, fills left out.
QString RecordText(const THourElementRecord& record);

}  // namespace lovaris::ui
