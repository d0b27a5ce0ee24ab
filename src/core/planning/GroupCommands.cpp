#include "GroupCommands.h"

#include <algorithm>
#include <functional>

#include "PlanningSession.h"
#include "VariantPlanning.h"

namespace lovaris {
namespace {

// While a group command reads the day back, lessons wholly taught by the group stay open.
class GroupCommandScope {
public:
    explicit GroupCommandScope(PlanningState& state) : state_(state), was_(state.groupCommandActive) {
        state_.groupCommandActive = true;
    }
    ~GroupCommandScope() { state_.groupCommandActive = was_; }
    GroupCommandScope(const GroupCommandScope&) = delete;
    GroupCommandScope& operator=(const GroupCommandScope&) = delete;

private:
    PlanningState& state_;
    bool was_;
};

// A lesson nobody teaches belongs to no group.
bool WhollyInGroup(const LinkSet& links, std::span<const int> members) {
    if (links.teacherCopies.empty()) return false;
    return std::all_of(links.teacherCopies.begin(), links.teacherCopies.end(), [&](const LessonRef& ref) {
        return std::find(members.begin(), members.end(), ref.owner) != members.end();
    });
}

bool CleanHourWhollyInGroup(const PlanningSession& session, const TTableVarItem& grid, int klass, int day, int number,
                            std::span<const int> members) {
    const LessonSlot slot = grid.GetCleanSlot(klass, day, number);
    if (!slot.occupied() || slot.lessonIndex >= session.klasses().at(klass).lessonCount()) return false;
    return WhollyInGroup(session.klasses().BuildLinkSet(klass, slot.lessonIndex), members);
}

// Every draft that takes the group's clean lessons must have room for them; the
// first teacher or class without it names the outcome.
std::optional<GroupCommandOutcome> DraftSpaceShortage(const PlanningSession& session, VariantPlanning& variant,
                                                      int group, int day) {
    const TTableVarItem& grid = variant.variant();
    const int perDay = grid.lessonsPerDay();
    const auto members = session.teachers().groups.row(group);
    for (int t : members) {
        int moving = 0;
        for (int n = 1; n <= perDay; ++n) {
            const TeacherLessonAt at = variant.FindTeacherLessonAt(t, n);
            if (at.found() && CleanHourWhollyInGroup(session, grid, at.klass, day, n, members)) ++moving;
        }
        if (variant.CountTeacherDraftLessons(t, day) + moving > perDay)
            return GroupCommandOutcome{day, false, TextId::TeacherDraftNoSpaceBegin, session.teachers().at(t).name};
    }
    for (int k = 0; k < grid.classCount(); ++k) {
        int moving = 0;
        for (int n = 1; n <= perDay; ++n)
            if (CleanHourWhollyInGroup(session, grid, k, day, n, members)) ++moving;
        if (grid.CountClassDraftLessons(k, day) + moving > perDay)
            return GroupCommandOutcome{day, false, TextId::ClassDraftNoSpaceBegin, session.klasses().at(k).name};
    }
    return std::nullopt;
}

// Reads the day back into the planning states: what the group does not wholly teach is fixed.
void ReadDayBack(PlanningSession& session, VariantPlanning& variant, int group, int day) {
    for (int t = 0; t < session.teachers().count(); ++t) session.teachers().ResetDay(t);
    for (int k = 0; k < session.klasses().count(); ++k) session.klasses().ResetDay(k, true);
    session.state().selectedGroup = group;
    session.klasses().MarkFixedLessonsOfDay(variant, day, -1);
}

// Writing the day again would strip the rooms of the lessons that stay; they get them back.
void RestoreRoomsOfUnmovedHours(TTableVarItem& grid, int day, const std::vector<LessonSlot>& before) {
    std::size_t i = 0;
    for (int k = 0; k < grid.classCount(); ++k)
        for (int n = 1; n <= grid.lessonsPerDay(); ++n, ++i) {
            const LessonSlot& was = before[i];
            LessonSlot now = grid.GetCleanSlot(k, day, n);
            if (!now.occupied() || now.lessonIndex != was.lessonIndex || now.prevPosition != was.prevPosition ||
                now.rooms == was.rooms)
                continue;
            now.rooms = was.rooms;
            grid.SetCleanSlot(k, day, now, n);
        }
}

std::vector<LessonSlot> CleanSlotsOfDay(const TTableVarItem& grid, int day) {
    std::vector<LessonSlot> slots;
    for (int k = 0; k < grid.classCount(); ++k)
        for (int n = 1; n <= grid.lessonsPerDay(); ++n) slots.push_back(grid.GetCleanSlot(k, day, n));
    return slots;
}

// Empties the day and writes it again from the planning states.
void RewriteDay(PlanningSession& session, VariantPlanning& variant, int day, const std::vector<LessonSlot>& before) {
    variant.ClearDay(day);
    variant.PlaceDayFromPositions(day);
    RestoreRoomsOfUnmovedHours(variant.variant(), day, before);
    session.state().variantModified = true;
}

// A lesson that has no hours today; a linked lesson was fixed with its partner's hours.
void TakeOffDay(TRTIKlassesCollection& klasses, int klass, int lesson) {
    klasses.ChooseEntry(klass, lesson, 0);
    if (klasses.at(klass).lesson(lesson).fixed) klasses.FixLesson(klass, lesson, 0);
}

GroupCommandOutcome MoveToDraftOnDay(PlanningSession& session, VariantPlanning& variant, int group) {
    const int day = session.state().currentDay;
    GroupCommandOutcome outcome;
    outcome.day = day;
    if (session.klasses().count() == 0) return outcome;
    if (auto shortage = DraftSpaceShortage(session, variant, group, day)) return *shortage;
    const auto before = CleanSlotsOfDay(variant.variant(), day);
    ReadDayBack(session, variant, group, day);
    RewriteDay(session, variant, day, before);
    outcome.applied = true;
    return outcome;
}

GroupCommandOutcome RemoveOnDay(PlanningSession& session, VariantPlanning& variant, int group) {
    const int day = session.state().currentDay;
    GroupCommandOutcome outcome;
    outcome.day = day;
    auto& klasses = session.klasses();
    if (klasses.count() == 0) return outcome;
    const auto before = CleanSlotsOfDay(variant.variant(), day);
    ReadDayBack(session, variant, group, day);
    for (int k = 0; k < klasses.count(); ++k)
        for (int l = 0; l < klasses.at(k).lessonCount(); ++l) {
            const auto& lesson = klasses.at(k).lesson(l);
            if (lesson.fixed || !lesson.inGroup) continue;
            for (const LessonRef& ref : klasses.BuildLinkSet(k, l).klassLessons) TakeOffDay(klasses, ref.owner, ref.lesson);
        }
    RewriteDay(session, variant, day, before);
    outcome.applied = true;
    return outcome;
}

using DayCommand = GroupCommandOutcome (*)(PlanningSession&, VariantPlanning&, int);

GroupCommandOutcome RunOnSelectedDay(DayCommand command, PlanningSession& session, VariantPlanning& variant,
                                     int group) {
    GroupCommandScope scope(session.state());
    return command(session, variant, group);
}

std::vector<GroupCommandOutcome> RunOnWholeWeek(DayCommand command, PlanningSession& session,
                                                VariantPlanning& variant, int group) {
    GroupCommandScope scope(session.state());
    const int selected = session.state().currentDay;
    std::vector<GroupCommandOutcome> outcomes;
    for (int day = 1; day <= kVariantDays; ++day) {
        session.state().currentDay = day;
        outcomes.push_back(command(session, variant, group));
    }
    session.state().currentDay = selected;
    return outcomes;
}

}  // namespace

std::string GroupCommandMessage(const GroupCommandOutcome& outcome) {
    if (!outcome.message) return {};
    return LoadResText(*outcome.message) + outcome.name + " (" + WeekdayLongName(outcome.day) + ")" +
           LoadResText(TextId::DraftNoSpaceEnd);
}

GroupCommandOutcome MoveGroupToDraft(PlanningSession& session, VariantPlanning& variant, int group) {
    return RunOnSelectedDay(MoveToDraftOnDay, session, variant, group);
}

GroupCommandOutcome RemoveGroupLessons(PlanningSession& session, VariantPlanning& variant, int group) {
    return RunOnSelectedDay(RemoveOnDay, session, variant, group);
}

std::vector<GroupCommandOutcome> MoveGroupToDraftWholeWeek(PlanningSession& session, VariantPlanning& variant,
                                                           int group) {
    return RunOnWholeWeek(MoveToDraftOnDay, session, variant, group);
}

std::vector<GroupCommandOutcome> RemoveGroupLessonsWholeWeek(PlanningSession& session, VariantPlanning& variant,
                                                             int group) {
    return RunOnWholeWeek(RemoveOnDay, session, variant, group);
}

std::vector<GroupCommandOutcome> RunGroupCommand(const TeacherGroupTable& table, GroupCommand command,
                                                 PlanningSession& session, VariantPlanning& variant) {
    table.WriteBack();
    const DayCommand onDay = command == GroupCommand::MoveToDraft ? MoveToDraftOnDay : RemoveOnDay;
    if (table.kind() == GroupDialogKind::Week) return RunOnWholeWeek(onDay, session, variant, table.selectedGroup());
    return {RunOnSelectedDay(onDay, session, variant, table.selectedGroup())};
}

}  // namespace lovaris
