#include "CellTexts.h"

#include <algorithm>

#include "../common/StringTable.h"
#include "../variant/LessonSlot.h"

namespace lovaris {

std::string SubjectText(const ViewContext& ctx, const PlanningLesson& lesson, int subgroup) {
    const int subject = lesson.subgroups.at(static_cast<std::size_t>(subgroup)).subject;
    std::string text = lesson.isSeparated() ? "*" : "";
    text += subject >= 0 && subject < ctx.session.subjects().count()
                ? ctx.session.subjects().at(subject).record.displayName()
                : LoadResText(TextId::NotSetLong);
    return text;
}

std::string RoomText(const ViewContext& ctx, const PlanningSubgroup& subgroup, std::uint16_t slotRoom) {
    if (!subgroup.fictiveRoom.empty()) return subgroup.fictiveRoom;
    if (slotRoom == kNoRoom || slotRoom >= ctx.session.rooms().count()) return {};
    return ctx.session.rooms().at(slotRoom).displayName();
}

std::string KlassName(const ViewContext& ctx, int klass) { return ctx.session.klasses().at(klass).displayName(); }

std::string WeekCountsText(int week, int clean, int draft) {
    return std::to_string(week) + " (" + std::to_string(clean) + "+" + std::to_string(draft) + "+" +
           std::to_string(week - clean - draft) + ")";
}

CellState WeekCountsState(int week, int clean, int draft) {
    if (week - clean - draft > 0) return CellState::MaroonText;
    return clean != week ? CellState::GreenText : CellState::Plain;
}

int ShownRows(int lines) { return std::clamp(lines, 1, THourElementRecord::kMaxParts); }

CellState CriticalState(std::uint16_t subgroupMask) {
    return (subgroupMask & 0xFF) != 0 ? CellState::MaroonText : CellState::Plain;
}

CellState CriticalState(std::uint16_t subgroupMask, int subgroup) {
    return subgroup >= 0 && subgroup < 16 && (subgroupMask >> subgroup & 1) != 0 ? CellState::MaroonText
                                                                                : CellState::Plain;
}

void WriteLinkedRows(const ViewContext& ctx, THourElementRecord& cell, int klass, const PlanningLesson& lesson,
                     int subgroup, int subjectColumn) {
    const auto& links = lesson.subgroups.at(static_cast<std::size_t>(subgroup)).links;
    const int rows = ShownRows(static_cast<int>(links.size()) + 1);
    cell.SetEvenSubRows(rows);
    cell.text(1, 1) = KlassName(ctx, klass);
    if (subjectColumn > 0) cell.text(subjectColumn, 1) = SubjectText(ctx, lesson, subgroup);
    for (int k = 2; k <= rows; ++k) {
        const LessonRef& link = links[static_cast<std::size_t>(k - 2)];
        const PlanningLesson* linked = ctx.lesson(link.owner, link.lesson);
        if (!linked || link.subgroup < 0 || link.subgroup >= linked->subgroupCount()) continue;
        cell.text(1, k) = KlassName(ctx, link.owner);
        if (subjectColumn > 0) cell.text(subjectColumn, k) = SubjectText(ctx, *linked, link.subgroup);
    }
}

}  // namespace lovaris
