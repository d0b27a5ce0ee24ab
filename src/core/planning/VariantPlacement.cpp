// Writing planned days, linked lessons and moved blocks into the variant.
#include "VariantPlanning.h"

namespace lovaris {
namespace {

// The critical marks of a lesson's subgroups, as its teachers' copies carry them.
std::uint16_t CriticalMask(const PlanningLesson& lesson, const TRTITeachersCollection& teachers) {
    std::uint16_t mask = 0;
    for (int s = 0; s < lesson.subgroupCount() && s < 16; ++s) {
        const LessonRef& ref = lesson.subgroups[static_cast<std::size_t>(s)].copyRef;
        if (!ref.valid() || ref.owner >= teachers.count()) continue;
        const auto& teacher = teachers.at(ref.owner);
        if (ref.lesson < teacher.copyCount() && teacher.copy(ref.lesson).critical)
            mask = static_cast<std::uint16_t>(mask | (1u << s));
    }
    return mask;
}

void WriteBlock(TTableVarItem& variant, int klass, int day, int lessonIndex, int start, int hours, bool draft,
                std::uint16_t mask) {
    for (int n = start; n < start + hours; ++n) {
        LessonSlot slot = LessonSlot::BlockHour(lessonIndex, start, n);
        slot.subgroupMask = mask;
        if (draft)
            variant.SetDraftSlot(klass, day, slot, n);
        else
            variant.SetCleanSlot(klass, day, slot, n);
    }
}

bool BlockFits(const TTableVarItem& variant, int start, int hours) {
    return start >= 1 && start + hours - 1 <= variant.lessonsPerDay();
}

}  // namespace

void VariantPlanning::PlaceDayFromPositions(int day) {
    for (int c = 0; c < klasses_.count(); ++c) {
        const auto& klass = klasses_.at(c);
        for (int l = 0; l < klass.lessonCount(); ++l) {
            const auto& lesson = klass.lesson(l);
            const int start = lesson.fixed ? lesson.fixedStart : lesson.plannedStart;
            if (lesson.hoursToday() > 0 && start != 0)
                WriteBlock(variant_, c, day, l, start, lesson.hoursToday(), false, CriticalMask(lesson, teachers_));
        }
        for (int l = 0; l < klass.lessonCount(); ++l) {
            const auto& lesson = klass.lesson(l);
            const int start = lesson.fixed ? lesson.fixedStart : lesson.plannedStart;
            if (lesson.hoursToday() <= 0 || start != 0) continue;
            const int next = variant_.FirstEmptyDraftNumber(c, day);
            if (next == 0) continue;
            WriteBlock(variant_, c, day, l, next, lesson.hoursToday(), true, CriticalMask(lesson, teachers_));
        }
    }
}

bool VariantPlanning::PlaceLinkedLesson(int klass, int lessonIndex, bool toDraft, int day, int start, int hours) {
    // Lessons taught together go in together or not at all: a set placed in some of
    // its classes only would no longer be taught at one time. Each class enters a
    // link set once, so each block is judged on its own class's draft.
    const LinkSet links = klasses_.BuildLinkSet(klass, lessonIndex);
    std::vector<int> starts;
    for (const LessonRef& ref : links.klassLessons) {
        const int from = toDraft ? variant_.FirstEmptyDraftNumber(ref.owner, day) : start;
        if (hours < 1 || !BlockFits(variant_, from, hours)) return false;  // 0: the draft is full
        starts.push_back(from);
    }
    for (std::size_t i = 0; i < links.klassLessons.size(); ++i) {
        const LessonRef& ref = links.klassLessons[i];
        WriteBlock(variant_, ref.owner, day, ref.lesson, starts[i], hours, toDraft, 0);
    }
    return !links.empty();
}

bool VariantPlanning::MoveLessonBlock(int klass, int lessonIndex, bool toDraft, int toDay, int fromDay, int start) {
    const LinkSet links = klasses_.BuildLinkSet(klass, lessonIndex);
    // A block that does not fit its target would lose hours: the move is undone.
    TTableVarItem before = variant_;
    std::vector<std::vector<LessonSlot>> removed;
    for (const LessonRef& ref : links.klassLessons) {
        auto& hours = removed.emplace_back();
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
            const LessonSlot clean = variant_.GetCleanSlot(ref.owner, fromDay, n);
            if (clean.occupied() && clean.lessonIndex == ref.lesson) {
                hours.push_back(clean);
                variant_.SetCleanSlot(ref.owner, fromDay, LessonSlot::Empty(), n);
            }
            const LessonSlot draft = variant_.GetDraftSlot(ref.owner, fromDay, n);
            if (draft.occupied() && draft.lessonIndex == ref.lesson) {
                hours.push_back(draft);
                variant_.SetDraftSlot(ref.owner, fromDay, LessonSlot::Empty(), n);
            }
        }
        variant_.CloseDraftGaps(ref.owner, fromDay);
    }
    if (toDay == 0) return true;

    for (std::size_t i = 0; i < links.klassLessons.size(); ++i) {
        const int target = links.klassLessons[i].owner;
        const auto& hours = removed[i];
        if (hours.empty()) continue;
        const int from = toDraft ? variant_.FirstEmptyDraftNumber(target, toDay) : start;
        if (!BlockFits(variant_, from, static_cast<int>(hours.size()))) {
            variant_ = std::move(before);
            return false;
        }
        for (std::size_t k = 0; k < hours.size(); ++k) {
            LessonSlot slot = hours[k];
            slot.clearRooms();
            if (k > 0) slot.prevPosition = from + static_cast<int>(k) - 1;
            const int number = from + static_cast<int>(k);
            if (toDraft)
                variant_.SetDraftSlot(target, toDay, slot, number);
            else
                variant_.SetCleanSlot(target, toDay, slot, number);
        }
    }
    return true;
}

}  // namespace lovaris
