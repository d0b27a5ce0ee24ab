#pragma once
// The whole week finished by ejection chains, once the completion is done. Each step
// takes one waiting block and puts it where it pushes out the fewest class hours, those
// of lessons often pushed out before counting more: the blocks of its classes and of
// its teachers' other classes at those hours, and what then stands cut off from its
// class's day, so that every class day stays gapless and begins at a starting lesson.
// What is pushed out waits in turn. A block that has just gone in is not pushed out
// again for a while (tabu), the best week seen stays, and a long run without progress
// goes back to it. The search starts afresh from the week it was given, with other
// draws, in runs of growing length, several at once where there are the cores, and
// the best run's week stays. The same seed and steps give the same week, however many
// runs go at once.
#include <cstdint>

#include "../planning/PlanningSession.h"
#include "../variant/TTableVarItem.h"

namespace lovaris {

// A school either comes out in a short run or needs long ones that learn which
// blocks are hard: a few short runs first, then runs of growing length.
inline constexpr long long kProbeRuns = 16;
inline constexpr long long kProbeSteps = 2'000;
// Steps of the shortest of the long runs.
inline constexpr long long kRestartSteps = 200'000;

struct EjectionSettings {
    std::uint64_t seed = 1;
    long long steps = 100'000;  // blocks taken from the waiting ones, at most
    // Runs at once, 0 for one per core. The week is the same for any number.
    int threads = 1;
};

struct EjectionProgress {
    long long steps = 0;
    int hoursWaiting = 0;  // class hours waiting now
    int bestWaiting = 0;   // ... in the best week so far
};

// Asked every few steps; true ends the search, the best week so far staying.
class EjectionControl {
public:
    virtual ~EjectionControl() = default;
    virtual bool stop(const EjectionProgress& progress) = 0;
};

// Never stops the search before its steps are done.
class RunAllSteps : public EjectionControl {
public:
    bool stop(const EjectionProgress&) override { return false; }
};

struct EjectionResult {
    long long steps = 0;
    long long movesEvaluated = 0;  // places weighed for the blocks taken
    int hoursWaitingBefore = 0;    // class hours in no day's clean copy
    int hoursWaitingAfter = 0;
};

// Whatever the drafts still hold waits with what stands on no day; the variant's drafts
// are emptied when anything waits.
EjectionResult SearchByEjection(const PlanningSession& session, TTableVarItem& variant,
                                const EjectionSettings& settings, EjectionControl& control);

}  // namespace lovaris
