#pragma once
// A week made better once it is planned: simulated annealing over the blocks of the
// clean copy, lowering the weighted cost of the week's measure (WeekQuality.h). A
// step moves a block that stands first or last in its classes' days to the start or
// the end of another day (or of its own), or swaps two blocks of a class of the same
// length, with the chain of blocks of the same length their classes and teachers
// hold at the other place going across too (a Kempe chain); a move stands only where the week's placement checks take it: the classes,
// teachers and rooms free and open, every class day gapless from a starting lesson,
// one block of a lesson a day, lessons taught together moving together, each
// subgroup in a room of its kind and size, no teacher losing a free day it is to
// have. A worse move may stand while the temperature is high; the best week stays,
// so the week never comes out worse.
// Several runs from the same week, with their own draws, one per core; the best run's
// week stays, the earlier run on a tie: the same seed and steps give the same week
// however many runs go at once.
#include <cstdint>
#include <functional>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantOptions.h"

namespace lovaris {

// Runs from the same week, whatever the number of threads.
inline constexpr int kImprovementRuns = 4;
// Moves each run tries unless told otherwise: a few seconds on a school of 600 hours.
inline constexpr long long kDefaultImprovementSteps = 1'500'000;

struct ImprovementSettings {
    std::uint64_t seed = 1;
    long long steps = 0;  // moves tried by each run; 0 leaves the week as it is
    int threads = 1;            // runs at once, 0 for one per core
};

struct ImprovementResult {
    long long steps = 0;      // moves tried by all runs
    long long movesMade = 0;  // ... that stood, by the run whose week stays
    double costBefore = 0;
    double costAfter = 0;
};

// `timeUp` is asked by every run every few hundred steps, from the runs' threads; true
// ends the runs with the best week each has found.
ImprovementResult ImproveWeek(const PlanningSession& session, TTableVarItem& variant, const VariantOptions& options,
                              const ImprovementSettings& settings, const std::function<bool()>& timeUp = {});

}  // namespace lovaris
