// "Поставить урок": the lesson choice popups' rows and placing the chosen one.
#include "../common/BusySlots.h"
#include "../planning/BlockDays.h"
#include "../views/CellTexts.h"
#include "ManualPlacement.h"
#include "TeacherLessonList.h"

namespace lovaris {
namespace {

// The class's lessons, or the teacher's as its list has them.
std::vector<TeacherListedLesson> ListedLessons(const PlanningSession& session, const ManualCell& cell) {
    if (cell.side == ManualSide::Teacher) return TeacherLessonList(session, cell.entity);
    std::vector<TeacherListedLesson> listed;
    for (int l = 0; l < session.klasses().at(cell.entity).lessonCount(); ++l) listed.push_back({cell.entity, l});
    return listed;
}

std::string KlassRowText(const ViewContext& ctx, const PlanningLesson& lesson) {
    std::string text;
    for (int s = 0; s < lesson.subgroupCount(); ++s) text += (s > 0 ? "/" : "") + SubjectText(ctx, lesson, s);
    return text;
}

// The classes, ": " and the subject of the teacher's subgroup.
std::string TeacherRowText(const ViewContext& ctx, int teacher, const TeacherListedLesson& listed) {
    const PlanningLesson& lesson = ctx.session.klasses().at(listed.klass).lesson(listed.lesson);
    const PlanningLesson& copy = ctx.session.teachers().at(teacher).copy(listed.copy);
    const int subgroup = copy.subgroups[static_cast<std::size_t>(listed.subgroup)].copyRef.subgroup;
    return TeacherLessonKlasses(ctx, teacher, listed) + ": " + SubjectText(ctx, lesson, subgroup);
}

}  // namespace

int ManualPlacement::ChoicePosition(const ManualCell& cell) const {
    if (!cell.draft) return cell.number;
    for (int p = 1; p <= cell.number; ++p) {
        const bool taken = cell.side == ManualSide::Klass
                               ? grids().GetDraftSlot(cell.entity, cell.day, p).occupied()
                               : planning().FindTeacherDraftLessonOnDay(cell.entity, cell.day, p).found();
        if (!taken) return p;
    }
    return cell.number + 1;
}

LessonChoice ManualPlacement::OpenChoice(const ManualCell& cell) const {
    LessonChoice choice;
    choice.cell = cell;
    if (running() || !validCell(cell)) return choice;
    const auto& klasses = session().klasses();
    const auto& teachers = session().teachers();
    const ViewContext ctx{session(), planning(), workspace_.options()};
    const int perDay = lessonsPerDay();
    const int day = cell.day;
    const int a = ChoicePosition(cell);
    choice.position = a;

    const auto ownFree = [&](int p) {
        if (cell.side == ManualSide::Klass)
            return cell.draft ? !grids().GetDraftSlot(cell.entity, day, p).occupied()
                              : !grids().GetCleanSlot(cell.entity, day, p).occupied() &&
                                    !klasses.at(cell.entity).busyAt(day, p);
        return cell.draft ? !planning().FindTeacherDraftLessonOnDay(cell.entity, day, p).found()
                          : !planning().FindTeacherLessonOnDay(cell.entity, day, p).found() &&
                                !teachers.IsClosed(cell.entity, day, p);
    };
    while (a + choice.freeRun <= perDay && ownFree(a + choice.freeRun)) ++choice.freeRun;

    // The k-th hour from the place (k from 1) is free for the whole link set.
    const auto linkFree = [&](const LinkSet& links, int ownKlass, int k) {
        const int p = a + k - 1;
        for (const LessonRef& ref : links.klassLessons) {
            if (cell.draft) {
                if (grids().GetDraftSlot(ref.owner, day, perDay - k + 1).occupied()) return false;
            } else if (grids().GetCleanSlot(ref.owner, day, p).occupied() ||
                       klasses.SlotBlocked(ref.owner, busySlot(day, p), ref.lesson)) {
                return false;
            }
        }
        for (const LessonRef& ref : links.teacherCopies) {
            if (cell.draft) {
                if (teachers.ClosedHoursOnDay(ref.owner, day) >= perDay) return false;
                const TeacherLessonAt at = planning().FindTeacherDraftLessonOnDay(ref.owner, day, p);
                if (at.found() && at.klass != ownKlass) return false;
            } else if (planning().FindTeacherLessonOnDay(ref.owner, day, p).found() ||
                       teachers.IsClosed(ref.owner, day, p)) {
                return false;
            }
        }
        return true;
    };

    std::vector<ChoiceTab> byKey(kVariantDays + 1);
    for (const TeacherListedLesson& listed : ListedLessons(session(), cell)) {
        const PlanningLesson& lesson = klasses.at(listed.klass).lesson(listed.lesson);
        const LinkSet links = klasses.BuildLinkSet(listed.klass, listed.lesson);
        int fit = 0;
        while (fit < choice.freeRun && linkFree(links, cell.side == ManualSide::Klass ? cell.entity : listed.klass, fit + 1))
            ++fit;
        int today = 0;
        if (grids().CountLessonHoursInClean(listed.klass, listed.lesson, day) > 0)
            today = 1;
        else if (grids().CountLessonHoursInDraft(listed.klass, listed.lesson, day) > 0)
            today = 2;
        // A draft place is judged by the draft alone: the class's closed hours limit
        // its clean copy only, and a day closed all through opens no menu.
        int firstClosed = 0;
        for (int h = a; !cell.draft && firstClosed == 0 && h <= perDay; ++h)
            if (klasses.SlotBlocked(listed.klass, busySlot(day, h), listed.lesson)) firstClosed = h;

        const std::vector<int> blockDays =
            AssignBlockDays(lesson.spread, LessonHoursPerDay(planning(), listed.klass, listed.lesson));
        for (std::size_t e = 0; e < lesson.spread.size(); ++e) {
            const int key = blockDays[e];
            if (key == day && (cell.draft || today == 1)) continue;
            auto& entries = byKey[static_cast<std::size_t>(key)].entries;
            const int size = lesson.spread[e];
            if (!entries.empty() && entries.back().klass == listed.klass && entries.back().lesson == listed.lesson) {
                ChoiceEntry& last = entries.back();
                if (last.sizes.back() != size) last.sizes.push_back(size);
                if (key != kChoiceCommonKey) last.selected = static_cast<int>(last.sizes.size()) - 1;
                continue;
            }
            ChoiceEntry entry;
            entry.key = key;
            entry.klass = listed.klass;
            entry.lesson = listed.lesson;
            entry.teacherCopy = listed.copy;
            entry.fit = fit;
            entry.sizes = {size};
            entry.today = today;
            entry.fixedState = key == day ? 0 : today;
            entry.firstClosed = firstClosed;
            entry.subjectText = cell.side == ManualSide::Klass ? KlassRowText(ctx, lesson)
                                                               : TeacherRowText(ctx, cell.entity, listed);
            entries.push_back(std::move(entry));
        }
    }

    // "Черновик" (clean mode only), "Общие", then the other weekdays; empty tabs go.
    const auto addTab = [&](int key, std::string caption) {
        auto& tab = byKey[static_cast<std::size_t>(key)];
        if (tab.entries.empty()) return;
        tab.key = key;
        tab.caption = std::move(caption);
        choice.tabs.push_back(std::move(tab));
    };
    if (!cell.draft) addTab(day, LoadResText(ManualText::TabDraft));
    addTab(kChoiceCommonKey, LoadResText(ManualText::TabCommon));
    for (int d = 1; d <= kVariantDays; ++d)
        if (d != day) addTab(d, WeekdayTabName(d));
    return choice;
}

ManualOutcome ManualPlacement::PlaceChoice(const LessonChoice& choice, int tab, int row) {
    ManualOutcome outcome;
    const auto refuse = [&](ManualRule rule) {
        outcome.verdict = ManualVerdict::Refused(rule, -1, -1, choice.cell.day, choice.position);
        outcome.message = VerdictText(outcome.verdict, session());
        return outcome;
    };
    if (running()) return refuse(ManualRule::RunInProgress);
    const ChoiceEntry* chosen = choice.entry(tab, row);
    if (!chosen) return refuse(ManualRule::NoCell);
    // The row is judged again on the variant as it is now: a popup left open while
    // the variant changed must not place on what it no longer shows.
    LessonChoice fresh = OpenChoice(choice.cell);
    const ChoiceEntry* now = nullptr;
    for (auto& t : fresh.tabs)
        for (auto& e : t.entries)
            if (t.key == choice.tabs[static_cast<std::size_t>(tab)].key && e.klass == chosen->klass &&
                e.lesson == chosen->lesson && e.sizes == chosen->sizes) {
                e.selected = chosen->selected;
                now = &e;
            }
    if (!now || fresh.position != choice.position || fresh.State(*now) != ChoiceState::Placeable)
        return refuse(ManualRule::RowState);

    const int day = choice.cell.day;
    const CellLesson lesson{now->klass, now->lesson, choice.position};
    outcome = Apply(ManualText::EditPlace, lesson, [&] {
        VariantPlanning& planning = workspace_.planning();
        if (now->key == kChoiceCommonKey)
            return planning.PlaceLinkedLesson(now->klass, now->lesson, choice.cell.draft, day, choice.position,
                                              now->size());
        return planning.MoveLessonBlock(now->klass, now->lesson, choice.cell.draft, day, now->key, choice.position);
    });
    // Lessons came to the day: its teacher groups are built again.
    if (outcome.changed) workspace_.ReadyDayGroups();
    return outcome;
}

}  // namespace lovaris
