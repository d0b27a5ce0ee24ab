#include "TLessonObject.h"

#include "BlockDayPlacer.h"

namespace lovaris {
namespace {

// Lesson i ranks day d as kDayRanks[(d + i) mod 6], 0 read as 6: neighbouring
// lessons start their days in different places of the week.
constexpr std::array<int, kWeekDays + 1> kDayRanks = {0, 1, 3, 5, 2, 4, 6};

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

std::optional<TLessonObject> TLessonObject::Build(const WeekSearchContext& context, int teacher, int lessonNumber,
                                                  bool attachedRooms) {
    const PlanningLesson& copy = context.teachers.at(teacher).copy(lessonNumber);
    if (copy.subgroups.empty() || !copy.subgroups.front().copyRef.valid()) return std::nullopt;
    const LessonRef source = copy.subgroups.front().copyRef;
    const LinkSet links = context.klasses.BuildLinkSet(source.owner, source.lesson);
    for (const auto& ref : links.teacherCopies)
        if (ref.owner == teacher && ref.lesson < lessonNumber) return std::nullopt;

    TLessonObject object;
    object.lessonNumber_ = lessonNumber;
    object.lessonId_ = copy.id;
    const PlanningLesson& klassLesson = context.klasses.at(source.owner).lesson(source.lesson);
    object.attachedRoomCheck_ = attachedRooms && klassLesson.noAttachedRoom == 0;
    object.klasses_ = links.klassLessons;
    object.teachers_ = links.teacherCopies;
    for (const auto& ref : links.teacherCopies) {
        const PlanningLesson& theirs = context.teachers.at(ref.owner).copy(ref.lesson);
        bool takesRoom = false;
        for (const auto& sub : theirs.subgroups)
            if (sub.teacher == ref.owner) {
                takesRoom = sub.fictiveRoom.empty();
                break;
            }
        object.takesRoom_.push_back(takesRoom);
    }
    object.blockLength_ = klassLesson.spread;
    if (object.blockLength_.size() > static_cast<std::size_t>(kMaxSpreadEntries))
        object.blockLength_.resize(static_cast<std::size_t>(kMaxSpreadEntries));
    object.fixedPlace_.assign(object.blockLength_.size(), BlockPlace{});
    for (int d = 1; d <= kWeekDays; ++d) {
        const int rank = kDayRanks[at((d + lessonNumber) % kWeekDays == 0 ? kWeekDays : (d + lessonNumber) % kWeekDays)];
        object.rankOfDay_[at(d)] = rank;
        object.dayOfRank_[at(rank)] = d;
    }
    object.readFixedBlocks(context.grids());
    object.cutRuns();
    return object;
}

// Hours already in the variant keep their day: each day's clean hours, then its
// draft hours, claim the first block of their length without a day. Hours that
// match no block are left out.
void TLessonObject::readFixedBlocks(const TTableVarItem& grids) {
    const LessonRef lesson = klasses_.front();
    auto claim = [this](int hours, BlockPlace place) {
        for (std::size_t b = 0; b < blockLength_.size(); ++b)
            if (blockLength_[b] == hours && fixedPlace_[b].day == 0) {
                fixedPlace_[b] = place;
                dayUsed_[at(place.day)] = true;
                return;
            }
    };
    for (int d = 1; d <= kWeekDays; ++d) {
        int first = 0;
        const int clean = grids.CountLessonHoursInClean(lesson.owner, lesson.lesson, d, first);
        if (clean > 0) claim(clean, BlockPlace{d, first});
        const int draft = grids.CountLessonHoursInDraft(lesson.owner, lesson.lesson, d);
        if (draft > 0) claim(draft, BlockPlace{d, 0});
    }
}

void TLessonObject::cutRuns() {
    const int count = blockCount();
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && blockLength_[at(end)] == blockLength_[at(first)]) ++end;
        runs_.emplace_back(static_cast<int>(runs_.size()), first, end - first, blockLength_[at(first)], fixedPlace_);
        first = end;
    }
    activeRuns_ = static_cast<int>(runs_.size());
}

EnumerationStep TLessonObject::Next(BlockDayPlacer& placer) {
    if (runs_.empty()) {
        producedSingle_ = !producedSingle_;
        return producedSingle_ ? EnumerationStep::NewCombination : EnumerationStep::Exhausted;
    }
    for (;;) {
        if (runs_[at(runCursor_)].Next(*this, placer) == EnumerationStep::NewCombination) {
            if (runCursor_ == activeRuns_ - 1) return EnumerationStep::NewCombination;
            ++runCursor_;
            continue;
        }
        if (runCursor_ > 0) {
            --runCursor_;
            continue;
        }
        // Run 0 is through: the same again with the last active run left out. A run
        // of fixed blocks only would give the same variants again and is passed over.
        do {
            if (activeRuns_ == 1) {
                activeRuns_ = static_cast<int>(runs_.size());
                return EnumerationStep::Exhausted;
            }
            --activeRuns_;
        } while (!runs_[at(activeRuns_)].hasMovableBlock(*this));
    }
}

void TLessonObject::RemoveTentative(BlockDayPlacer& placer) {
    for (auto& run : runs_) run.Reset(*this, placer);
    runCursor_ = 0;
    activeRuns_ = static_cast<int>(runs_.size());
    producedSingle_ = false;
}

}  // namespace lovaris
