// Building the teachers' planning copies: lesson copies, cross references, partners.
#include "TRTIKlassesCollection.h"
#include "TRTITeachersCollection.h"

namespace lovaris {

void TRTITeachersCollection::Link(const ProjectParams& params, PlanningState& state, const PlanningRooms& rooms,
                                  TRTIKlassesCollection& klasses) {
    params_ = &params;
    state_ = &state;
    rooms_ = &rooms;
    klasses_ = &klasses;
}

void TRTITeachersCollection::Assign(const TTeachersCollection& teachers) {
    items().clear();
    for (const auto& t : teachers) {
        TRTITeacherItem copy(t);
        copy.attachedRoom = rooms_->indexOfId(t.attachedRoom);
        append(std::move(copy));
    }
    setNextId(teachers.nextId());
    weekGroupsBuilt_ = false;
}

void TRTITeachersCollection::BuildTeacherCopies() {
    for (int t = 0; t < count(); ++t) {
        auto& teacher = at(t);
        teacher.lessonCopies.clear();
        for (int k = 0; k < klasses_->count(); ++k) {
            auto& klass = klasses_->at(k);
            for (int l = 0; l < klass.lessonCount(); ++l) {
                auto& lesson = klass.lesson(l);
                bool taught = false;
                for (const auto& sub : lesson.subgroups) taught = taught || sub.teacher == t;
                if (!taught) continue;
                const int copyIndex = teacher.copyCount();
                PlanningLesson copy = lesson;
                for (int s = 0; s < copy.subgroupCount(); ++s) {
                    auto& sub = copy.subgroups[static_cast<std::size_t>(s)];
                    sub.copyRef = LessonRef{k, l, s};
                    sub.links.clear();
                    if (lesson.subgroups[static_cast<std::size_t>(s)].teacher == t)
                        lesson.subgroups[static_cast<std::size_t>(s)].copyRef = LessonRef{t, copyIndex, s};
                }
                teacher.lessonCopies.push_back(std::move(copy));
            }
        }
    }
    // With every copy in place, links and parallel links can name teacher copies.
    for (int t = 0; t < count(); ++t) {
        for (auto& copy : at(t).lessonCopies) {
            const auto& source = klasses_->at(copy.subgroups.front().copyRef.owner)
                                     .lesson(copy.subgroups.front().copyRef.lesson);
            std::vector<LessonRef> parallels;
            for (const auto& p : source.parallelLinks) {
                for (const auto& sub : klasses_->at(p.owner).lesson(p.lesson).subgroups)
                    if (sub.teacher == t && sub.copyRef.valid()) {
                        parallels.push_back(LessonRef{t, sub.copyRef.lesson, -1});
                        break;
                    }
            }
            copy.parallelLinks = std::move(parallels);
            for (int s = 0; s < copy.subgroupCount(); ++s) {
                auto& links = copy.subgroups[static_cast<std::size_t>(s)].links;
                for (const auto& link : source.subgroups[static_cast<std::size_t>(s)].links) {
                    const auto& linked = klasses_->at(link.owner).lesson(link.lesson).subgroups[static_cast<std::size_t>(link.subgroup)];
                    // A linked fictive group has no teacher copy: the entry stays empty.
                    links.push_back(linked.copyRef.valid() ? linked.copyRef : LessonRef{});
                }
            }
        }
    }
}

void TRTITeachersCollection::BuildPartners() {
    for (int t = 0; t < count(); ++t) {
        auto& teacher = at(t);
        teacher.partners.clear();
        if (teacher.attachedRoom < 0) continue;
        for (int other = 0; other < count(); ++other)
            if (other != t && at(other).attachedRoom == teacher.attachedRoom) teacher.partners.push_back(other);
    }
}

}  // namespace lovaris
