// The runs of the ejection search, several at once where the machine has the cores.
// Each run starts afresh from the week given, with its own draws and a length set by
// its number, so the runs are handed out in order and their weeks taken in order: the
// first run that finishes the week wins, or else the first with the fewest hours
// waiting. A run past one that finished the week is cut short, as it never ran with one
// run at a time; the runs before it go on to their end. So the week is the same however
// many runs go at once: only the control, asked by the calling thread alone, cuts them.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "EjectionWork.h"

namespace lovaris {
namespace {

// 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ...: restarts of these lengths lose at most a small
// factor against the best fixed length, whatever the school.
long long Luby(long long i) {
    long long size = 1;
    int power = 0;
    while (size < i + 1) {
        size = 2 * size + 1;
        ++power;
    }
    while (size - 1 != i) {
        size = (size - 1) / 2;
        --power;
        i %= size;
    }
    return 1LL << power;
}

std::uint64_t RunSeed(std::uint64_t seed, long long run) {
    SearchRandom mix(seed ^ (0xD1B54A32D192ED03ull * static_cast<std::uint64_t>(run + 1)));
    return mix.next();
}

constexpr long long kNone = std::numeric_limits<long long>::max();
// How often the calling thread asks the control while only other threads run.
constexpr auto kWaitPoll = std::chrono::milliseconds(20);

class SearchRuns {
public:
    SearchRuns(const PlanningSession& session, const TTableVarItem& start, const EjectionSettings& settings,
               EjectionControl& control, int threads)
        : session_(session), start_(start), settings_(settings), control_(control),
          runningSteps_(static_cast<std::size_t>(threads)) {}

    EjectionResult Search(TTableVarItem& variant) {
        try {
            Work(0);
            WaitForHelpers();
        } catch (...) {
            Fail(std::current_exception());
        }
        for (auto& helper : helpers_) helper.join();
        if (failure_) std::rethrow_exception(failure_);
        Fold();
        if (best_) variant.Assign(*best_);
        return result_;
    }

private:
    struct Ticket {
        long long run = 0;
        long long length = 0;
    };
    struct Outcome {
        EjectionResult ran;
        TTableVarItem week;
    };

    // The control sees the steps of all runs together; it is asked by the calling
    // thread (slot 0) alone, as a window's control must be. The other threads start
    // once it has let the first run go on, so that a control stopping at once leaves
    // the week as it was.
    class RunControl : public EjectionControl {
    public:
        RunControl(SearchRuns& runs, std::size_t slot, long long run) : runs_(runs), slot_(slot), run_(run) {}
        bool stop(const EjectionProgress& progress) override {
            runs_.runningSteps_[slot_] = progress.steps;
            int best = runs_.bestWaiting_;
            while (progress.bestWaiting < best && !runs_.bestWaiting_.compare_exchange_weak(best, progress.bestWaiting)) {
            }
            if (slot_ == 0) {
                if (runs_.AskControl(progress.hoursWaiting)) runs_.stopAll_ = true;
                if (!runs_.stopAll_) runs_.StartHelpers();
            }
            return runs_.stopAll_ || run_ > runs_.finishedAt_;
        }

    private:
        SearchRuns& runs_;
        std::size_t slot_;
        long long run_;
    };

    void StartHelpers() {
        if (helpersStarted_) return;
        helpersStarted_ = true;
        for (std::size_t slot = 1; slot < runningSteps_.size(); ++slot)
            helpers_.emplace_back([this, slot] {
                try {
                    Work(slot);
                } catch (...) {
                    Fail(std::current_exception());
                }
            });
    }

    std::optional<Ticket> Take() {
        std::lock_guard lock(mutex_);
        if (stopAll_ || finishedAt_ != kNone || (nextRun_ > 0 && handedSteps_ >= settings_.steps)) return std::nullopt;
        const long long planned = nextRun_ < kProbeRuns ? kProbeSteps : kRestartSteps * Luby(nextRun_ - kProbeRuns);
        const Ticket ticket{nextRun_++, std::min(planned, settings_.steps - handedSteps_)};
        handedSteps_ += ticket.length;
        return ticket;
    }

