#pragma once
// The subgroups of the clean copy still without a room.
#include "PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

// Subgroup hours of the clean copy that need a room and have none; subgroups taught
// together across classes count once.
int SubgroupsWithoutRoom(const PlanningSession& session, const TTableVarItem& variant);

}  // namespace lovaris
