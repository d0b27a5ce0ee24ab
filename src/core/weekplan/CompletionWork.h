#pragma once
// The work of completing a week (WeekCompletion): what it reads of the variant, how it
// places the blocks still waiting, and how it improves the days afterwards. The
// methods are defined in CompletionUnits.cpp, CompletionPlacing.cpp and
// CompletionImproving.cpp.
#include <cstddef>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "CompletionGrid.h"
#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"
#include "WeekCompletion.h"

namespace lovaris {

// A block standing in the clean copy, with where and in which rooms it stands.
using PlacedBlock = std::pair<CompletionUnit, UnitPlacement>;

// Class hours of a unit: lessons taught together count in each of their classes.
inline int HoursOf(const CompletionUnit& unit) { return unit.hours * static_cast<int>(unit.klassLessons.size()); }

class CompletionWork {
    // The ejection search and the improvement work on the completion's view of the week.
    friend class EjectionWork;
    friend class ImprovementWork;

public:
    // Each attempt walks the classes and days in another order.
    CompletionWork(const PlanningSession& session, TTableVarItem& variant, int attempt,
                   const std::function<bool()>& timeUp = {});
    void Run(WeekCompletion& result);

private:
    // Enough for every order of the eight or so blocks of a class's day.
    static constexpr int kArrangementNodes = 20000;
    static constexpr int kImprovementRounds = 5;
    // Rounds of placing what is left, each followed by days arranged afresh.
    static constexpr int kRounds = 4;
    // Blocks that may make way for one block at a time.
    static constexpr std::size_t kMostEjected = 4;
    // Arrangements an attempt may visit placing blocks, and improving days; a sample
    // school's attempt visits some 400,000 in all.
    static constexpr long long kPlacingNodes = 2'000'000;
    static constexpr long long kImprovingNodes = 2'000'000;
    // ... and placing one of the blocks left after the days' own drafts: its share of
    // what is left, within these bounds.
    static constexpr long long kLeastUnitNodes = 20'000;
    static constexpr long long kMostUnitNodes = 400'000;
    static constexpr long long kNoLimit = 1LL << 62;

    int classCount() const { return static_cast<int>(dayLimit_.size()); }

    // What the variant holds (CompletionUnits.cpp).

    // A class's day takes no more hours than its heaviest day of the week has, or than
    // its weekly hours spread evenly over its open days, rounded up.
    int DayLimit(int klass) const;
    int DraftHours() const;
    bool InDraft(const CompletionUnit& unit) const;
    // Some class of the unit still misses hours of the lesson.
    bool Unplaced(const CompletionUnit& unit) const;
    int KlassHours(int klass, int day) const;
    // The unit of the lesson's link set, its teachers taken from every lesson of the set.
    CompletionUnit UnitOf(int klass, int lesson, int hours, int sourceDay) const;
    bool WithinVariant(const CompletionUnit& unit) const;
    // The blocks in the draft of `day`, each link set once; a set whose classes do not
    // all hold it there alike is left alone.
    std::vector<CompletionUnit> DraftUnits(int day) const;
    // The spread entries of each lesson that match no day's hours; a lesson whose days
    // match its spread in no way gives its missing hours one by one.
    std::vector<CompletionUnit> UnplacedUnits() const;
    // The clean blocks of a class's day taught in that class alone (with `linked`, and
    // those taught together with other classes, standing alike in each of them), with
    // their rooms; the first and the last block of the day first.
    std::vector<PlacedBlock> CleanBlocks(int klass, int day, bool linked = false) const;
    // The block standing at `start` with the rooms its subgroups hold there.
    UnitPlacement PlacementInClean(const CompletionUnit& unit, int day, int start) const;
    // Each class of the unit holds its lesson on the day exactly at the unit's numbers.
    bool StandsAlike(const CompletionUnit& unit, int day, int start) const;
    // The clean blocks of the day in the classes and in every class taught together
    // with them that day, each block once; `classes` grows by those classes.
    std::vector<PlacedBlock> DayBlocks(std::vector<int>& classes, int day) const;
    // The clean blocks of the day in the block's classes and those taught together with
    // them, other than its own lesson's.
    std::vector<PlacedBlock> CleanBlocksOf(const CompletionUnit& unit, int day) const;
    // The blocks of the day's draft in the block's classes, other than the block itself.
    std::vector<CompletionUnit> DraftUnitsBeside(const CompletionUnit& unit, int day) const;
    bool TeachesInDraft(int teacher, int day) const;
    // A teacher already working on the day, or one that still keeps its free days.
    bool TeacherMayWorkOn(int teacher, int day) const;
    // A block's own draft day always takes it; another day only when none of its
    // classes has that lesson there yet (two blocks of one lesson never share a day),
    // each stays within its day limit and every teacher may work then.
    bool DayTakesUnit(const CompletionUnit& unit, int day) const;
    // Its own draft day first, then the days its class already learns on, the lightest
    // first, then the class's empty days.
    std::vector<int> DaysFor(const CompletionUnit& unit) const;
    int TeacherWindows(const std::vector<PlacedBlock>& blocks, int day) const;
    // The block of another class standing at (day, number) with the teacher; none when
    // it is taught together with other classes.
    std::optional<PlacedBlock> TeacherBlockAt(int teacher, int day, int number) const;
    // The single-class block of the class's day holding the number; none when the
    // number is free or taught together with other classes.
    std::optional<PlacedBlock> KlassBlockAt(int klass, int day, int number) const;
    // The block leaves the clean copy, rooms and all.
    void Displace(const CompletionUnit& unit, int day, const UnitPlacement& placement);
    // The block goes into the clean copy with its rooms, and out of its draft.
    void Commit(const CompletionUnit& unit, int day, const UnitPlacement& placement);

