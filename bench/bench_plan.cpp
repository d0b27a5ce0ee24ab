// The whole week planned in one run (PlanWholeWeek), on the sample school and on the
// generated school of 30 classes (BenchSchools.h). Every search of the run stops after
// a fixed number of polls, so that each run plans the same week; the counters give
// what the run placed and how long its completion took.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "BenchSchools.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace {

using namespace lovaris;

constexpr int kPollsPerSearch = 20000;

class PollBudget : public SearchBudget {
public:
    void start() override { used_ = 0; }
    bool spent() override { return ++used_ > kPollsPerSearch; }

private:
    int used_ = 0;
};

double Milliseconds(const WeekPlanResult& result, const std::string& stage) {
    for (const auto& s : result.stages)
        if (s.name == stage) return std::chrono::duration<double, std::milli>(s.time).count();
    return 0;
}

// range(0): 0 the sample school, 1 the generated one.
void BM_PlanWholeWeek(benchmark::State& state) {
    static const Project sample = bench::SampleSchool();
    static const Project generated = bench::GeneratedSchool();
    const Project& project = state.range(0) == 0 ? sample : generated;
    WeekPlanResult result;
    double completion = 0;
    for (auto _ : state) {
        PlanningSession session(project);
        TTableVarItem variant = session.NewVariant();
        PollBudget budget;
        result = PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()),
                               budget);
        completion += Milliseconds(result, "completion");
    }
    const WeekPlanSummary& s = result.summary;
    state.counters["required"] = s.requiredHours;
    state.counters["clean"] = s.cleanHours;
    state.counters["draft"] = s.draftHours;
    state.counters["gaps"] = s.classGaps;
    state.counters["windows"] = s.teacherWindows[0];
    state.counters["completion_ms"] = benchmark::Counter(completion, benchmark::Counter::kAvgIterations);
    state.SetLabel(state.range(0) == 0 ? "sample school" : "30 classes");
}
BENCHMARK(BM_PlanWholeWeek)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
