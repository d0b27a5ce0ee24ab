// The link set of a lesson and the placement checks built on it.
#include <algorithm>

#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

LinkSet TRTIKlassesCollection::BuildLinkSet(int klass, int lesson) const {
    LinkSet set;
    WalkLinks(klass, lesson, set);
    return set;
}

void TRTIKlassesCollection::WalkLinks(int klass, int lesson, LinkSet& set) const {
    // Each class enters once, so links that form a cycle end the walk.
    if (klass < 0 || klass >= count() || set.containsKlass(klass)) return;
    if (lesson < 0 || lesson >= at(klass).lessonCount()) return;
    if (set.klassLessons.size() >= LinkSet::kMaxEntries) return;
    set.klassLessons.push_back(LessonRef{klass, lesson, -1});
    const auto& copy = at(klass).lesson(lesson);
    for (int s = 0; s < copy.subgroupCount(); ++s) {
        const auto& sub = copy.subgroups[static_cast<std::size_t>(s)];
        const int teacher = sub.teacher;
        if (teacher >= 0 && sub.copyRef.valid() && !set.containsTeacher(teacher) &&
            set.teacherCopies.size() < LinkSet::kMaxEntries) {
            // A teacher teaching linked subgroups has a copy per class lesson; the
            // set names the first of them. Links to other teachers' copies are not
            // this teacher's copies and are passed over.
            int first = sub.copyRef.lesson;
            const auto& teacherCopy = teachers_->at(teacher).copy(sub.copyRef.lesson);
            for (const auto& link : teacherCopy.subgroups[static_cast<std::size_t>(s)].links)
                if (link.owner == teacher) first = std::min(first, link.lesson);
            set.teacherCopies.push_back(LessonRef{teacher, first, -1});
        }
        for (const auto& link : sub.links) WalkLinks(link.owner, link.lesson, set);
    }
}

bool TRTIKlassesCollection::SlotBlocked(int klass, int slot, int lesson) const {
    const auto& k = at(klass);
    if (k.busy.get(slot) != 0) return true;
    return lesson >= 0 && k.lesson(lesson).busy.get(slot) != 0;
}

bool TRTIKlassesCollection::AttachedRoomsConsidered(const PlanningLesson& lesson) const {
    return state_->considerAttachedRooms && lesson.noAttachedRoom == 0;
}

bool TRTIKlassesCollection::CanPlaceBlock(int klass, int lesson, const LinkSet& links, int start, int hours) const {
    if (start < 1 || start + hours - 1 > lessonsPerDay()) return false;
    const int day = state_->currentDay;
    const bool roomsShared = AttachedRoomsConsidered(at(klass).lesson(lesson));
    for (int t = start; t < start + hours; ++t) {
        if (at(klass).dayArrangement.at(t).key != DayCell::kFree) return false;
        const int slot = busySlot(day, t);
        for (const auto& ref : links.klassLessons)
            if (SlotBlocked(ref.owner, slot, ref.lesson)) return false;
        for (const auto& ref : links.teacherCopies) {
            const auto& teacher = teachers_->at(ref.owner);
            if (teacher.dayCells[static_cast<std::size_t>(t)] != TRTITeacherItem::kFreeCell) return false;
            if (roomsShared && !teachers_->PartnersFree(ref.owner, t)) return false;
        }
    }
    return true;
}

}  // namespace lovaris
