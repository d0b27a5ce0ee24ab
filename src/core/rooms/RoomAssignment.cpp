#include "RoomAssignment.h"

#include <algorithm>
#include <string>

#include "RoomAssignmentSubgroups.h"
#include "../planning/VariantPlanning.h"

namespace lovaris {
namespace {

struct RoomPass {
    bool specialized;
    bool onlyPreferred;
};

// Specialised subjects are served before the others, and in each kind the preferred
// rooms are tried for every teacher before any other room is.
constexpr RoomPass kPasses[] = {{true, true}, {true, false}, {false, true}, {false, false}};

class RoomAssignment {
public:
    RoomAssignment(PlanningSession& session, TTableVarItem& variant, RoomQuestionSink& questions)
        : session_(session),
          variant_(variant),
          planning_(variant, session),
          questions_(questions),
          day_(session.state().currentDay) {}

    RoomAssignmentOutcome Run() {
        const OverfullLesson overfull = planning_.FirstOverfullLesson(day_);
        if (overfull.number != 0 &&
            !ask(RoomQuestionKind::TooFewOpenRooms, overfull.number, -1,
                 {std::to_string(overfull.number), std::to_string(overfull.available),
                  std::to_string(overfull.needed)}))
            return RoomAssignmentOutcome{RoomAssignmentEnd::EndedByQuestion, RoomQuestionKind::TooFewOpenRooms, false};

        variant_.ClearRoomsOfDay(day_);
        RoomAssignmentOutcome outcome;
        if (!assignAttachedRooms() || !std::all_of(std::begin(kPasses), std::end(kPasses),
                                                   [this](const RoomPass& pass) { return runPass(pass); })) {
            outcome.end = RoomAssignmentEnd::EndedByQuestion;
            outcome.endingQuestion = endingQuestion_;
        }
        session_.state().variantModified = true;
        return outcome;
    }

private:
    bool ask(RoomQuestionKind kind, int lesson, int teacher, std::initializer_list<std::string_view> values) {
        RoomQuestion question{kind, lesson, teacher, FormatRoomQuestion(kind, values)};
        if (questions_.Ask(question)) return true;
        endingQuestion_ = kind;
        return false;
    }
    std::string teacherName(int teacher) const { return session_.teachers().at(teacher).displayName(); }
    bool hasKnownSubject(const PlanningSubgroup& sub) const {
        return sub.subject >= 0 && sub.subject < session_.subjects().count();
    }
    int roomCount() const { return std::min(session_.rooms().count(), variant_.roomCount()); }

    // Subgroups taught by a teacher with an attached room get that room when it
    // suits the subject, holds the pupils and is open and free. A linked lesson is
    // handled in the last of its classes.
    bool assignAttachedRooms() {
        const auto& klasses = session_.klasses();
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n)
            for (int c = 0; c < std::min(variant_.classCount(), klasses.count()); ++c) {
                const LessonSlot slot = variant_.GetCleanSlot(c, day_, n);
                if (!slot.occupied()) continue;
                for (int s = 0; s < kSlotRooms; ++s) {
                    const PlanningSubgroup* sub = FindSubgroup(klasses, c, slot.lessonIndex, s);
                    if (!sub || !NeedsRoom(*sub) || !hasKnownSubject(*sub)) continue;
                    const int room = session_.teachers().at(sub->teacher).attachedRoom;
                    if (room < 0 || room >= roomCount()) continue;
                    if (!attachedRoomSuits(*sub, c, slot.lessonIndex, s, room, n)) continue;
                    // A room already given at this hour, to another subgroup of this very
                    // lesson too, is taken: two groups of pupils never share a room.
                    if (variant_.GetRoomSlot(room, day_, n).isFree())
                        SetSubgroupRoom(variant_, klasses, c, day_, n, s, static_cast<std::uint16_t>(room));
                    else if (!ask(RoomQuestionKind::AttachedRoomTaken, n, sub->teacher,
                                  {std::to_string(n), teacherName(sub->teacher)}))
                        return false;
                }
            }
        return true;
    }

    bool attachedRoomSuits(const PlanningSubgroup& sub, int klass, int lessonIndex, int subgroup, int roomIndex,
                           int number) const {
        const TSubjectItem& subject = session_.subjects().at(sub.subject).record;
        const TRoomItem& room = session_.rooms().at(roomIndex);
        // A room its busy table closes at the hour takes no lesson then, attached or not:
        // the passes find the subgroup another.
        if (room.busy.at(day_, number) != 0) return false;
        if (IsStrictlySpecialized(subject) && room.specialization != subject.specialization) return false;
        if (IsStrictlySpecialized(room) && subject.specialization != room.specialization) return false;
        if (std::any_of(sub.links.begin(), sub.links.end(), [klass](const LessonRef& l) { return l.owner > klass; }))
            return false;
        return room.seats >= SubgroupPupils(session_.klasses(), klass, lessonIndex, subgroup);
    }

    // Teacher by teacher through the groups; a teacher's previous room of the day is
    // offered first, so a teacher tends to stay in one room.
    bool runPass(const RoomPass& pass) {
        for (const auto& row : session_.teachers().groups.rows)
            for (int teacher : row) {
                if (teacher < 0) break;
                if (!runPassForTeacher(pass, teacher)) return false;
            }
        return true;
    }

    bool runPassForTeacher(const RoomPass& pass, int teacher) {
        const auto& klasses = session_.klasses();
        int previous = -1;
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
            const TeacherLessonAt at = planning_.FindTeacherLessonAt(teacher, n);
            if (!at.found() || at.subgroup >= kSlotRooms) continue;
            const LessonSlot slot = variant_.GetCleanSlot(at.klass, day_, n);
            const std::uint16_t given = slot.rooms[static_cast<std::size_t>(at.subgroup)];
            if (given != kNoRoom) {
                previous = given;
                continue;
            }
            const PlanningSubgroup* sub = FindSubgroup(klasses, at.klass, slot.lessonIndex, at.subgroup);
            if (!sub || !hasKnownSubject(*sub) || !sub->fictiveRoom.empty()) continue;
            const TSubjectItem& subject = session_.subjects().at(sub->subject).record;
            if (pass.specialized && !IsStrictlySpecialized(subject)) continue;

            const int room = planning_.FindBestRoom(
                klasses.at(at.klass).attachedRoom, subject.specialization,
                SubgroupPupils(klasses, at.klass, slot.lessonIndex, at.subgroup), previous, n, sub->subject,
                pass.onlyPreferred, pass.specialized);
            if (room >= 0 || pass.onlyPreferred) {
                if (room >= 0)
                    SetSubgroupRoom(variant_, klasses, at.klass, day_, n, at.subgroup, static_cast<std::uint16_t>(room));
                previous = room;
            } else if (!ask(pass.specialized ? RoomQuestionKind::NoSpecializedRoom : RoomQuestionKind::NoRoom, n,
                            teacher, {std::to_string(n), teacherName(teacher)})) {
                return false;
            }
        }
        return true;
    }

    PlanningSession& session_;
    TTableVarItem& variant_;
    VariantPlanning planning_;
    RoomQuestionSink& questions_;
    const int day_;
    std::optional<RoomQuestionKind> endingQuestion_;
};

}  // namespace

RoomAssignmentOutcome AssignRooms(PlanningSession& session, TTableVarItem& variant, RoomQuestionSink& questions) {
    return RoomAssignment(session, variant, questions).Run();
}

}  // namespace lovaris
