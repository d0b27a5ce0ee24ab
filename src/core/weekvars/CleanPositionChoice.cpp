#include "CleanPositionChoice.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace lovaris {
namespace {

using Positions = std::uint32_t;  // bit p: lesson number p

Positions Span(int start, int length) { return ((Positions{1} << length) - 1) << start; }

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// One day's arrangement search: the blocks standing at their numbers, the blocks to
// arrange in snapshot order, and the best arrangement found so far.
class DayArrangementSearch {
public:
    DayArrangementSearch(const WeekSearchContext& context, const WeekCounters& counters,
                         const std::vector<TLessonObject>& lessons, int teacher, PlacementSnapshot& snapshot, int day,
                         bool anyArrangement)
        : context_(context), counters_(counters), lessons_(lessons), teacher_(teacher), snapshot_(snapshot),
          day_(day), any_(anyArrangement), lessonsPerDay_(context.lessonsPerDay()) {
        for (int i = 0; i < static_cast<int>(snapshot.size()); ++i) {
            const SnapshotBlock& b = snapshot[at(i)];
            if (b.day != day) continue;
            dayBlocks_.push_back(i);
            total_ += b.length;
            if (b.priorPosition > 0)
                standing_ |= Span(b.priorPosition, b.length);
            else
                listed_.push_back(i);
        }
    }

    bool nothingToArrange() const { return listed_.empty(); }

    bool Run() {
        for (int i : listed_) allowed_.push_back(AllowedPositions(snapshot_[at(i)]));
        chosen_.assign(listed_.size(), 0);
        const int first = standing_ ? std::countr_zero(standing_) : 0;
        const int last = standing_ ? 31 - std::countl_zero(standing_) : 0;
        for (int s = 1; s + total_ - 1 <= lessonsPerDay_ && !done(); ++s) {
            windowEnd_ = std::min(s + CleanPositionChoice::kWindow - 1, lessonsPerDay_);
            windowStart_ = s;
            // The hours already standing belong to the teacher's day as much as the new ones.
            if ((standing_ & ~Span(s, windowEnd_ - s + 1)) != 0) continue;
            Arrange(0, standing_, first, last);
        }
        const std::vector<int> none(listed_.size(), 0);
        const std::vector<int>& result = best_.empty() ? none : best_;
        for (std::size_t k = 0; k < listed_.size(); ++k) snapshot_[at(listed_[k])].position = result[k];
        return !best_.empty();
    }

private:
    bool done() const { return !best_.empty() && (any_ || bestWindows_ == 0); }

    // Lesson numbers at which an hour of the block may stand: free in every class of
    // its lesson (not taken, open, the lesson not closed there) and for every teacher
    // (not taken nor closed, no partner's clean hour when attached rooms count).
    Positions AllowedPositions(const SnapshotBlock& block) const {
        const TLessonObject& lesson = lessons_[at(block.lessonObject)];
        Positions allowed = 0;
        for (int n = 1; n <= lessonsPerDay_; ++n) {
            bool free = true;
            for (const auto& ref : lesson.klasses()) {
                const auto& klass = context_.klasses.at(ref.owner);
                free = free && counters_.klass(ref.owner).daySlots[at(day_)][at(n)] == kSlotFree &&
                       !klass.busyAt(day_, n) && klass.lesson(ref.lesson).busy.at(day_, n) == 0;
            }
            for (const auto& ref : lesson.teachers()) {
                free = free && counters_.teacher(ref.owner).daySlots[at(day_)][at(n)] == kSlotFree;
                if (!free || !lesson.attachedRoomCheck()) continue;
                for (int p : context_.teachers.at(ref.owner).partners)
                    free = free && counters_.teacher(p).daySlots[at(day_)][at(n)] != kSlotClean;
            }
            if (free) allowed |= Positions{1} << n;
        }
        return allowed;
    }

    void Arrange(std::size_t k, Positions taken, int first, int last) {
        if (k == listed_.size()) {
            Consider(taken, first, last);
            return;
        }
        const int length = snapshot_[at(listed_[k])].length;
        for (int p = windowStart_; p + length - 1 <= windowEnd_ && !done(); ++p) {
            const Positions hours = Span(p, length);
            if ((hours & taken) != 0 || (hours & ~allowed_[k]) != 0) continue;
            const int newFirst = first == 0 ? p : std::min(first, p);
            const int newLast = std::max(last, p + length - 1);
            // The day only grows from here: an arrangement no better than the best is not finished.
            if (!best_.empty() && newLast - newFirst + 1 - total_ >= bestWindows_) continue;
            chosen_[k] = p;
            Arrange(k + 1, taken | hours, newFirst, newLast);
        }
    }

    void Consider(Positions taken, int first, int last) {
        for (std::size_t k = 0; k < listed_.size(); ++k) snapshot_[at(listed_[k])].position = chosen_[k];
        if (!Acceptable()) return;
        const int windows = last - first + 1 - std::popcount(taken);
        if (!best_.empty() && windows >= bestWindows_) return;
        best_ = chosen_;
        bestWindows_ = windows;
    }

