#pragma once
// The cells of the teacher views, clean copy and draft: one row (or column) per teacher.
#include "THourElementRecord.h"
#include "ViewContext.h"

namespace lovaris {

// The teacher's name over W " (" C "+" D "+" R ")": its required weekly hours, the
// hours it has in the whole week's clean copy and draft, and what is left; coloured
// as the class header.
THourElementRecord TeacherHeaderCell(const ViewContext& ctx, int teacher);
// Where the teacher teaches at lesson number `lesson`: class, subject and room, and
// below them the classes linked with its subgroup. A free hour shows what closes it.
THourElementRecord TeacherCleanCell(const ViewContext& ctx, bool vertical, int teacher, int lesson);
// The teacher's `ordinal`-th lesson in the day's drafts: class and subject, and the
// linked classes.
THourElementRecord TeacherDraftCell(const ViewContext& ctx, int teacher, int ordinal);

}  // namespace lovaris
