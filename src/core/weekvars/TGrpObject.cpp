#include "TGrpObject.h"

#include <algorithm>

#include "BlockDayPlacer.h"
#include "TLessonObject.h"

namespace lovaris {

TGrpObject::TGrpObject(int runNumber, int firstBlock, int blockCount, int blockLength,
                       const std::vector<BlockPlace>& fixed)
    : runNumber_(runNumber), first_(firstBlock), count_(blockCount), active_(blockCount), length_(blockLength) {
    places_.assign(fixed.begin() + firstBlock, fixed.begin() + firstBlock + blockCount);
}

bool TGrpObject::fixed(const TLessonObject& lesson, int i) const { return lesson.isFixed(first_ + i); }

bool TGrpObject::hasMovableBlock(const TLessonObject& lesson) const {
    for (int i = 0; i < count_; ++i)
        if (!fixed(lesson, i)) return true;
    return false;
}

bool TGrpObject::placeFrom(TLessonObject& lesson, BlockDayPlacer& placer, int i, int fromRank) {
    const int day = placer.FindDay(lesson, length_, fromRank);
    if (day == 0) return false;
    placer.Place(lesson, length_, day);
    places_[static_cast<std::size_t>(i)] = BlockPlace{day, 0};
    return true;
}

void TGrpObject::remove(TLessonObject& lesson, BlockDayPlacer& placer, int i) {
    BlockPlace& p = places_[static_cast<std::size_t>(i)];
    if (p.day == 0 || fixed(lesson, i)) return;
    placer.Remove(lesson, length_, p.day);
    p = BlockPlace{};
}

void TGrpObject::removeAll(TLessonObject& lesson, BlockDayPlacer& placer) {
    for (int i = 0; i < count_; ++i) remove(lesson, placer, i);
}

// A run that starts again tries all its blocks again: blocks cut off while the
// lesson's other runs held days may fit beside their next days.
void TGrpObject::Reset(TLessonObject& lesson, BlockDayPlacer& placer) {
    removeAll(lesson, placer);
    started_ = false;
    active_ = count_;
}

EnumerationStep TGrpObject::Next(TLessonObject& lesson, BlockDayPlacer& placer) {
    auto exhausted = [&] {
        Reset(lesson, placer);
        return EnumerationStep::Exhausted;
    };
    if (!started_) {
        for (int i = 0; i < active_; ++i) {
            if (fixed(lesson, i) || placeFrom(lesson, placer, i, 1)) continue;
            if (i == 0) return exhausted();
            active_ = i;  // the blocks that do not fit stay out of this combination
            break;
        }
        started_ = true;
        return EnumerationStep::NewCombination;
    }

    int b = -1;
    for (int i = active_ - 1; i >= 0 && b < 0; --i)
        if (!fixed(lesson, i) && places_[static_cast<std::size_t>(i)].day != 0) b = i;
    if (b < 0) return exhausted();

    int floorRank = 0;
    for (;;) {
        const int oldDay = places_[static_cast<std::size_t>(b)].day;
        remove(lesson, placer, b);
        const int from = std::max(oldDay == 0 ? 0 : lesson.rankOfDay(oldDay), floorRank);
        if (from >= kWeekDays || !placeFrom(lesson, placer, b, from + 1)) {
            if (b == 0) return exhausted();
            for (int i = 0; i < b; ++i)
                if (!fixed(lesson, i)) return EnumerationStep::NewCombination;  // block b stays out
            return exhausted();
        }
        floorRank = lesson.rankOfDay(places_[static_cast<std::size_t>(b)].day);
        int later = -1;
        for (int i = b + 1; i < active_ && later < 0; ++i)
            if (!fixed(lesson, i)) later = i;
        if (later < 0) return EnumerationStep::NewCombination;
        b = later;
    }
}

}  // namespace lovaris
