#include "CountersLayout.h"

#include <vector>

#include "../common/EngineDialogTexts.h"

namespace lovaris {
namespace {

using X = EngineDialogText;

// A separator row has no title; the names row has none either but is row 0.
constexpr X kSeparator = static_cast<X>(0);

// The rows both grids end with: what the preparation edits, or the control's limits.
DialogGrid Laid(std::vector<X> titles, CountersDialog dialog, X edited, int columns) {
    if (dialog == CountersDialog::Preparation) {
        titles.push_back(edited);
    } else {
        titles.push_back(X::RowMinimum);
        titles.push_back(X::RowMaximum);
    }
    DialogGrid grid;
    grid.at(static_cast<int>(titles.size()), columns);  // the names row and one row per title
    for (std::size_t r = 0; r < titles.size(); ++r)
        if (titles[r] != kSeparator) grid.at(static_cast<int>(r) + 1, 0).text = LoadResText(titles[r]);
    return grid;
}

}  // namespace

DialogGrid LaidKlassGrid(CountersDialog dialog, int klassCount) {
    return Laid({X::RowLessons, X::RowLeft, kSeparator, X::RowBlocked, X::RowPlaced, kSeparator}, dialog, X::RowWill,
                klassCount);
}

DialogGrid LaidTeacherGrid(CountersDialog dialog, int teacherCount) {
    return Laid({X::RowFreeDays, X::RowLeft, kSeparator, X::RowLessons, X::RowLeft, kSeparator, X::RowBlocked,
                 X::RowPlaced, kSeparator},
                dialog, X::RowWindows, teacherCount);
}

bool IsSeparatorRow(const DialogGrid& grid, int row) {
    return row > 0 && static_cast<std::size_t>(row) < grid.rows.size() && grid.text(row, 0).empty();
}

std::string CountersCaption(CountersDialog dialog, int day) {
    const X caption = dialog == CountersDialog::Preparation ? X::PrepareCaption : X::ControlCaption;
    return LoadResText(caption) + ": " + WeekdayLongName(day);
}

}  // namespace lovaris