    // Placing the blocks still waiting (CompletionPlacing.cpp).

    // Every class's draft of the day, class by class: the arrangement placing the most
    // hours.
    // What is left, the hardest to place first; a block may have gone in beside
    // another one by the time its turn comes. False when no block went in.
    bool PlaceWhatIsLeft(WeekCompletion& result);
    // Lessons taught together, then those of more teachers, then longer blocks.
    static std::tuple<std::size_t, std::size_t, int> Difficulty(const CompletionUnit& unit);
    // The classes whose hardest draft block of the day is the hardest first.
    std::vector<int> KlassesHardestFirst(const std::vector<CompletionUnit>& units) const;
    void PlaceOnTheirDay(int day);
    // The block on `day` where it fits as the day stands, else with the blocks of its
    // class's day arranged afresh around it.
    bool PlaceOnDay(const CompletionUnit& unit, int day);
    // The day placed, 0 none: the days that take the block as they stand, then each
    // block of its class's days given up to another day to make way for it.
    int PlaceAnywhere(const CompletionUnit& unit, WeekCompletion& result);
    bool PlaceOnOtherDay(const CompletionUnit& unit);
    // The days of the block's classes arranged afresh with it and with the other blocks
    // waiting in those classes' drafts of the day: kept when every block of those days
    // stands again and the block has joined them.
    bool RepackDay(const CompletionUnit& waiting, int day);
    // Up to one block of each of the unit's classes leaves the day for another day, and
    // the unit takes their place; every combination is tried until one works.
    bool PlaceByDisplacing(const CompletionUnit& unit, int day, WeekCompletion& result);
    // Counts through every choice of -1..size-1 per class, all -1 left out.
    static bool NextCombination(std::vector<int>& chosen, const std::vector<std::vector<PlacedBlock>>& choices);
    // What stands in the unit's way at a start: the blocks of its own classes there
    // and its teachers' lessons in other classes then. False when something there
    // cannot make way (a lesson taught together) or too much would have to.
    bool BlockersAt(const CompletionUnit& unit, int day, int start, std::vector<PlacedBlock>& blockers) const;
    // The unit at a start its classes and teachers are open for, whatever stands there:
    // the blocks in its way make way, to another place in their class's day or to
    // another day, and no class's day gains a gap.
    bool PlaceByEjecting(const CompletionUnit& unit, int day, WeekCompletion& result);
    // The same at one start.
    bool EjectAt(const CompletionUnit& unit, int day, int start, WeekCompletion& result);
    // A block taken out of its class's day: back into that day arranged afresh, else
    // onto another day with the day it left closed up to `gaps` gaps.
    bool PlaceAgain(const CompletionUnit& block, int day, int gaps);
    // The class's day arranged afresh with no more than `gaps` gaps.
    bool CloseGaps(int klass, int day, int gaps);

    // What a move that may not pay off changes, kept to give back.
    struct Saved {
        CompletionGrid grid;
        TTableVarItem variant;
    };
    Saved Save() const { return {grid_, variant_}; }
    void Restore(const Saved& saved) {
        grid_ = saved.grid;
        variant_.Assign(saved.variant);
    }
    // The blocks taken out of the day and put back all as a search arranges them; false,
    // with the blocks still out, when some block finds no place.
    bool Rearrange(std::vector<PlacedBlock>& blocks, int day, std::optional<int> enoughWindows = {});

    // Every arrangement searched draws on the budget (CompletionPlacing.cpp): a week
    // with more hours than room ends in good time, the searches then finding nothing.
    std::vector<std::optional<UnitPlacement>> Arrange(int day, std::vector<const CompletionUnit*> units,
                                                      int required = 0, int nodeLimit = kArrangementNodes,
                                                      std::optional<int> enoughWindows = {});

    // Better days once the blocks are in (CompletionImproving.cpp).

    // A day arranged better may let another one be arranged better too.
    // Moving blocks to other days for the teachers' windows waits until nothing is left
    // to place: it fills the days the blocks still waiting would need.
    void ImproveDays(bool acrossDays);
    // A class's day, with the days of the classes taught together with it, arranged
    // afresh once more: kept when they have fewer gaps, or as many and their teachers
    // fewer windows.
    bool ImproveDay(int klass, int day);
    // A gap of a class's day filled with the first or the last block of another of its
    // days, straight in or with what stands in its way making way.
    bool FillGap(int klass, int day);
    // The first or the last block of a class's day moved to another day where that
    // leaves its teachers fewer windows, the day it leaves still gapless and beginning
    // at a starting lesson.
    bool MoveForWindows(int klass, int day);

    const PlanningSession& session_;
    TTableVarItem& variant_;
    CompletionGrid grid_;
    std::vector<int> dayLimit_;  // by class, as DayLimit found it before the completion
    std::vector<int> klassOrder_;
    std::vector<int> dayOrder_;
    struct Budget {
        long long placingLeft = kPlacingNodes;
        long long improvingLeft = kImprovingNodes;
        long long unit = kNoLimit;  // what the block being placed may still use
        bool improving = false;     // the days are being improved
    } budget_;
    std::function<bool()> timeUp_;  // once true, no arrangement is searched any more
};

}  // namespace lovaris