    bool Acceptable() const {
        if (context_.state.considerSeparatedHours && SeparatedNextToParent()) return false;
        return !SubgroupLessonRepeated();
    }

    // Separated hours stand apart from their parent lesson, unless both already stood so.
    bool SeparatedNextToParent() const {
        for (int i : dayBlocks_)
            for (int j : dayBlocks_) {
                const SnapshotBlock& x = snapshot_[at(i)];
                const SnapshotBlock& y = snapshot_[at(j)];
                if (x.lessonId - kSeparatedIdOffset != y.lessonId) continue;
                const bool adjacent = x.position + x.length == y.position || y.position + y.length == x.position;
                if (adjacent && (x.priorPosition == 0 || y.priorPosition == 0)) return true;
            }
        return false;
    }

    // A subgroup lesson of a class comes once a day: no later block of the teacher
    // and no other clean hour of the class repeats its subgroup's teacher and subject.
    bool SubgroupLessonRepeated() const {
        for (int i : dayBlocks_) {
            const SnapshotBlock& x = snapshot_[at(i)];
            for (const auto& ref : lessons_[at(x.lessonObject)].klasses()) {
                const PlanningLesson& lesson = context_.klasses.at(ref.owner).lesson(ref.lesson);
                if (lesson.subgroupCount() < 2 || lesson.isSeparated()) continue;
                for (int s = 0; s < lesson.subgroupCount(); ++s) {
                    const PlanningSubgroup& sub = lesson.subgroups[at(s)];
                    if (sub.teacher == teacher_ ? RepeatedInLaterBlock(x, ref.owner, lesson, s)
                                                : RepeatedInClean(x, ref, lesson, s))
                        return true;
                }
            }
        }
        return false;
    }

    static bool SameSubgroup(const PlanningLesson& a, const PlanningLesson& b, int s) {
        if (a.subgroupCount() != b.subgroupCount()) return false;
        const auto& x = a.subgroups[at(s)];
        const auto& y = b.subgroups[at(s)];
        return x.teacher == y.teacher && x.subject == y.subject;
    }

    bool RepeatedInLaterBlock(const SnapshotBlock& x, int klass, const PlanningLesson& lesson, int s) const {
        for (int j : dayBlocks_) {
            const SnapshotBlock& y = snapshot_[at(j)];
            if (y.position <= x.position) continue;
            for (const auto& ref : lessons_[at(y.lessonObject)].klasses())
                if (ref.owner == klass && SameSubgroup(lesson, context_.klasses.at(klass).lesson(ref.lesson), s))
                    return true;
        }
        return false;
    }

    bool RepeatedInClean(const SnapshotBlock& x, const LessonRef& ref, const PlanningLesson& lesson, int s) const {
        if (lesson.subgroups[at(s)].teacher < 0) return false;
        const TTableVarItem& grids = context_.grids();
        const auto& klass = context_.klasses.at(ref.owner);
        for (int n = 1; n <= lessonsPerDay_; ++n) {
            if (n >= x.position && n < x.position + x.length) continue;
            const LessonSlot slot = grids.GetCleanSlot(ref.owner, day_, n);
            if (!slot.occupied() || slot.lessonIndex == ref.lesson || slot.lessonIndex >= klass.lessonCount()) continue;
            if (SameSubgroup(lesson, klass.lesson(slot.lessonIndex), s)) return true;
        }
        return false;
    }

    const WeekSearchContext& context_;
    const WeekCounters& counters_;
    const std::vector<TLessonObject>& lessons_;
    int teacher_;
    PlacementSnapshot& snapshot_;
    int day_;
    bool any_;
    int lessonsPerDay_;

    std::vector<int> dayBlocks_;  // snapshot records of the day
    std::vector<int> listed_;     // those without a lesson number yet
    int total_ = 0;
    Positions standing_ = 0;
    std::vector<Positions> allowed_;
    std::vector<int> chosen_;
    std::vector<int> best_;
    int bestWindows_ = 100;
    int windowStart_ = 1;
    int windowEnd_ = 1;
};

}  // namespace

CleanPositionChoice::CleanPositionChoice(const WeekSearchContext& context, const WeekCounters& counters,
                                         const std::vector<TLessonObject>& lessons, int teacher)
    : context_(context), counters_(counters), lessons_(lessons), teacher_(teacher) {}

bool CleanPositionChoice::chooseDay(PlacementSnapshot& snapshot, int day, bool anyArrangement) const {
    DayArrangementSearch search(context_, counters_, lessons_, teacher_, snapshot, day, anyArrangement);
    return search.nothingToArrange() || search.Run();
}

bool CleanPositionChoice::Choose(PlacementSnapshot& snapshot, bool anyArrangement) const {
    for (int day = 1; day <= kWeekDays; ++day)
        if (!chooseDay(snapshot, day, anyArrangement)) return false;
    return true;
}

}  // namespace lovaris
