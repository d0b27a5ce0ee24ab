#pragma once
// The cells of the room view: one row (or column) per room, the clean copy of the day.
#include "THourElementRecord.h"
#include "ViewContext.h"

namespace lovaris {

THourElementRecord RoomHeaderCell(const ViewContext& ctx, int room);
// Who uses the room at lesson number `lesson`: the class, the classes linked with
// its subgroup, and the teacher beside each. A subgroup without a teacher needs no
// room of its own: the room is shown free then.
THourElementRecord RoomCell(const ViewContext& ctx, int room, int lesson);

}  // namespace lovaris
