// The optimisation of a day, stage by stage: the day variants of every class, the
// compatibility rows, and the search to the first complete variant. On the sample
// school (LOVARIS_SAMPLE_SCHOOL, Monday's draft filled from the curriculum) and on a
// generated school of 30 classes, 60 teachers and 8 lessons a day whose whole Monday
// stands in the draft; each teacher shares a two-subgroup lesson with one other, so
// the day falls into 30 teacher groups.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <string>

#include "BenchSchools.h"
#include "core/planning/DayDraftFill.h"
#include "core/optimisation/DayVariants.h"
#include "core/optimisation/Optimisation.h"
#include "core/planning/PlanningSession.h"
#include "core/variant/TTableVarItem.h"
#include "core/planning/VariantPlanning.h"

namespace {

using namespace lovaris;

constexpr int kDay = 1;

Project GeneratedSchool() {
    Project p;
    p.params.lessonsPerDay = 8;
    p.params.classMinLessons = 4;
    for (int s = 0; s < 12; ++s) p.subjects.add().setName("Предмет " + std::to_string(s + 1));
    for (int t = 0; t < 60; ++t) {
        auto& teacher = p.teachers.add();
        teacher.setName("Учитель " + std::to_string(t + 1));
        teacher.plannedHours = 24;
    }
    for (int k = 0; k < 30; ++k) {
        auto& klass = p.klasses.add();
        klass.setName(std::to_string(5 + k / 5) + "-" + std::to_string(k % 5 + 1));
        klass.insertStartingLesson(1);
    }
    auto add = [&p](int klass, int subject, std::vector<int> teachers) {
        auto& lesson = p.lessons.add();
        lesson.klass = klass;
        lesson.setSpread({1, 1, 1, 1, 1, 1});
        lesson.setSubgroupCount(static_cast<int>(teachers.size()));
        for (std::size_t g = 0; g < teachers.size(); ++g) {
            lesson.subgroups[g].subject = subject;
            lesson.subgroups[g].teacher = teachers[g];
            lesson.subgroups[g].children = 12;
        }
    };
    // Six lessons of one teacher and a language taught in two subgroups by a pair of
    // teachers: seven hours a class, four or five a teacher.
    for (int k = 0; k < 30; ++k) {
        for (int j = 0; j < 6; ++j) add(k, j, {(k * 6 + j * 13) % 60});
        add(k, 6 + k % 6, {2 * k, 2 * k + 1});
    }
    p.refreshSectionHeaders();
    return p;
}

// A school with its day's draft filled, ready for a group's run.
struct Day {
    explicit Day(Project school) : project(std::move(school)), session(project) {
        auto& state = session.state();
        state.currentDay = kDay;
        pristine = session.NewVariant();
        variant = pristine;
        planning = std::make_unique<VariantPlanning>(variant, session);
        FillDayDraft(session, *planning, kDay);
        session.SetupDay(*planning);
        pristine = variant;
    }
    // The groups of the day with teachers, in order.
    std::vector<int> groups() const {
        std::vector<int> rows;
        for (int g = 0; g < session.teachers().groups.rowCount(); ++g)
            if (!session.teachers().groups.row(g).empty()) rows.push_back(g);
        return rows;
    }
    // The largest group: the hardest run of the day.
    int largestGroup() const {
        int best = 0;
        for (int g : groups())
            if (session.teachers().groups.row(g).size() > session.teachers().groups.row(best).size()) best = g;
        return best;
    }
    void startGroup(int group) {
        auto& state = session.state();
        state.selectedGroup = group;
        state.foundCount = 0;
        state.abortRequested = false;
        session.PrepareDayData(*planning, true);
        session.AcceptPreparation(*planning, 1);
    }
    // The day read into the planning states as the run reads it.
    void readDay() {
        auto& teachers = session.teachers();
        auto& klasses = session.klasses();
        for (int t = 0; t < teachers.count(); ++t) teachers.ResetDay(t);
        for (int k = 0; k < klasses.count(); ++k) klasses.ResetDay(k, true);
        klasses.MarkFixedLessonsOfDay(*planning, kDay, -1);
    }
    // Runs the group to its first complete variant; true when one was found.
    bool runToFirstComplete() {
        UninterruptedRun control;
        Optimisation optimisation(session.klasses(), *planning, control);
        for (auto event = optimisation.next(); event != OptimisationEvent::End; event = optimisation.next())
            if (event == OptimisationEvent::CompleteVariant) {
                session.state().abortRequested = true;
                optimisation.next();
                return true;
            }
        return false;
    }

