#pragma once
// The cells of the class views, clean copy and draft: one row (or column) per class.
#include "THourElementRecord.h"
#include "ViewContext.h"

namespace lovaris {

// The class's name over its week: W " (" C "+" D "+" R ")    " L with W its weekly
// hours, C and D the hours in the whole week's clean copy and draft, R what is left
// and L the day's load. Maroon while hours are left, green while some stand in the
// draft.
THourElementRecord KlassHeaderCell(const ViewContext& ctx, int klass);
// Lesson number `lesson` of the day: subject and room of each subgroup.
THourElementRecord KlassCleanCell(const ViewContext& ctx, bool vertical, int klass, int lesson);
// Draft position `lesson` of the day: the subject of each subgroup.
THourElementRecord KlassDraftCell(const ViewContext& ctx, int klass, int lesson);

}  // namespace lovaris
