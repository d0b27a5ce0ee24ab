#include "CompletionGrid.h"

#include <algorithm>
#include <bit>

#include "../planning/WeekQuality.h"
#include "../rooms/RoomAssignmentSubgroups.h"

namespace lovaris {
namespace {

int FirstStartingLesson(const TRTIKlassItem& klass) {
    int first = 0;
    for (int start : klass.startingLessons)
        if (start >= 1 && (first == 0 || start < first)) first = start;
    return first == 0 ? 1 : first;
}

bool IsStartingLesson(const TRTIKlassItem& klass, int number) {
    if (klass.startingLessons.empty()) return number == 1;
    return std::find(klass.startingLessons.begin(), klass.startingLessons.end(), number) !=
           klass.startingLessons.end();
}

}  // namespace

CompletionGrid::CompletionGrid(const PlanningSession& session, const TTableVarItem& variant)
    : session_(&session), lessonsPerDay_(std::min(variant.lessonsPerDay(), 30)) {
    const auto& klasses = session.klasses();
    const auto& teachers = session.teachers();
    klasses_.assign(index(klasses.count(), 0), 0);
    klassClosed_.assign(klasses_.size(), 0);
    lessonClosed_.resize(static_cast<std::size_t>(klasses.count()));
    for (int k = 0; k < klasses.count(); ++k)
        lessonClosed_[static_cast<std::size_t>(k)].assign(static_cast<std::size_t>(klasses.at(k).lessonCount()), {});
    teachers_.assign(index(teachers.count(), 0), 0);
    teacherClosed_.assign(teachers_.size(), 0);
    roomCount_ = std::min(session.rooms().count(), variant.roomCount());
    const int rooms = roomCount_;
    rooms_.assign(index(rooms, 0), 0);
    roomClosed_.assign(rooms_.size(), 0);
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= lessonsPerDay_; ++n) {
            const NumberMask bit = NumberMask{1} << n;
            for (int t = 0; t < teachers.count(); ++t)
                if (teachers.IsClosed(t, d, n)) teacherClosed_[index(t, d)] |= bit;
            for (int r = 0; r < rooms; ++r) {
                if (session.rooms().at(r).busy.at(d, n) != 0) roomClosed_[index(r, d)] |= bit;
                if (!variant.GetRoomSlot(r, d, n).isFree()) rooms_[index(r, d)] |= bit;
            }
            for (int k = 0; k < klasses.count() && k < variant.classCount(); ++k) {
                const auto& klass = klasses.at(k);
                auto& lessons = lessonClosed_[static_cast<std::size_t>(k)];
                for (int l = 0; l < klass.lessonCount(); ++l)
                    if (klass.lesson(l).busy.at(d, n) != 0) lessons[static_cast<std::size_t>(l)][static_cast<std::size_t>(d)] |= bit;
                if (klass.busyAt(d, n)) klassClosed_[index(k, d)] |= bit;
                const LessonSlot slot = variant.GetCleanSlot(k, d, n);
                if (!slot.occupied()) continue;
                klasses_[index(k, d)] |= bit;
                if (slot.lessonIndex >= klass.lessonCount()) continue;
                for (const auto& sub : klass.lesson(slot.lessonIndex).subgroups)
                    if (sub.teacher >= 0 && sub.teacher < teachers.count()) teachers_[index(sub.teacher, d)] |= bit;
            }
        }
}

NumberMask CompletionGrid::blockMask(int start, int hours) {
    NumberMask mask = 0;
    for (int n = start; n < start + hours; ++n) mask |= NumberMask{1} << n;
    return mask;
}

int CompletionGrid::gapsOf(int klass, int day, NumberMask taken) const {
    return WindowsOf(taken, klassClosed_[index(klass, day)]);
}

bool CompletionGrid::klassStartsRight(int klass, int day) const {
    const NumberMask taken = klassDay(klass, day);
    return taken == 0 || IsStartingLesson(session_->klasses().at(klass), FirstNumber(taken));
}

int CompletionGrid::teacherWindows(int teacher, int day) const {
    const NumberMask taught = teacherDay(teacher, day);
    return WindowsOf(taught);
}

bool CompletionGrid::klassOpen(int klass, int lesson, int day, NumberMask block) const {
    if (block & klassClosed_[index(klass, day)]) return false;
    const auto& lessons = lessonClosed_[static_cast<std::size_t>(klass)];
    if (lesson < 0 || lesson >= static_cast<int>(lessons.size())) return false;
    return !(block & lessons[static_cast<std::size_t>(lesson)][static_cast<std::size_t>(day)]);
}

bool CompletionGrid::open(const CompletionUnit& unit, int day, int start) const {
    if (day < 1 || day > kVariantDays || start < 1 || unit.hours < 1 || start + unit.hours - 1 > lessonsPerDay_)
        return false;
    const NumberMask block = blockMask(start, unit.hours);
    for (int t : unit.teachers)
        if (block & teacherClosed_[index(t, day)]) return false;
    return std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
        return klassOpen(ref.owner, ref.lesson, day, block);
    });
}

bool CompletionGrid::klassAccepts(int klass, int lesson, int day, int start, NumberMask block) const {
    const NumberMask taken = klasses_[index(klass, day)];
    if ((block & taken) || !klassOpen(klass, lesson, day, block)) return false;
    const auto& item = session_->klasses().at(klass);
    // A class's day begins at one of its starting lessons and never gains a gap.
    if (taken == 0) return IsStartingLesson(item, start);
    if (start < FirstNumber(taken) && start < FirstStartingLesson(item)) return false;
    return gapsOf(klass, day, taken | block) <= gapsOf(klass, day, taken);
}

