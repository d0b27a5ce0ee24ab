// The runs of the improvement, handed out in order to one thread per core and their
// weeks taken in order: the lowest cost wins, the earlier run on a tie, so the week
// does not depend on how many runs went at once.
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "ImprovementWork.h"

namespace lovaris {
namespace {

std::uint64_t RunSeed(std::uint64_t seed, int run) {
    SearchRandom mix(seed ^ (0xA24BAED4963EE407ull * static_cast<std::uint64_t>(run + 1)));
    return mix.next();
}

struct Outcome {
    ImprovementResult ran;
    std::optional<TTableVarItem> week;
};

}  // namespace

ImprovementResult ImproveWeek(const PlanningSession& session, TTableVarItem& variant, const VariantOptions& options,
                              const ImprovementSettings& settings, const std::function<bool()>& timeUp) {
    if (settings.steps <= 0) {
        const double cost = MeasureWeek(session, variant, options).cost;
        return {0, 0, cost, cost};
    }
    const int threads = std::clamp(
        settings.threads > 0 ? settings.threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())),
        1, kImprovementRuns);
    const TTableVarItem start = variant;
    std::vector<Outcome> outcomes(kImprovementRuns);
    std::atomic<int> next = 0;
    std::mutex mutex;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            for (int run = next++; run < kImprovementRuns; run = next++) {
                TTableVarItem trial = start;
                ImprovementWork improvement(session, trial, options, RunSeed(settings.seed, run));
                const ImprovementResult ran = improvement.Run(settings.steps, timeUp);
                outcomes[static_cast<std::size_t>(run)] = {ran, std::move(trial)};
            }
        } catch (...) {
            std::lock_guard lock(mutex);
            if (!failure) failure = std::current_exception();
            next = kImprovementRuns;
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
    work();
    for (auto& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);

    ImprovementResult result;
    const Outcome* best = nullptr;
    for (const Outcome& outcome : outcomes) {
        result.steps += outcome.ran.steps;
        if (!best || outcome.ran.costAfter < best->ran.costAfter) best = &outcome;
    }
    result.costBefore = outcomes.front().ran.costBefore;
    result.costAfter = best->ran.costAfter;
    result.movesMade = best->ran.movesMade;
    variant.Assign(*best->week);
    return result;
}

}  // namespace lovaris
