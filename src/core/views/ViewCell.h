#pragma once
// What every cell of the five timetable views shows, for the day the planning's
// state has selected. A grid asks for each cell it draws with its own coordinates
// (0 the header row or column). Vertical: rows are classes, teachers or rooms and
// columns lesson numbers; horizontal: the transpose.
#include "THourElementRecord.h"
#include "ViewContext.h"

namespace lovaris {

struct ViewGridSize {
    int columns = 0;
    int rows = 0;
    bool operator==(const ViewGridSize&) const = default;
};

// The lessons of a day and the entities of the view, each with its header line.
ViewGridSize ViewGridSizeOf(const PlanningSession& session, ViewKind kind, bool vertical);
// The text lines a data row must hold: the most subgroups a lesson of the project
// has, never below the 2 a grid keeps.
int ViewSubRowCount(const Project& project);

// The cell at grid column `col` and row `row`; a cell outside the grid, and the
// corner, are left as a grid fills a record before asking.
THourElementRecord ViewCell(const ViewContext& ctx, ViewKind kind, bool vertical, int col, int row);

}  // namespace lovaris
