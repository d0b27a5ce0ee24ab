#pragma once
// The counters the planning dialogs show, written into the grids they lay out: the
// preparation before an optimisation, the control and the load statistics. A
// counters grid has one column per class or teacher (column c is entity c - 1,
// column 0 the dialog's row titles) and the entity's name in row 0; only the rows
// named below are written, the rest keep what the dialog put there. The counters are
// those of the last day targets: the caller prepares the day's data first.
#include <string>
#include <vector>

#include "../planning/WeekQuality.h"
#include "ViewContext.h"

namespace lovaris {

// A grid cell carries a number besides its text (the preparation keeps a teacher's
// own windows there, and marks chosen columns in row 0).
struct DialogCell {
    std::string text;
    int number = 0;
    bool operator==(const DialogCell&) const = default;
};

struct DialogGrid {
    std::vector<std::vector<DialogCell>> rows;

    // Grows the grid to hold the cell.
    DialogCell& at(int row, int column);
    // Empty outside the grid.
    std::string text(int row, int column) const;
};

// Classes: 1 weekly hours, 2 hours on no day, 4 closed today, 5 placed today, 7 and 8
// the day's minimum and maximum less what is placed. Teachers: 1 free days, 2 free
// days still to come, 4 weekly hours, 5 hours on no day, 7 closed today, 8 placed
// today, 10 and 11 the minimum and maximum less what is placed.
void FillControlGrids(const ViewContext& ctx, DialogGrid& klasses, DialogGrid& teachers);
// Classes as the control up to row 5, and row 7 the hours the class will have today,
// starting at those placed. Teachers as the control up to row 8, and row 10 the
// windows allowed today: the teacher's windows, at least the options' number; its
// own windows ride along as the cell's number.
void FillPreparationGrids(const ViewContext& ctx, DialogGrid& klasses, DialogGrid& teachers);
// One row per class (row r is class r - 1): its name, then its load on days 1..6.
void FillLoadGrid(const ViewContext& ctx, DialogGrid& loads);
// The week's quality, one figure a row: its title in column 0, its value in column 1;
// row 0 titles the columns.
void FillQualityGrid(const WeekQuality& quality, DialogGrid& figures);

}  // namespace lovaris
