#pragma once
// The pieces the lesson views share: how a subgroup's subject and room are written,
// the critical mark, and the rows of a cell that lists a subgroup with the subgroups
// linked to it.
#include <cstdint>
#include <string>

#include "THourElementRecord.h"
#include "ViewContext.h"

namespace lovaris {

// The subject of the subgroup ("------" without one); a separated lesson's gets a "*"
// in front, so that it is told from its parent.
std::string SubjectText(const ViewContext& ctx, const PlanningLesson& lesson, int subgroup);
// The subgroup's fictive room when it has one, else the room the slot gives it, else empty.
std::string RoomText(const ViewContext& ctx, const PlanningSubgroup& subgroup, std::uint16_t slotRoom);
std::string KlassName(const ViewContext& ctx, int klass);

// An entity's week in its header: W " (" C "+" D "+" R ")" with W the hours it should
// have, C and D those in the whole week's clean copy and draft, and R what is left.
std::string WeekCountsText(int week, int clean, int draft);
// Maroon while hours are left, green while some of them stand in the draft, else plain.
CellState WeekCountsState(int week, int clean, int draft);

// A lesson shows one line per subgroup, or per linked subgroup, at most five.
int ShownRows(int lines);

// Maroon when the slot's mask has a teacher's critical mark (any of its low eight
// bits), else plain.
CellState CriticalState(std::uint16_t subgroupMask);
CellState CriticalState(std::uint16_t subgroupMask, int subgroup);

// Sub-row 1: the class of the lesson; sub-row k > 1: the class of the subgroup's
// (k - 1)-th link, an empty link leaving its row empty. With `subjectColumn`, the
// subgroup's (or linked subgroup's) subject beside each class. Sets the rows.
void WriteLinkedRows(const ViewContext& ctx, THourElementRecord& cell, int klass, const PlanningLesson& lesson,
                     int subgroup, int subjectColumn);

}  // namespace lovaris