bool CompletionGrid::roomServes(int room, const TSubjectItem& subject, int pupils,
                                const std::vector<UnitRoom>& chosen) const {
    if (room < 0 || room >= roomCount_) return false;
    if (std::any_of(chosen.begin(), chosen.end(), [room](const UnitRoom& r) { return r.room == room; })) return false;
    const TRoomItem& item = session_->rooms().at(room);
    if (IsStrictlySpecialized(subject) && item.specialization != subject.specialization) return false;
    if (IsStrictlySpecialized(item) && subject.specialization != item.specialization) return false;
    return item.seats >= pupils;
}

bool CompletionGrid::roomSuits(int room, const TSubjectItem& subject, int pupils, int day, NumberMask block,
                               const std::vector<UnitRoom>& chosen) const {
    return roomServes(room, subject, pupils, chosen) &&
           !(block & (rooms_[index(room, day)] | roomClosed_[index(room, day)]));
}

int CompletionGrid::chooseRoom(const LessonRef& ref, int subgroup, int day,
                               NumberMask block, const std::vector<UnitRoom>& chosen) const {
    const auto& klasses = session_->klasses();
    const PlanningSubgroup& sub = klasses.at(ref.owner).lesson(ref.lesson).subgroups[static_cast<std::size_t>(subgroup)];
    const TSubjectItem& subject = session_->subjects().at(sub.subject).record;
    const int pupils = SubgroupPupils(klasses, ref.owner, ref.lesson, subgroup);
    const auto suits = [&](int room) { return roomSuits(room, subject, pupils, day, block, chosen); };
    std::vector<int> preferred = {session_->teachers().at(sub.teacher).attachedRoom, klasses.at(ref.owner).attachedRoom};
    const int rooms = roomCount_;
    if (subject.specialization != 0)
        for (int r = 0; r < rooms; ++r)
            if (session_->rooms().at(r).specialization == subject.specialization) preferred.push_back(r);
    for (int r : session_->subjects().at(sub.subject).wishedRoomIndexes) preferred.push_back(r);
    for (int r : preferred)
        if (suits(r)) return r;
    for (bool plain : {true, false})
        for (int r = 0; r < rooms; ++r)
            if ((session_->rooms().at(r).specialization == 0) == plain && suits(r)) return r;
    return -1;
}

std::optional<UnitPlacement> CompletionGrid::place(const CompletionUnit& unit, int day, int start,
                                                   bool roomless) const {
    if (!open(unit, day, start)) return std::nullopt;
    const NumberMask block = blockMask(start, unit.hours);
    for (int t : unit.teachers)
        if (block & teachers_[index(t, day)]) return std::nullopt;
    for (const LessonRef& ref : unit.klassLessons)
        if (!klassAccepts(ref.owner, ref.lesson, day, start, block)) return std::nullopt;

    UnitPlacement placement{start, {}};
    const auto& klasses = session_->klasses();
    for (const LessonRef& ref : unit.klassLessons) {
        const auto& lesson = klasses.at(ref.owner).lesson(ref.lesson);
        for (int s = 0; s < lesson.subgroupCount() && s < kSlotRooms; ++s) {
            const PlanningSubgroup& sub = lesson.subgroups[static_cast<std::size_t>(s)];
            if (!NeedsRoom(sub) || sub.subject >= session_->subjects().count()) continue;
            // Subgroups taught together sit in one room: the first of them chooses it.
            const bool chosenWithLink = std::any_of(sub.links.begin(), sub.links.end(), [&](const LessonRef& link) {
                return std::any_of(placement.rooms.begin(), placement.rooms.end(), [&](const UnitRoom& r) {
                    return r.klass == link.owner && r.lesson == link.lesson && r.subgroup == link.subgroup;
                });
            });
            if (chosenWithLink) continue;
            const int room = chooseRoom(ref, s, day, block, placement.rooms);
            if (room >= 0) {
                placement.rooms.push_back({ref.owner, ref.lesson, s, room});
                continue;
            }
            // No room of the school would serve the subgroup at any hour (none of its
            // kind or size is left beside those the unit takes): room assignment leaves it
            // without one, and so do we. Otherwise its room is taken now, and it waits.
            const TSubjectItem& subject = session_->subjects().at(sub.subject).record;
            const int pupils = SubgroupPupils(klasses, ref.owner, ref.lesson, s);
            for (int r = 0; r < roomCount_; ++r)
                if (roomServes(r, subject, pupils, placement.rooms)) {
                    if (!roomless) return std::nullopt;
                    ++placement.roomless;
                    break;
                }
        }
    }
    return placement;
}

void CompletionGrid::mark(const CompletionUnit& unit, int day, const UnitPlacement& placement, bool taken) {
    const NumberMask block = blockMask(placement.start, unit.hours);
    auto apply = [&](NumberMask& mask, NumberMask bits) { mask = taken ? (mask | bits) : (mask & ~bits); };
    for (int t : unit.teachers) apply(teachers_[index(t, day)], block);
    for (const LessonRef& ref : unit.klassLessons) apply(klasses_[index(ref.owner, day)], block);
    for (const UnitRoom& room : placement.rooms)
        apply(rooms_[index(room.room, day)], room.number == 0 ? block : blockMask(room.number, 1));
}

}  // namespace lovaris
