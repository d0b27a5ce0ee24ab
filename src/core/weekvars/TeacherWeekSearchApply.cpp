// The best distribution of a teacher's week written into the counters, so that the
// next teachers of the group see it, and into the variant.
#include "TeacherWeekSearch.h"

namespace lovaris {
namespace {

void MarkClean(DaySlotMap& slots, int day, int position, int length) {
    for (int n = position; n < position + length && n <= kMaxLessonsPerDay; ++n)
        slots[static_cast<std::size_t>(day)][static_cast<std::size_t>(n)] = kSlotClean;
}

// The block's hours go to the clean copy at its position, or to the draft; a fixed
// block that stood in the draft and got a position moves from the one to the other.
template <typename Counters>
void AddBlock(Counters& c, const SnapshotBlock& block) {
    const auto d = static_cast<std::size_t>(block.day);
    if (block.fixed) c.draft[d] -= block.length;
    if (block.position > 0) {
        c.clean[d] += block.length;
        MarkClean(c.daySlots, block.day, block.position, block.length);
    } else {
        c.draft[d] += block.length;
    }
}

bool Changed(const SnapshotBlock& block) { return !block.fixed || block.position != block.priorPosition; }

}  // namespace

void TeacherWeekSearch::ApplyBest() {
    if (!hasBest_) return;
    for (const SnapshotBlock& block : best_) {
        if (!block.placed() || !Changed(block)) continue;
        TLessonObject& lesson = lessons_[static_cast<std::size_t>(block.lessonObject)];
        const auto& listed = lesson.teachers();
        for (std::size_t i = 0; i < listed.size(); ++i) {
            TeacherDayCounters& c = counters_.teacher(listed[i].owner);
            AddBlock(c, block);
            if (!block.fixed && lesson.teacherTakesRoom(static_cast<int>(i)))
                c.roomLoad[static_cast<std::size_t>(block.day)] += block.length;
        }
        for (const auto& ref : lesson.klasses()) AddBlock(counters_.klass(ref.owner), block);
        lesson.setDayUsed(block.day, true);
    }
    for (const SnapshotBlock& block : best_) {
        if (!block.placed() || !Changed(block)) continue;
        const LessonRef source = lessons_[static_cast<std::size_t>(block.lessonObject)].klasses().front();
        if (block.fixed)
            context_.planning.MoveLessonBlock(source.owner, source.lesson, false, block.day, block.day, block.position);
        else
            context_.planning.PlaceLinkedLesson(source.owner, source.lesson, block.position == 0, block.day,
                                                block.position, block.length);
    }
}

}  // namespace lovaris
