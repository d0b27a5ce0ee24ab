// The ejection search's inner loop: weighing the places of the blocks still waiting,
// in places weighed per second, on the sample school and on the generated school of
// 30 classes (BenchSchools.h), once the search has put most of the week in.
#include <benchmark/benchmark.h>

#include "BenchSchools.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/EjectionWork.h"

namespace {

using namespace lovaris;

// Steps taken before measuring: most blocks stand, and most places push some out.
constexpr long long kStepsBefore = 400;

// range(0): 0 the sample school, 1 the generated one.
void BM_WeighWaitingBlocks(benchmark::State& state) {
    static const Project sample = bench::SampleSchool();
    static const Project generated = bench::GeneratedSchool();
    const Project& project = state.range(0) == 0 ? sample : generated;
    PlanningSession session(project);
    TTableVarItem variant = session.NewVariant();
    EjectionWork work(session, variant, 1);
    RunAllSteps allSteps;
    work.Run(kStepsBefore, allSteps);
    long long weighed = 0;
    for (auto _ : state) weighed += work.WeighAll();
    state.counters["places_per_s"] = benchmark::Counter(static_cast<double>(weighed), benchmark::Counter::kIsRate);
    state.counters["hours_waiting"] = work.hoursWaiting();
    state.SetLabel(state.range(0) == 0 ? "sample school" : "30 classes");
}
BENCHMARK(BM_WeighWaitingBlocks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Whole steps of one run, its setting up left out: a block drawn, weighed at every
// place, put in, what it pushed out waiting. range(0) as above.
void BM_EjectionSteps(benchmark::State& state) {
    static const Project sample = bench::SampleSchool();
    static const Project generated = bench::GeneratedSchool();
    const Project& project = state.range(0) == 0 ? sample : generated;
    long long steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PlanningSession session(project);
        TTableVarItem variant = session.NewVariant();
        EjectionWork work(session, variant, 1);
        RunAllSteps allSteps;
        state.ResumeTiming();
        steps += work.Run(5000, allSteps).steps;
    }
    state.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.SetLabel(state.range(0) == 0 ? "sample school" : "30 classes");
}
BENCHMARK(BM_EjectionSteps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The generated school with its first teacher closed all week: no run finishes it.
Project UnfinishableSchool() {
    Project p = bench::GeneratedSchool();
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= p.params.lessonsPerDay; ++n) p.teachers.at(0).busy.set(d, n, kTeacherBusy);
    return p;
}

// The sixteen short runs a search begins with, one at a time or several at once
// (range(0) threads; 0 one per core), on a school none of them finishes: the
// wall-clock time the cores save. The week is the same for any number.
void BM_SearchRuns(benchmark::State& state) {
    static const Project generated = UnfinishableSchool();
    long long steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PlanningSession session(generated);
        TTableVarItem variant = session.NewVariant();
        RunAllSteps allSteps;
        state.ResumeTiming();
        steps += SearchByEjection(session, variant, {1, kProbeRuns * kProbeSteps, static_cast<int>(state.range(0))},
                                  allSteps)
                     .steps;
    }
    state.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchRuns)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
