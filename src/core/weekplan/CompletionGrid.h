#pragma once
// The clean copy as the completion of a week sees it: for every class, teacher and
// room and every day the lesson numbers taken, as bit masks; where a block of a
// lesson may still go without a class day gaining a gap, and the rooms it gets there.
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "../data/TSubjectItem.h"
#include "../planning/PlanningLesson.h"
#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

using NumberMask = std::uint32_t;  // bit n: lesson number n (1..24)

// The first and the last number of a mask that is not empty.
inline int FirstNumber(NumberMask mask) { return std::countr_zero(mask); }
inline int LastNumber(NumberMask mask) { return 31 - std::countl_zero(mask); }

// One block of a lesson on its way into the clean copy: the lesson in every class of
// its link set (taught together, so at the same numbers) and the set's teachers.
struct CompletionUnit {
    std::vector<LessonRef> klassLessons;  // (class, lesson); subgroup unused
    std::vector<int> teachers;            // each once
    int hours = 1;
    int sourceDay = 0;  // the day whose draft holds the block; 0 for hours placed nowhere
};

// The room of one subgroup of a unit; linked subgroups share it. Room assignment
// gives rooms hour by hour, so a block found in the clean copy may hold other rooms
// at different hours: such a room names the one hour it holds.
struct UnitRoom {
    int klass = -1;
    int lesson = -1;
    int subgroup = -1;
    int room = -1;
    int number = 0;  // the lesson number the room is held at; 0 for every hour of the block
};

// A unit's block at a start, with the rooms its subgroups get there.
struct UnitPlacement {
    int start = 0;
    std::vector<UnitRoom> rooms;
    int roomless = 0;  // subgroups that need a room and go without one
};

class CompletionGrid {
public:
    CompletionGrid(const PlanningSession& session, const TTableVarItem& variant);

    int lessonsPerDay() const { return lessonsPerDay_; }
    // Bits start .. start + hours - 1.
    static NumberMask blockMask(int start, int hours);
    // The block may start at `start` on `day` when each hour is open for every class,
    // lesson and teacher of the unit and taken by none of them, no class day gains a
    // gap or begins before the class's first starting lesson, and every subgroup that
    // needs a room finds a free one that suits it for the whole block.
    // With `roomless`, a subgroup whose rooms are all taken goes without one, as room
    // assignment leaves it.
    std::optional<UnitPlacement> place(const CompletionUnit& unit, int day, int start, bool roomless = false) const;
    // Each hour of the block is open for its classes, lessons and teachers, whatever
    // stands there now: where it could go once others made way.
    bool open(const CompletionUnit& unit, int day, int start) const;
    void put(const CompletionUnit& unit, int day, const UnitPlacement& placement) { mark(unit, day, placement, true); }
    void take(const CompletionUnit& unit, int day, const UnitPlacement& placement) { mark(unit, day, placement, false); }

    NumberMask klassDay(int klass, int day) const { return klasses_[index(klass, day)]; }
    NumberMask teacherDay(int teacher, int day) const { return teachers_[index(teacher, day)]; }
    // Numbers the class itself is closed at.
    NumberMask klassClosed(int klass, int day) const { return klassClosed_[index(klass, day)]; }
    // The class's day is empty or begins at one of its starting lessons.
    bool klassStartsRight(int klass, int day) const;
    // Empty open numbers inside the class's day.
    int klassGaps(int klass, int day) const { return gapsOf(klass, day, klassDay(klass, day)); }
    // Numbers inside the teacher's day at which it teaches nothing.
    int teacherWindows(int teacher, int day) const;

private:
    static std::size_t index(int owner, int day) {
        return static_cast<std::size_t>(owner * (kVariantDays + 1) + day);
    }

    int gapsOf(int klass, int day, NumberMask taken) const;
    bool klassOpen(int klass, int lesson, int day, NumberMask block) const;
    bool klassAccepts(int klass, int lesson, int day, int start, NumberMask block) const;
    // By its kind and seats, the room could serve the subject's pupils and the unit
    // has not taken it for another subgroup.
    bool roomServes(int room, const TSubjectItem& subject, int pupils, const std::vector<UnitRoom>& chosen) const;
    // ... and it is open and free for the whole block.
    bool roomSuits(int room, const TSubjectItem& subject, int pupils, int day, NumberMask block,
                   const std::vector<UnitRoom>& chosen) const;
    // Teacher's and class's attached rooms, then the subject's kind and wished rooms,
    // then plain rooms before specialised ones; -1 when none suits.
    int chooseRoom(const LessonRef& ref, int subgroup, int day, NumberMask block,
                   const std::vector<UnitRoom>& chosen) const;
    void mark(const CompletionUnit& unit, int day, const UnitPlacement& placement, bool taken);

    const PlanningSession* session_;  // a pointer, so that a grid can be assigned back
    int lessonsPerDay_;
    int roomCount_ = 0;
    std::vector<NumberMask> klasses_;        // taken numbers by (class, day)
    std::vector<NumberMask> klassClosed_;    // the class's own closed numbers by (class, day)
    // Closed numbers of each class's lessons, by class, lesson and day (1..6).
    std::vector<std::vector<std::array<NumberMask, kVariantDays + 1>>> lessonClosed_;
    std::vector<NumberMask> teachers_;       // taught numbers by (teacher, day)
    std::vector<NumberMask> teacherClosed_;  // closed numbers by (teacher, day)
    std::vector<NumberMask> rooms_;          // occupied numbers by (room, day)
    std::vector<NumberMask> roomClosed_;     // closed numbers by (room, day)
};

}  // namespace lovaris
