#pragma once
// The grid every timetable view is drawn in: a header row of lesson numbers or
// entities and a header column, both staying in place while the cells scroll, and
// data cells drawn from the records the owner hands over. All data rows share one
// height and all data columns one width; resizing one resizes them all.
#include <QTableView>

#include "SchoolTableModel.h"

namespace lovaris::ui {

class TSchoolTable : public QTableView {
    Q_OBJECT
public:
    explicit TSchoolTable(QWidget* parent = nullptr);

    SchoolTableModel* cells() const { return model_; }
    void setCellSource(SchoolTableModel::CellSource source) { model_->setCellSource(std::move(source)); }
    // Grid counts including the header column and row.
    void setGridSize(int columns, int rows);

    // Rows are entities and columns lessons when vertical; the transpose otherwise.
    void setOrientation(bool vertical);
    bool isVertical() const { return vertical_; }
    // Text lines a data row holds (at least 2); the rows grow to hold them.
    void SetSubRowsCnt(int lines);
    int SubRowsCnt() const { return subRows_; }
    int dataRowHeight() const;
    int dataColumnWidth() const;

    // Grid coordinates (0 = header) of the cell under a point of the viewport; -1, -1 off the cells.
    QPoint cellAt(const QPoint& viewportPoint) const;
    // The rectangle of a data cell in viewport coordinates.
    QRect cellRect(int col, int row) const;
    // The grid cell that has the focus, in grid coordinates; (0, 0) when none.
    QPoint currentCell() const;

    // The header column as wide as its widest text, at least its own width; the
    // data columns (rows) share what room the view has beyond their own width (height).
    void fitToView();

    void repaintAll();
    void repaintRow(int row);
    void repaintColumn(int col);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void equaliseSections(Qt::Orientation orientation, int size);

    SchoolTableModel* model_;
    bool vertical_ = true;
    int subRows_ = 2;
    bool equalising_ = false;
    int baseColumnWidth_ = 77;  // by orientation, or as the user sized a column
    int baseHeaderWidth_ = 101;
    int baseRowHeight_ = 27;
};

}  // namespace lovaris::ui
