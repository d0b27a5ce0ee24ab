#pragma once
// A run: consecutive blocks of equal length in a lesson's hour spread. Its blocks are
// given days together, the days rising in the lesson's day order, so that each set
// of days comes up once. Fixed blocks keep their day.
#include <vector>

#include "BlockPlace.h"

namespace lovaris {

class TLessonObject;
class BlockDayPlacer;

enum class EnumerationStep { NewCombination, Exhausted };

class TGrpObject {
public:
    TGrpObject(int runNumber, int firstBlock, int blockCount, int blockLength, const std::vector<BlockPlace>& fixed);

    // The next set of days for the blocks; Exhausted after the last, with every
    // tentative block taken off again.
    EnumerationStep Next(TLessonObject& lesson, BlockDayPlacer& placer);
    // Takes every tentative block of the run off its day and starts afresh.
    void Reset(TLessonObject& lesson, BlockDayPlacer& placer);

    int runNumber() const { return runNumber_; }
    int firstBlock() const { return first_; }
    int blockCount() const { return count_; }
    int activeBlocks() const { return active_; }
    int blockLength() const { return length_; }
    bool started() const { return started_; }
    const BlockPlace& place(int i) const { return places_[static_cast<std::size_t>(i)]; }
    // Some block of the run may move.
    bool hasMovableBlock(const TLessonObject& lesson) const;

private:
    bool fixed(const TLessonObject& lesson, int i) const;
    bool placeFrom(TLessonObject& lesson, BlockDayPlacer& placer, int i, int fromRank);
    void remove(TLessonObject& lesson, BlockDayPlacer& placer, int i);
    void removeAll(TLessonObject& lesson, BlockDayPlacer& placer);

    int runNumber_;
    int first_;
    int count_;
    int active_;
    int length_;
    bool started_ = false;
    std::vector<BlockPlace> places_;  // per block of the run
};

}  // namespace lovaris
