#pragma once
// The optimisation of the selected day: every class's day variants are listed, then a
// depth-first search over the classes (fewest variants first) combines variants that
// can stand together. The search is resumable: next() runs until the next event and
// returns it; calling it again continues ("Продолжить"). When the run control asks
// for the caller's turn, next() comes back with SliceOver and the next call goes on
// from the same place.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "../common/StringTable.h"
#include "DayVariants.h"
#include "../variant/OptimisationVariant.h"
#include "../planning/RunControl.h"
#include "../planning/TRTIKlassesCollection.h"

namespace lovaris {

enum class OptimisationEvent : int {
    End = 0,
    CompleteVariant = 0xB0D5,   // a complete variant has been written into the variant
    BetterIncomplete = 0xB0E1,  // a better incomplete arrangement has been written
    SliceOver = 1,              // the caller's turn; nothing has happened
};

// The message the caller shows when the run has ended; none when a variant was handed over
// or the run was stopped before its search.
struct OptimisationOutcome {
    std::optional<TextId> message;
    std::string klassName;  // for the message naming a class without variants
};

// What the preparation found and how long its two stages took.
struct OptimisationFigures {
    std::vector<int> variantsPerClass;  // by class: the listing's result, 0 when not listed
    std::chrono::nanoseconds enumeration{0};
    std::chrono::nanoseconds compatibility{0};
};

class Optimisation {
public:
    Optimisation(TRTIKlassesCollection& klasses, OptimisationVariant& variant, RunControl& control);

    OptimisationEvent next();
    bool ended() const { return phase_ == Phase::Ended; }
    const OptimisationOutcome& outcome() const { return outcome_; }
    const OptimisationFigures& figures() const { return figures_; }

    // For the progress table: the classes in search order, the current candidate and
    // the candidates still open at each position.
    const std::vector<int>& order() const { return order_; }
    int currentCandidate(int position) const { return cur_[static_cast<std::size_t>(position)]; }
    int openCandidates(int position) const { return rem_[static_cast<std::size_t>(position)]; }
    // The two above hold for every position of order(): the preparation is over.
    bool hasSearchTables() const { return cur_.size() == order_.size() && rem_.size() == order_.size(); }
    int bestDepth() const { return bestDepth_; }

    // While the preparation goes on, for the progress window: its stage (1 the
    // classes' day variants listed, 2 paired position by position), how far it has
    // come and of how many. None once the search has begun.
    struct PreparationStep {
        int stage = 1;
        int done = 0;
        int count = 0;
        bool operator==(const PreparationStep&) const = default;
    };
    std::optional<PreparationStep> preparation() const;

private:
    enum class Phase { Preparing, Searching, Ended };
    enum class Step { StartPosition, AfterIncomplete, Choice, NextCandidate, Complete, AfterComplete };
    // The preparation in its stages: the day read in, each class listed, each
    // position's compatibility, the search tables.
    enum class Stage { ReadDay, Listing, Pairing, Tables };
    enum class Prepared { Ready, Stopped, SliceOver };

    Prepared Prepare();
    bool Stopped();
    // Asked before a poll; never at the first point a call reaches, so that every
    // call moves the run on.
    bool SliceOver();
    void End();
    int Count(int position) const;
    bool BitSet(int position, int variant, int laterPosition, int candidate) const;
    void WriteArrangement(const std::vector<int>& chosen);
    std::vector<int> ChosenUpTo(int depth) const;

    TRTIKlassesCollection& klasses_;
    OptimisationVariant& variant_;
    RunControl& control_;
    PlanningState& state_;
    DayVariants dayVariants_;

    Phase phase_ = Phase::Preparing;
    Stage stage_ = Stage::ReadDay;
    int stageIndex_ = 0;  // the class being listed, the position being paired
    Step step_ = Step::StartPosition;
    bool resumed_ = false;
    OptimisationOutcome outcome_;
    OptimisationFigures figures_;
    bool noVariantsForClass_ = false;

    std::vector<int> order_;     // class index per position
    std::vector<int> rowStart_;  // per position
    std::vector<std::vector<int>> cand_;
    std::vector<int> cur_;
    std::vector<int> rem_;
    std::vector<int> removed_;
    std::vector<int> undo_;
    int q_ = 0;
    int bestDepth_ = -1;
    int bestWindows_ = 65535;
    int bestIncompleteWindows_ = 65535;
    std::vector<int> bestIncomplete_;  // variant numbers of positions 0..bestDepth
};

}  // namespace lovaris
