#pragma once
// What the details window of the manual regime shows: one focus (a lesson's link
// set) with its first five classes and first five teachers side by side in every
// cell of a whole week, clean copy and draft. Its drags, menus and commands are
// ManualPlacement's with the cell's day; this is what it draws and where a click
// lands.
#include <optional>
#include <string>

#include "../views/THourElementRecord.h"
#include "../views/ViewContext.h"
#include "ManualCell.h"

namespace lovaris {

inline constexpr int kDetailsShownMax = 5;

// The focus: list A (classes with their lessons) and list B (teachers with their
// lesson copies) of a link set.
struct DetailsFocus {
    LinkSet links;

    // How many of the side's entries are shown (0..5) and the shown one's class or
    // teacher, -1 past them.
    int Shown(ManualSide side) const;
    int ShownEntity(ManualSide side, int index) const;
    // Every class (teacher) of the focus, not only the shown ones, joined by "/".
    std::string Names(const PlanningSession& session, ManualSide side) const;
    bool operator==(const DetailsFocus& other) const;
};

// The number of sub-cells a data cell is drawn with: one per shown entry, and one
// empty sub-cell for a focus without any on that side (a lesson of fictive groups
// only has no teacher).
int DetailsSubCellCount(int shown);
// Which shown entry a click at `x` pixels from the cell's left edge falls on, -1 for
// none (no shown entry, sub-columns too narrow, or past the last of them).
int DetailsSubColumnAt(int cellWidth, int shown, int x);

// The rows and columns of a details grid: header + days 1..6 by header + lessons
// (vertical), or the transpose.
struct DetailsGridSize {
    int rows = 0;
    int columns = 0;
};
DetailsGridSize DetailsGridSizeOf(int lessonsPerDay, bool vertical);
// The (day, lesson number) of a grid cell; none for headers and cells outside.
struct DetailsPlace {
    int day = 0;
    int number = 0;
};
std::optional<DetailsPlace> DetailsPlaceAt(int lessonsPerDay, bool vertical, int col, int row);

// A data cell: sub-column i shows shown entry i at (day, number), clean copy or draft.
THourElementRecord DetailsDataCell(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side, bool draft,
                                   int day, int number);
// The day header: the short day name, each shown entry's clean + draft lessons of
// the day and, for classes, their loads.
THourElementRecord DetailsDayHeader(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side,
                                    bool vertical, int day);
// The lesson header: its number, nothing over the draft grids.
THourElementRecord DetailsLessonHeader(bool draft, int number);

// The double click on a data cell of sub-column `index`: the new focus, none when
// the click names no lesson.
std::optional<DetailsFocus> DetailsFocusAt(const ViewContext& ctx, const DetailsFocus& focus, ManualSide side,
                                           bool draft, int index, int day, int number);
// Which sides a new focus changes: bit 0 the classes, bit 1 the teachers.
int DetailsFocusChange(const DetailsFocus& before, const DetailsFocus& after);

}  // namespace lovaris
