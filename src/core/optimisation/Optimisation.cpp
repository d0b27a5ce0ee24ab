#include "Optimisation.h"

#include <numeric>

#include "SlotBitRows.h"
#include "../planning/TRTITeachersCollection.h"

namespace lovaris {

Optimisation::Optimisation(TRTIKlassesCollection& klasses, OptimisationVariant& variant, RunControl& control)
    : klasses_(klasses), variant_(variant), control_(control), state_(klasses.state()), dayVariants_(klasses, control) {}

bool Optimisation::Stopped() {
    if (control_.poll()) state_.abortRequested = true;
    return state_.abortRequested;
}

int Optimisation::Count(int position) const {
    return klasses_.at(order_[static_cast<std::size_t>(position)]).dayVariants.count();
}

bool Optimisation::SliceOver() {
    if (resumed_) {
        resumed_ = false;
        return false;
    }
    return control_.sliceOver();
}

Optimisation::Prepared Optimisation::Prepare() {
    using Clock = std::chrono::steady_clock;
    if (stage_ == Stage::ReadDay) {
        if (klasses_.count() == 0) return Prepared::Stopped;
        if (Stopped()) return Prepared::Stopped;
        auto& teachers = klasses_.teachers();
        for (int t = 0; t < teachers.count(); ++t) teachers.ResetDay(t);
        for (int k = 0; k < klasses_.count(); ++k) klasses_.ResetDay(k, true);
        klasses_.MarkFixedLessonsOfDay(variant_, state_.currentDay, -1);
        figures_.variantsPerClass.assign(static_cast<std::size_t>(klasses_.count()), 0);
        stage_ = Stage::Listing;
        stageIndex_ = 0;
    }
    while (stage_ == Stage::Listing && stageIndex_ < klasses_.count()) {
        if (SliceOver()) return Prepared::SliceOver;
        if (Stopped()) return Prepared::Stopped;
        const int k = stageIndex_++;
        const auto listing = Clock::now();
        const int found = dayVariants_.EnumerateDayVariants(k);
        figures_.variantsPerClass[static_cast<std::size_t>(k)] = found;
        figures_.enumeration += Clock::now() - listing;
        if (state_.abortRequested) return Prepared::Stopped;
        if (found == -1) {
            noVariantsForClass_ = true;
            outcome_ = OptimisationOutcome{TextId::NoVariantsForClass, klasses_.at(k).displayName()};
            return Prepared::Stopped;
        }
        if (found == 0) continue;
        auto it = order_.begin();
        while (it != order_.end() && klasses_.at(*it).dayVariants.count() <= found) ++it;
        order_.insert(it, k);
    }
    const int n = static_cast<int>(order_.size());
    if (stage_ == Stage::Listing) {
        rowStart_.assign(static_cast<std::size_t>(n), 0);
        for (int j = 2; j < n; ++j) rowStart_[static_cast<std::size_t>(j)] = rowStart_[static_cast<std::size_t>(j - 1)] + Count(j - 1);
        stage_ = Stage::Pairing;
        stageIndex_ = 0;
    }
    while (stage_ == Stage::Pairing && stageIndex_ + 1 < n) {
        if (SliceOver()) return Prepared::SliceOver;
        const auto pairing = Clock::now();
        const bool computed = dayVariants_.ComputeCompatibility(order_, rowStart_, stageIndex_++);
        figures_.compatibility += Clock::now() - pairing;
        if (!computed || Stopped()) return Prepared::Stopped;
    }
    stage_ = Stage::Tables;
    for (int p = 0; p < n; ++p) {
        auto& table = klasses_.at(order_[static_cast<std::size_t>(p)]).dayVariants;
        table.signatures.clear();
        std::vector<int> candidates(static_cast<std::size_t>(Count(p)));
        std::iota(candidates.begin(), candidates.end(), 1);
        cand_.push_back(std::move(candidates));
        rem_.push_back(Count(p));
    }
    cur_.assign(static_cast<std::size_t>(n), 0);
    removed_.assign(static_cast<std::size_t>(n), 0);
    undo_.clear();
    return Prepared::Ready;
}

bool Optimisation::BitSet(int position, int variant, int laterPosition, int candidate) const {
    const auto& table = klasses_.at(order_[static_cast<std::size_t>(position)]).dayVariants;
    return TestRowBit(table.compatibilityRow(variant), rowStart_[static_cast<std::size_t>(laterPosition)] + candidate - 1);
}

std::vector<int> Optimisation::ChosenUpTo(int depth) const {
    std::vector<int> chosen;
    for (int p = 0; p < depth; ++p) chosen.push_back(cand_[static_cast<std::size_t>(p)][static_cast<std::size_t>(cur_[static_cast<std::size_t>(p)])]);
    if (depth < static_cast<int>(order_.size())) chosen.push_back(cand_[static_cast<std::size_t>(depth)][0]);
    return chosen;
}

// Positions up to `chosen.size()` take their chosen variants, the later ones none.
void Optimisation::WriteArrangement(const std::vector<int>& chosen) {
    const int n = static_cast<int>(order_.size());
    for (int p = 0; p < n; ++p) {
        const int klass = order_[static_cast<std::size_t>(p)];
        if (p < static_cast<int>(chosen.size()))
            dayVariants_.ApplyDayVariant(klass, chosen[static_cast<std::size_t>(p)]);
        else
            dayVariants_.ResetPlannedStarts(klass);
    }
    variant_.ClearDay(state_.currentDay);
    variant_.PlaceDayFromPositions(state_.currentDay);
}

void Optimisation::End() {
    phase_ = Phase::Ended;
    state_.waitingForContinue = false;
    if (!noVariantsForClass_) {
        if (state_.foundCount == 0 && bestDepth_ >= 0) {
            // The day shows the best incomplete arrangement, whatever was examined after it.
            WriteArrangement(bestIncomplete_);
            outcome_.message = state_.abortRequested ? TextId::PlacementAbortedShowBest : TextId::PlacementImpossibleShowBest;
        } else if (state_.foundCount == 0 && !state_.abortRequested) {
            outcome_.message = TextId::PlacementImpossible;
        }
    }
    for (auto& klass : klasses_) {
        klass.dayVariants.clear();
        klass.teacherFlags.clear();
    }
    cand_.clear();
    undo_.clear();
}

std::optional<Optimisation::PreparationStep> Optimisation::preparation() const {
    if (phase_ != Phase::Preparing) return std::nullopt;
    if (stage_ == Stage::ReadDay || stage_ == Stage::Listing) return PreparationStep{1, stageIndex_, klasses_.count()};
    return PreparationStep{2, stageIndex_, static_cast<int>(order_.size())};
}

OptimisationEvent Optimisation::next() {
    if (phase_ == Phase::Ended) return OptimisationEvent::End;
    resumed_ = true;
    if (phase_ == Phase::Preparing) {
        const Prepared prepared = Prepare();
        if (prepared == Prepared::SliceOver) return OptimisationEvent::SliceOver;
        if (prepared == Prepared::Stopped) {
            // Stopped during the preparation or a class without variants: the day is untouched.
            phase_ = Phase::Ended;
            for (auto& klass : klasses_) klass.dayVariants.clear();
            return OptimisationEvent::End;
        }
        phase_ = Phase::Searching;
        step_ = order_.empty() ? Step::Complete : Step::StartPosition;
        q_ = 0;
    }
    const int n = static_cast<int>(order_.size());
    while (true) {
        switch (step_) {
            case Step::StartPosition: {
                if (q_ == n) {
                    step_ = Step::Complete;
                    break;
                }
                if (state_.foundCount == 0 && q_ >= bestDepth_ && q_ > 0) {
                    const std::vector<int> chosen = ChosenUpTo(q_);
                    WriteArrangement(chosen);
                    const int windows = variant_.GroupWindowsTotal();
                    if (q_ != bestDepth_ || windows < bestIncompleteWindows_) {
                        bestIncompleteWindows_ = windows;
                        bestDepth_ = q_;
                        bestIncomplete_ = chosen;
                        state_.waitingForContinue = true;
                        step_ = Step::AfterIncomplete;
                        return OptimisationEvent::BetterIncomplete;
                    }
                }
                cur_[static_cast<std::size_t>(q_)] = 0;
                step_ = Step::Choice;
                break;
            }
            case Step::AfterIncomplete:
                state_.waitingForContinue = false;
                if (Stopped()) {
                    End();
                    return OptimisationEvent::End;
                }
                cur_[static_cast<std::size_t>(q_)] = 0;
                step_ = Step::Choice;
                break;
            case Step::Choice: {
                if (SliceOver()) return OptimisationEvent::SliceOver;
                if (Stopped()) {
                    End();
                    return OptimisationEvent::End;
                }
                const int v = cand_[static_cast<std::size_t>(q_)][static_cast<std::size_t>(cur_[static_cast<std::size_t>(q_)])];
                bool everyLaterKeepsOne = true;
                for (int l = q_ + 1; l < n && everyLaterKeepsOne; ++l) {
                    auto& list = cand_[static_cast<std::size_t>(l)];
                    int i = 0;
                    int last = rem_[static_cast<std::size_t>(l)] - 1;
                    while (i <= last) {
                        if (BitSet(q_, v, l, list[static_cast<std::size_t>(i)]))
                            ++i;
                        else
                            std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(last--)]);
                    }
                    if (i == 0) everyLaterKeepsOne = false;
                    removed_[static_cast<std::size_t>(l)] = rem_[static_cast<std::size_t>(l)] - i;
                }
                if (!everyLaterKeepsOne) {
                    step_ = Step::NextCandidate;
                    break;
                }
                for (int l = q_ + 1; l < n; ++l) {
                    undo_.push_back(removed_[static_cast<std::size_t>(l)]);
                    rem_[static_cast<std::size_t>(l)] -= removed_[static_cast<std::size_t>(l)];
                }
                ++q_;
                step_ = Step::StartPosition;
                break;
            }
            case Step::NextCandidate: {
                if (n == 0) {
                    End();
                    return OptimisationEvent::End;
                }
                bool over = false;
                while (cur_[static_cast<std::size_t>(q_)] >= rem_[static_cast<std::size_t>(q_)] - 1) {
                    if (q_ == 0) {
                        over = true;
                        break;
                    }
                    for (int l = n - 1; l >= q_; --l) {
                        rem_[static_cast<std::size_t>(l)] += undo_.back();
                        undo_.pop_back();
                    }
                    --q_;
                }
                if (over) {
                    End();
                    return OptimisationEvent::End;
                }
                ++cur_[static_cast<std::size_t>(q_)];
                step_ = Step::Choice;
                break;
            }
            case Step::Complete: {
                std::vector<int> chosen;
                for (int p = 0; p < n; ++p)
                    chosen.push_back(cand_[static_cast<std::size_t>(p)][static_cast<std::size_t>(cur_[static_cast<std::size_t>(p)])]);
                WriteArrangement(chosen);
                if (state_.findBestVariant) {
                    const int windows = variant_.GroupWindowsTotal();
                    if (windows >= bestWindows_) {
                        q_ = n - 1;
                        step_ = Step::NextCandidate;
                        break;
                    }
                    bestWindows_ = windows;
                    // Nothing can beat a variant without windows: it is the last one.
                    if (windows == 0) state_.abortRequested = true;
                }
                ++state_.foundCount;
                state_.waitingForContinue = true;
                step_ = Step::AfterComplete;
                return OptimisationEvent::CompleteVariant;
            }
            case Step::AfterComplete:
                state_.waitingForContinue = false;
                if (Stopped() || n == 0) {
                    End();
                    return OptimisationEvent::End;
                }
                q_ = n - 1;
                step_ = Step::NextCandidate;
                break;
        }
    }
}

}  // namespace lovaris
