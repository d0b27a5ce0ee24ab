#pragma once
// The rows the counters dialogs lay out before the planning window fills them: the
// row titles in column 0, thin separator rows (rows with an empty title) between the
// groups of counters, one column per class or teacher. Row 0 is left for the names.
#include <string>

#include "DialogGrids.h"

namespace lovaris {

enum class CountersDialog { Preparation, Control };

// Rows the preparation edits; the classes' row of what is placed today bounds them.
inline constexpr int kKlassPlacedRow = 5;
inline constexpr int kKlassWillRow = 7;
inline constexpr int kTeacherWindowsRow = 10;

DialogGrid LaidKlassGrid(CountersDialog dialog, int klassCount);
DialogGrid LaidTeacherGrid(CountersDialog dialog, int teacherCount);

// A row below the names whose title is empty: drawn thin, holds nothing.
bool IsSeparatorRow(const DialogGrid& grid, int row);

// "Подготовка данных: понедельник", "Общий контроль: …": the caption and the weekday.
std::string CountersCaption(CountersDialog dialog, int day);

}  // namespace lovaris
