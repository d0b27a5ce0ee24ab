// The week variant search over a teacher group, each teacher stopped ("Дальше") after
// at most kVariantsPerTeacher viewed variants: viewed variants per second and time per
// teacher, into the draft and into the clean copy. On the sample school
// and on the generated school of 30 classes (BenchSchools.h).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchSchools.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/TTableVarItem.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"
#include "core/weekvars/WeekVariantSearch.h"

namespace {

using namespace lovaris;
using bench::GeneratedSchool;
using bench::SampleSchool;

constexpr long long kVariantsPerTeacher = 20000;

// A school opened for planning with its week-mode teacher groups.
struct Week {
    explicit Week(Project school) : project(std::move(school)), session(project) {
        pristine.Create(MakeVariantCatalog(session));
        variant = pristine;
        planning = std::make_unique<VariantPlanning>(variant, session);
        session.teachers().BuildTeacherGroups(*planning, true);
    }
    int largestGroup() const {
        const auto& groups = session.teachers().groups;
        int best = 0;
        for (int g = 0; g < groups.rowCount(); ++g)
            if (groups.row(g).size() > groups.row(best).size()) best = g;
        return best;
    }

    Project project;
    PlanningSession session;
    TTableVarItem pristine;
    TTableVarItem variant;
    std::unique_ptr<VariantPlanning> planning;
};

Week& SampleWeek() {
    static Week week(SampleSchool());
    return week;
}
Week& GeneratedWeek() {
    static Week week(GeneratedSchool());
    return week;
}

// Presses "Дальше" once a teacher's pass has viewed enough variants.
class VariantBudget : public RunControl {
public:
    explicit VariantBudget(WeekVariantSearch& search) : search_(search) {}
    bool poll() override {
        if (!search_.rows().empty() && search_.rows().back().viewed - viewedBefore() >= kVariantsPerTeacher)
            search_.requestNextTeacher();
        return false;
    }

private:
    long long viewedBefore() {
        if (search_.position() != position_ || search_.pass() != pass_) {
            position_ = search_.position();
            pass_ = search_.pass();
            start_ = search_.rows().back().viewed;
        }
        return start_;
    }
    WeekVariantSearch& search_;
    int position_ = -1;
    int pass_ = -1;
    long long start_ = 0;
};

// range(0): 0 the sample school, 1 the generated one; range(1): 1 into the clean copy;
// range(2): 1 every group in turn, 0 the largest group only.
void BM_WeekSearch(benchmark::State& state) {
    Week& week = state.range(0) == 0 ? SampleWeek() : GeneratedWeek();
    auto& settings = week.session.state();
    settings.placeToCleanCopy = state.range(1) == 1;
    settings.considerParallels = true;
    settings.considerAttachedRooms = true;
    settings.considerSeparatedHours = true;
    settings.optimizeQueue = true;
    std::vector<int> groups;
    for (int g = 0; g < week.session.teachers().groups.rowCount(); ++g)
        if (state.range(2) == 1 ? !week.session.teachers().groups.row(g).empty() : g == week.largestGroup())
            groups.push_back(g);
    long long viewed = 0;
    long long teachers = 0;
    long long placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        week.variant = week.pristine;
        state.ResumeTiming();
        for (int g : groups) {
            settings.selectedGroup = g;
            WeekVariantSearch search(week.session, *week.planning);
            VariantBudget budget(search);
            while (search.next(budget) == WeekSearchEvent::TeacherDone) {
            }
            for (const auto& row : search.rows()) {
                viewed += row.viewed;
                placed += row.placedHours;
            }
            teachers += search.memberCount();
        }
    }
    state.counters["viewed/s"] = benchmark::Counter(static_cast<double>(viewed), benchmark::Counter::kIsRate);
    state.counters["s/teacher"] = benchmark::Counter(static_cast<double>(teachers),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["teachers"] = benchmark::Counter(static_cast<double>(teachers), benchmark::Counter::kAvgIterations);
    state.counters["hours"] = benchmark::Counter(static_cast<double>(placed), benchmark::Counter::kAvgIterations);
    state.SetLabel(std::string(state.range(0) == 0 ? "sample school" : "30 classes") +
                   (state.range(1) == 1 ? ", clean copy" : ", draft") +
                   (state.range(2) == 1 ? ", every group" : ", largest group"));
}
BENCHMARK(BM_WeekSearch)->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
