#pragma once
// The planning copy of a lesson, as a class and each of its teachers hold it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "../common/BusySlots.h"
#include "../data/TLessonItem.h"

namespace lovaris {

// A separated lesson carries its parent's ID plus this offset.
inline constexpr std::int32_t kSeparatedIdOffset = 1000000;
inline constexpr int kMaxSpreadEntries = 21;
inline constexpr int kMaxParallelLinks = 10;

inline bool IsSeparatedLessonId(std::int32_t id) { return id >= kSeparatedIdOffset; }

// A reference to a subgroup of a lesson copy. In a class copy `owner` is a class
// index and `lesson` an index in that class's lesson list; in a teacher copy
// `owner` is a teacher index and `lesson` an index in that teacher's copies.
struct LessonRef {
    int owner = -1;
    int lesson = -1;
    int subgroup = -1;
    bool valid() const { return owner >= 0 && lesson >= 0; }
    bool operator==(const LessonRef&) const = default;
};

struct PlanningSubgroup {
    int subject = -1;  // subject index, -1 none
    int teacher = -1;  // teacher index, -1 none (a fictive group)
    std::uint16_t children = 0;
    std::string fictiveRoom;
    std::vector<LessonLink> linkIds;  // the project's links, by lesson ID
    // Resolved links. Class copy: (class, lesson, subgroup) of the linked subgroup;
    // teacher copy: (teacher, copy, subgroup) of the linked subgroup's teacher copy.
    std::vector<LessonRef> links;
    // Class copy: (teacher, copy, subgroup) of this subgroup's teacher copy.
    // Teacher copy: (class, lesson, subgroup) of the class lesson it was copied from.
    LessonRef copyRef;
};

struct PlanningLesson {
    std::int32_t id = 0;
    int klass = -1;  // class index
    std::vector<int> spread;  // day blocks, at most 21
    std::uint8_t noAttachedRoom = 0;  // "Открепить кабинеты"
    ByteBusyTable busy;
    std::vector<PlanningSubgroup> subgroups;

    // Planning fields, valid for the selected day.
    bool hasFictive = false;  // some subgroup has no teacher
    bool fixed = false;
    std::uint16_t fixedHours = 0;  // 0: fixed as absent today
    int chosenEntry = 0;  // 1..spread size, 0 none
    std::array<std::uint16_t, kMaxSpreadEntries> entryDays{};  // day of each spread entry, 0 none
    // Lessons of parallel classes held together with this one: (class, lesson) in a
    // class copy, (teacher, copy) in a teacher copy.
    std::vector<LessonRef> parallelLinks;
    std::uint16_t plannedStart = 0;  // start chosen by a planning run, 0 none (draft)
    std::uint16_t fixedStart = 0;    // start of a fixed lesson standing in the clean copy
    bool critical = false;
    bool inGroup = false;  // a teacher of its link set belongs to the selected group
    std::uint16_t key = 0;  // ordinal among the blocks to place today

    bool isSeparated() const { return IsSeparatedLessonId(id); }
    int entryCount() const { return static_cast<int>(spread.size()); }
    int entryValue(int entry) const {  // entry from 1
        return entry >= 1 && entry <= entryCount() ? spread[static_cast<std::size_t>(entry - 1)] : 0;
    }
    int chosenHours() const { return entryValue(chosenEntry); }
    // Hours today: fixedHours of a fixed lesson, else the chosen entry's value.
    int hoursToday() const { return fixed ? fixedHours : chosenHours(); }
    int weeklyHours() const {
        int sum = 0;
        for (int v : spread) sum += v;
        return sum;
    }
    int subgroupCount() const { return static_cast<int>(subgroups.size()); }
    bool hasLinks() const {
        for (const auto& s : subgroups)
            if (!s.links.empty()) return true;
        return false;
    }
    int parallelLinkCount() const { return static_cast<int>(parallelLinks.size()); }

    // Clears the fields a new day starts from.
    void resetDay(bool clearEntryDays) {
        fixed = false;
        fixedHours = 0;
        inGroup = false;
        plannedStart = 0;
        critical = false;
        chosenEntry = 0;
        if (clearEntryDays) entryDays.fill(0);
    }
};

}  // namespace lovaris
