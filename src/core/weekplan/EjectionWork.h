#pragma once
// The state of an ejection search (EjectionSearch.h): the completion's view of the
// week, the blocks waiting, the tabu list and the best week seen. The steps are in
// EjectionWork.cpp, the weighing of a place in EjectionMoves.cpp.
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "CompletionWork.h"
#include "EjectionSearch.h"

namespace lovaris {

// The same draws on every platform (splitmix64).
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. count - 1
    int below(std::size_t count) { return static_cast<int>(next() % count); }

private:
    std::uint64_t state_;
};

// Where a waiting block may go on a day and what that pushes out.
struct EjectionMove {
    int day = 0;
    UnitPlacement placement;
    std::vector<PlacedBlock> ejected;
    // Blocks of the block's classes that go in before it, carrying a class's day up to
    // it: waiting ones, or the last block of the class's day on another day.
    struct Bridging {
        CompletionUnit unit;
        UnitPlacement to;
        std::size_t waiting = 0;  // its place in the waiting list, when it was waiting
        int fromDay = 0;          // else the day it leaves, and where it stood there
        UnitPlacement from;
    };
    std::vector<Bridging> bridges;
    int cost = 0;  // class hours pushed out, weighted, and subgroups without a room
};

class EjectionWork {
public:
    EjectionWork(const PlanningSession& session, TTableVarItem& variant, std::uint64_t seed);

    EjectionResult Run(long long steps, EjectionControl& control);
    // Weighs every place of every waiting block once, changing nothing: the search's
    // inner loop, for measuring. Returns the places weighed.
    long long WeighAll();

    int hoursWaiting() const { return hoursWaiting_; }

private:
    // Steps between two questions to the control.
    static constexpr long long kPollSteps = 64;
    // Steps without a better week before the search goes back to the best one.
    static constexpr long long kPatience = 20'000;
    // Steps a block that went in stays safe from being pushed out, at least.
    static constexpr long long kTabuSteps = 4;
    // An hour pushed out costs this, and one more for every so many times its lesson
    // was pushed out before: the search learns which blocks are hard to place again
    // and pushes out others instead of going round the same few.
    static constexpr int kEjectedHourWeight = 4;
    static constexpr int kEjectionsPerWeight = 12;
    // Hours by which a class's day may be carried up to a block: a block fixed late in
    // the day goes in only where its classes' days reach it.
    static constexpr int kMostBridged = 8;

    // EjectionWork.cpp
    // What the week was given with against the rules (lessons taught together standing
    // apart, a day beginning past its starting lessons or with a gap) leaves to wait.
    void TakeOutBrokenBlocks();
    // The class's hours of the lesson at the number, alone.
    void TakeOutPiece(int klass, int day, int number);
    // The block at the number with its link set, or the class's piece of it.
    void TakeOutSet(int klass, int day, int number);
    void EmptyDrafts();
    void Step(long long step);
    void Apply(const CompletionUnit& unit, const EjectionMove& move, long long step);
    void KeepBest();
    void BackToBest();

    // EjectionMoves.cpp
    // The cheapest place of the block, ties drawn at random; none when every place
    // is closed, taken by the same lesson or would push out a tabu block.
    std::optional<EjectionMove> BestMove(const CompletionUnit& unit, long long step);
    // The block at `start` of `day`, with what it pushes out; none when that cannot be,
    // or when it would cost `bound` or more.
    // `sameLesson`: where blocks of the unit's lesson stand on the day, by class and number.
    std::optional<EjectionMove> Weigh(const CompletionUnit& unit, int day, int start, long long step, int bound,
                                      const std::vector<std::pair<int, int>>& sameLesson);
    // A class's day that ends short of the block's start is carried up to it with its
    // waiting blocks or the last blocks of its other days, at most kMostBridged hours;
    // they stand in the grid, and in the move, until TakeBridgesBack. False when the
    // hours between cannot all be filled.
    bool Bridge(const LessonRef& own, int day, int start, long long step, EjectionMove& move);
    // The next hours of the class's day carried by a waiting block, else by the last
    // block of another of its days; it stands in the grid afterwards.
    bool BridgeAt(const LessonRef& own, int day, int next, int room, long long step, EjectionMove& move);
    bool BridgeAllowed(const CompletionUnit& candidate, const LessonRef& own, int day, int next, int room,
                       const EjectionMove& move) const;
    bool LessonStandsOn(int klass, int lesson, int day) const;
    void TakeBridgesBack(int day, EjectionMove& move);
    bool DayOpenFor(const CompletionUnit& unit, int day) const;
    // The block of the class's clean copy at the number, with its link set; none when
    // its set does not stand alike in all its classes.
    std::optional<PlacedBlock> BlockAt(int klass, int day, int number);
    int KlassTeachingAt(int teacher, int day, int number) const;
    const CompletionUnit& LinkSetOf(int klass, int lesson);
    std::uint64_t TabuKey(const CompletionUnit& unit) const;
    // What pushing out an hour of the block costs: more the more often it was pushed out.
    int EjectionWeight(const CompletionUnit& unit) const;

    const PlanningSession& session_;
    TTableVarItem& variant_;
    CompletionWork work_;
    SearchRandom random_;
    std::vector<CompletionUnit> waiting_;
    int hoursWaiting_ = 0;
    // Step until which the lesson's blocks stay where they are, by link set.
    std::unordered_map<std::uint64_t, long long> tabuUntil_;
    std::unordered_map<std::uint64_t, int> ejections_;  // by link set, times pushed out
    std::vector<std::vector<std::optional<CompletionUnit>>> linkSets_;  // by class and lesson
    std::vector<std::vector<int>> teacherClasses_;  // by teacher, the classes it teaches
    long long evaluated_ = 0;

    struct Best {
        CompletionGrid grid;
        TTableVarItem variant;
        std::vector<CompletionUnit> waiting;
        int hoursWaiting = 0;
    };
    std::optional<Best> best_;
    long long sinceBest_ = 0;
};

}  // namespace lovaris
