#pragma once
// One lesson of the searched teacher, with the classes and teachers it brings along
// through its links: its hour spread cut into runs, the blocks that already stand
// in the variant, and its own order of the days. Its variants are the combinations
// of its runs' days, taken like an odometer.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "../variant/LessonSlot.h"
#include "../planning/PlanningLesson.h"
#include "BlockPlace.h"
#include "TGrpObject.h"
#include "WeekSearchContext.h"

namespace lovaris {

class TLessonObject {
public:
    // The object of the teacher's lesson `lessonNumber`; nothing when the lesson is
    // linked to an earlier lesson of the same teacher and is searched with that one.
    static std::optional<TLessonObject> Build(const WeekSearchContext& context, int teacher, int lessonNumber,
                                              bool attachedRooms);

    EnumerationStep Next(BlockDayPlacer& placer);
    // Takes every tentative block off and starts the enumeration afresh.
    void RemoveTentative(BlockDayPlacer& placer);

    int lessonNumber() const { return lessonNumber_; }
    std::int32_t lessonId() const { return lessonId_; }
    bool attachedRoomCheck() const { return attachedRoomCheck_; }
    int searchPosition = 0;
    long long variantCount = 0;

    int blockCount() const { return static_cast<int>(blockLength_.size()); }
    int blockLength(int block) const { return blockLength_[static_cast<std::size_t>(block)]; }
    const BlockPlace& fixedPlace(int block) const { return fixedPlace_[static_cast<std::size_t>(block)]; }
    bool isFixed(int block) const { return fixedPlace(block).day != 0; }
    const std::vector<TGrpObject>& runs() const { return runs_; }

    // (class, lesson) and (teacher, copy) of the link set, the lesson itself first.
    const std::vector<LessonRef>& klasses() const { return klasses_; }
    const std::vector<LessonRef>& teachers() const { return teachers_; }
    // The listed teacher's subgroup has no fictive room name: its hours take a room.
    bool teacherTakesRoom(int listed) const { return takesRoom_[static_cast<std::size_t>(listed)]; }

    bool dayUsed(int day) const { return dayUsed_[static_cast<std::size_t>(day)]; }
    void setDayUsed(int day, bool used) { dayUsed_[static_cast<std::size_t>(day)] = used; }
    int rankOfDay(int day) const { return rankOfDay_[static_cast<std::size_t>(day)]; }
    int dayOfRank(int rank) const { return dayOfRank_[static_cast<std::size_t>(rank)]; }

private:
    TLessonObject() = default;
    void readFixedBlocks(const TTableVarItem& grids);
    void cutRuns();

    std::vector<TGrpObject> runs_;
    int runCursor_ = 0;
    int activeRuns_ = 0;
    bool producedSingle_ = false;  // a lesson without runs has yielded its one variant
    int lessonNumber_ = 0;
    bool attachedRoomCheck_ = false;
    std::int32_t lessonId_ = 0;
    std::vector<int> blockLength_;
    std::vector<BlockPlace> fixedPlace_;
    std::vector<LessonRef> klasses_;
    std::vector<LessonRef> teachers_;
    std::vector<bool> takesRoom_;
    std::array<bool, kWeekDays + 1> dayUsed_{};
    std::array<int, kWeekDays + 1> rankOfDay_{};
    std::array<int, kWeekDays + 1> dayOfRank_{};
};

}  // namespace lovaris
