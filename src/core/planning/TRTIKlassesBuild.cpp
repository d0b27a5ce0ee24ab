// Building the classes' planning copies from the project.
#include <algorithm>

#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {
namespace {

PlanningLesson CopyLesson(const TLessonItem& lesson, int klass) {
    PlanningLesson copy;
    copy.id = lesson.id;
    copy.klass = klass;
    copy.spread = lesson.spread();
    copy.noAttachedRoom = lesson.noAttachedRoom;
    copy.busy = lesson.busy;
    for (const auto& s : lesson.subgroups) {
        PlanningSubgroup sub;
        sub.subject = s.subject;
        sub.teacher = s.teacher;
        sub.children = s.children;
        sub.fictiveRoom = s.fictiveRoom;
        sub.linkIds = s.links;
        copy.subgroups.push_back(std::move(sub));
        if (s.teacher < 0) copy.hasFictive = true;
    }
    return copy;
}

// Moves the separated hours out of the parent's spread. Only values the spread
// holds are moved: a value missing from it would give the lesson hours its
// curriculum does not have.
std::vector<int> TakeSeparatedHours(const TLessonItem& lesson, PlanningLesson& parent) {
    std::vector<int> moved;
    for (int value : lesson.separatedHours()) {
        auto it = std::find(parent.spread.begin(), parent.spread.end(), value);
        if (it == parent.spread.end()) continue;
        parent.spread.erase(it);
        moved.push_back(value);
    }
    return moved;
}

bool SameSubgroups(const PlanningLesson& a, const PlanningLesson& b) {
    if (a.subgroupCount() != b.subgroupCount()) return false;
    return std::all_of(a.subgroups.begin(), a.subgroups.end(), [&](const PlanningSubgroup& s) {
        return std::any_of(b.subgroups.begin(), b.subgroups.end(), [&](const PlanningSubgroup& t) {
            return t.subject == s.subject && t.teacher == s.teacher;
        });
    });
}

}  // namespace

void TRTIKlassesCollection::Link(const ProjectParams& params, PlanningState& state, const PlanningRooms& rooms,
                                 const PlanningSubjects& subjects, TRTITeachersCollection& teachers) {
    params_ = &params;
    state_ = &state;
    rooms_ = &rooms;
    subjects_ = &subjects;
    teachers_ = &teachers;
}

void TRTIKlassesCollection::Assign(const TKlassesCollection& klasses) {
    items().clear();
    for (const auto& k : klasses) append(TRTIKlassItem(k));
    setNextId(klasses.nextId());
}

void TRTIKlassesCollection::BuildLessonCopies(const TLessonsCollection& lessons) {
    for (int k = 0; k < count(); ++k) {
        auto& klass = at(k);
        klass.lessonCopies.clear();
        for (const auto& lesson : lessons) {
            if (lesson.klass != klass.id) continue;
            klass.lessonCopies.push_back(CopyLesson(lesson, k));
            if (!lesson.hasSeparatedHours()) continue;
            auto& parent = klass.lessonCopies.back();
            std::vector<int> separated = TakeSeparatedHours(lesson, parent);
            if (separated.empty()) continue;
            PlanningLesson part = parent;
            part.id = lesson.id + kSeparatedIdOffset;
            part.spread = std::move(separated);
            klass.lessonCopies.push_back(std::move(part));
        }
    }
}

void TRTIKlassesCollection::ResolveLinks() {
    for (int k = 0; k < count(); ++k) {
        for (auto& lesson : at(k).lessonCopies) {
            const std::int32_t idOffset = lesson.isSeparated() ? kSeparatedIdOffset : 0;
            for (auto& sub : lesson.subgroups) {
                sub.links.clear();
                for (const auto& link : sub.linkIds) {
                    LessonRef found;
                    for (int other = 0; other < count() && !found.valid(); ++other) {
                        if (other == k) continue;
                        const int index = at(other).indexOfLessonId(link.lessonId + idOffset);
                        // A subgroup the linked lesson no longer has is not there either.
                        if (index >= 0 && link.subgroup >= 0 && link.subgroup < at(other).lesson(index).subgroupCount())
                            found = LessonRef{other, index, link.subgroup};
                    }
                    if (!found.valid()) break;
                    sub.links.push_back(found);
                }
            }
        }
    }
    // Lessons of parallel classes with the same spread, subjects and teachers.
    for (int k = 0; k < count(); ++k) {
        auto& klass = at(k);
        for (auto parallelId : klass.parallels) {
            const int p = indexOfId(parallelId);
            if (p < 0) continue;
            for (auto& lesson : klass.lessonCopies) {
                const auto& others = at(p).lessonCopies;
                for (int j = 0; j < static_cast<int>(others.size()); ++j) {
                    if (lesson.parallelLinkCount() >= kMaxParallelLinks) break;
                    const auto& other = others[static_cast<std::size_t>(j)];
                    if (other.spread == lesson.spread && SameSubgroups(lesson, other))
                        lesson.parallelLinks.push_back(LessonRef{p, j, -1});
                }
            }
        }
    }
}

void TRTIKlassesCollection::MapAttachedRoomsAndParallels() {
    for (auto& klass : *this) {
        klass.attachedRoom = rooms_->indexOfId(klass.attachedRoom);
        std::vector<std::int32_t> indexes;
        for (auto id : klass.parallels) {
            const int p = indexOfId(id);
            if (p >= 0) indexes.push_back(p);
        }
        klass.parallels = std::move(indexes);
    }
}

void TRTIKlassesCollection::MapIndexes(const TTeachersCollection& projectTeachers) {
    for (int k = 0; k < count(); ++k) {
        auto& klass = at(k);
        klass.weekLoad = 0.0;
        for (auto& lesson : klass.lessonCopies) {
            lesson.klass = k;
            double difficulty = 0.0;
            for (auto& sub : lesson.subgroups) {
                sub.subject = subjects_->indexOfId(sub.subject);
                sub.teacher = sub.teacher < 0 ? -1 : projectTeachers.indexOfId(sub.teacher);
                difficulty += subjects_->difficulty(sub.subject);
            }
            if (lesson.subgroupCount() > 0)
                klass.weekLoad += lesson.weeklyHours() * (difficulty / lesson.subgroupCount());
        }
    }
}

void TRTIKlassesCollection::ComputeBlockedPerDay() {
    for (auto& klass : *this) {
        klass.blockedPerDay.fill(0);
        for (int day = 1; day <= kDays; ++day)
            for (int n = 1; n <= lessonsPerDay(); ++n)
                if (klass.busyAt(day, n)) ++klass.blockedPerDay[static_cast<std::size_t>(day)];
    }
}

double TRTIKlassesCollection::DayShare(int day) {
    switch (day) {
        case 2:
        case 4: return 0.20;
        case 1:
        case 3:
        case 5:
        case 6: return 0.15;
        default: return 0.0;
    }
}

}  // namespace lovaris
