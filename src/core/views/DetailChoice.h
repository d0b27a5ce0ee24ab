#pragma once
// The double click on a lesson view: the lesson the details view opens on, with its
// link set, the lesson number and whether it is the draft.
#include <optional>

#include "ViewContext.h"

namespace lovaris {

// The cell's lesson, else the first lesson of the class or teacher clicked (a
// teacher's draft fallback at lesson number 1). Nothing on headers, on the room
// view, during a run, or when the class or teacher has no lesson at all.
std::optional<SelectedDetail> ChooseDetail(const ViewContext& ctx, ViewKind kind, bool vertical, int col, int row);

}  // namespace lovaris