    Project project;
    PlanningSession session;
    TTableVarItem pristine;
    TTableVarItem variant;
    std::unique_ptr<VariantPlanning> planning;
};

Day& SampleDay() {
    static Day day(bench::SampleSchool());
    return day;
}
Day& GeneratedDay() {
    static Day day(GeneratedSchool());
    return day;
}
Day& DayOf(const benchmark::State& state) { return state.range(0) == 0 ? SampleDay() : GeneratedDay(); }
const char* Label(const benchmark::State& state) { return state.range(0) == 0 ? "sample school" : "30 classes"; }

// Stage 1: the day variants of every class, for the largest group of the day.
void BM_EnumerateDayVariants(benchmark::State& state) {
    Day& day = DayOf(state);
    day.variant = day.pristine;
    day.startGroup(day.largestGroup());
    UninterruptedRun control;
    long variants = 0;
    for (auto _ : state) {
        day.readDay();
        DayVariants listing(day.session.klasses(), control);
        variants = 0;
        for (int k = 0; k < day.session.klasses().count(); ++k) variants += std::max(0, listing.EnumerateDayVariants(k));
    }
    state.counters["variants"] = static_cast<double>(variants);
    state.SetLabel(Label(state));
}
BENCHMARK(BM_EnumerateDayVariants)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Stage 2: the compatibility rows of the classes in search order.
void BM_ComputeCompatibility(benchmark::State& state) {
    Day& day = DayOf(state);
    day.variant = day.pristine;
    day.startGroup(day.largestGroup());
    UninterruptedRun control;
    day.readDay();
    DayVariants listing(day.session.klasses(), control);
    std::vector<int> order;
    for (int k = 0; k < day.session.klasses().count(); ++k)
        if (listing.EnumerateDayVariants(k) > 0) order.push_back(k);
    std::stable_sort(order.begin(), order.end(), [&day](int a, int b) {
        return day.session.klasses().at(a).dayVariants.count() < day.session.klasses().at(b).dayVariants.count();
    });
    std::vector<int> rowStart(order.size(), 0);
    for (std::size_t j = 2; j < order.size(); ++j)
        rowStart[j] = rowStart[j - 1] + day.session.klasses().at(order[j - 1]).dayVariants.count();
    for (auto _ : state)
        for (std::size_t r = 0; r + 1 < order.size(); ++r)
            listing.ComputeCompatibility(order, rowStart, static_cast<int>(r));
    state.SetLabel(Label(state));
}
BENCHMARK(BM_ComputeCompatibility)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole run of the largest group to its first complete variant: both stages and
// the search.
void BM_OptimiseLargestGroup(benchmark::State& state) {
    Day& day = DayOf(state);
    bool found = false;
    for (auto _ : state) {
        state.PauseTiming();
        day.variant = day.pristine;
        day.startGroup(day.largestGroup());
        state.ResumeTiming();
        found = day.runToFirstComplete();
    }
    state.counters["complete"] = found ? 1 : 0;
    state.SetLabel(Label(state));
}
BENCHMARK(BM_OptimiseLargestGroup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole day: every group in turn, each to its first complete variant on the
// result of the one before.
void BM_OptimiseWholeDay(benchmark::State& state) {
    Day& day = DayOf(state);
    int complete = 0;
    for (auto _ : state) {
        state.PauseTiming();
        day.variant = day.pristine;
        state.ResumeTiming();
        complete = 0;
        for (int g : day.groups()) {
            day.startGroup(g);
            complete += day.runToFirstComplete() ? 1 : 0;
        }
    }
    state.counters["groups"] = static_cast<double>(day.groups().size());
    state.counters["complete"] = complete;
    state.SetLabel(Label(state));
}
BENCHMARK(BM_OptimiseWholeDay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