    void Work(std::size_t slot) {
        while (const auto ticket = Take()) {
            TTableVarItem trial = start_;
            EjectionWork work(session_, trial, RunSeed(settings_.seed, ticket->run));
            RunControl control(*this, slot, ticket->run);
            const EjectionResult ran = work.Run(ticket->length, control);
            {
                std::lock_guard lock(mutex_);
                runningSteps_[slot] = 0;
                doneSteps_ += ran.steps;
                if (ran.hoursWaitingAfter == 0 && ticket->run < finishedAt_) finishedAt_ = ticket->run;
                outcomes_.emplace(ticket->run, Outcome{ran, std::move(trial)});
            }
            done_.notify_all();
            if (slot == 0) Fold();
        }
        std::lock_guard lock(mutex_);
        ++idle_;
        done_.notify_all();
    }

    // The calling thread asks the control on while the other threads finish their runs.
    void WaitForHelpers() {
        std::unique_lock lock(mutex_);
        while (idle_ < helpers_.size() + 1) {
            done_.wait_for(lock, kWaitPoll);
            lock.unlock();
            if (AskControl(bestWaiting_)) stopAll_ = true;
            Fold();
            lock.lock();
        }
    }

    bool AskControl(int hoursWaiting) {
        long long steps = doneSteps_;
        for (const auto& running : runningSteps_) steps += running;
        return control_.stop({steps, hoursWaiting, std::min<int>(bestWaiting_, hoursWaiting)});
    }

    // Takes the runs' weeks in the order of the runs, as far as they are done.
    void Fold() {
        std::lock_guard lock(mutex_);
        for (auto it = outcomes_.begin(); !folded_ && it != outcomes_.end() && it->first == nextFold_;
             it = outcomes_.erase(it), ++nextFold_) {
            const Outcome& outcome = it->second;
            result_.steps += outcome.ran.steps;
            result_.movesEvaluated += outcome.ran.movesEvaluated;
            if (nextFold_ == 0) {
                result_.hoursWaitingBefore = result_.hoursWaitingAfter = outcome.ran.hoursWaitingBefore;
                // Nothing waits: the week stays as it was given.
                if (outcome.ran.hoursWaitingBefore == 0) {
                    folded_ = true;
                    break;
                }
            }
            if (nextFold_ == 0 || outcome.ran.hoursWaitingAfter < result_.hoursWaitingAfter) {
                best_ = outcome.week;
                result_.hoursWaitingAfter = outcome.ran.hoursWaitingAfter;
            }
            // Runs cut by the control count with the week they had; a run that ended
            // sooner after one that was cut may still be the best.
            if (result_.hoursWaitingAfter == 0) folded_ = true;
        }
    }

    void Fail(std::exception_ptr failure) {
        std::lock_guard lock(mutex_);
        if (!failure_) failure_ = failure;
        stopAll_ = true;
        ++idle_;
        done_.notify_all();
    }

    const PlanningSession& session_;
    const TTableVarItem& start_;
    const EjectionSettings& settings_;
    EjectionControl& control_;

    std::mutex mutex_;
    std::condition_variable done_;
    long long nextRun_ = 0;
    long long handedSteps_ = 0;
    std::atomic<long long> finishedAt_ = kNone;  // the first run that finished the week
    std::atomic<bool> stopAll_ = false;
    std::atomic<int> bestWaiting_ = std::numeric_limits<int>::max();
    std::atomic<long long> doneSteps_ = 0;
    std::vector<std::atomic<long long>> runningSteps_;  // by thread, the steps of its run so far
    std::size_t idle_ = 0;                              // threads with no run left
    bool helpersStarted_ = false;
    std::vector<std::thread> helpers_;
    std::exception_ptr failure_;

    std::map<long long, Outcome> outcomes_;  // runs done and not yet folded
    long long nextFold_ = 0;
    bool folded_ = false;
    EjectionResult result_;
    std::optional<TTableVarItem> best_;
};

}  // namespace

EjectionResult SearchByEjection(const PlanningSession& session, TTableVarItem& variant,
                                const EjectionSettings& settings, EjectionControl& control) {
    const int threads =
        settings.threads > 0 ? settings.threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const TTableVarItem start = variant;
    return SearchRuns(session, start, settings, control, threads).Search(variant);
}

}  // namespace lovaris
