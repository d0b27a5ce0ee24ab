#include "OptimiseRun.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/MessageFormat.h"
#include "core/optimisation/Optimisation.h"
#include "core/optimisation/OptimisationDayChecks.h"
#include "core/planning/VariantPlanning.h"

namespace lovaris::cli {
namespace {

using Clock = std::chrono::steady_clock;

std::string Milliseconds(Clock::duration d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", std::chrono::duration<double, std::milli>(d).count());
    return text;
}

// One group's run: the events of the search, answered as the planning window answers
// them with automatic continuing.
struct GroupRun {
    bool complete = false;  // a complete variant is in the variant
    std::string message;    // the system's message when none was found
    std::string report;
};

GroupRun RunGroup(PlanningSession& session, VariantPlanning& planning, const OptimiseRequest& request) {
    auto& state = session.state();
    const auto& klasses = session.klasses();
    state.foundCount = 0;
    state.abortRequested = false;
    state.waitingForContinue = false;
    state.pendingVariantFile.clear();
    state.runInProgress = true;

    UninterruptedRun control;
    Optimisation optimisation(session.klasses(), planning, control);
    std::optional<TTableVarItem> kept;  // the last complete variant handed over
    int keptWindows = 0;
    const auto started = Clock::now();
    for (OptimisationEvent event = optimisation.next(); event != OptimisationEvent::End; event = optimisation.next()) {
        if (event != OptimisationEvent::CompleteVariant) continue;
        kept = planning.variant();
        keptWindows = planning.GroupWindowsTotal();
        if (state.foundCount >= request.maxVariants) state.abortRequested = true;
    }
    const auto total = Clock::now() - started;
    state.runInProgress = false;

    GroupRun run;
    const OptimisationFigures& figures = optimisation.figures();
    std::string listed;
    for (std::size_t k = 0; k < figures.variantsPerClass.size(); ++k) {
        const int count = figures.variantsPerClass[k];
        if (count == 0) continue;
        listed += (listed.empty() ? "" : ", ") + klasses.at(static_cast<int>(k)).displayName() + " " +
                  (count < 0 ? std::string("none") : std::to_string(count));
    }
    run.report += "  day variants per class: " + (listed.empty() ? std::string("nothing to place") : listed) + "\n";
    run.report += "  complete variants found: " + std::to_string(state.foundCount) + "\n";
    if (kept) {
        planning.variant() = *kept;
        run.complete = true;
        run.report += "  windows of the group's teachers: " + std::to_string(keptWindows) + "\n";
    } else {
        run.report += "  windows of the group's teachers: " + std::to_string(planning.GroupWindowsTotal()) +
                      " (best incomplete arrangement)\n";
        const OptimisationOutcome& outcome = optimisation.outcome();
        if (outcome.message)
            run.message = *outcome.message == TextId::NoVariantsForClass
                              ? FormatMessage(*outcome.message, outcome.klassName)
                              : LoadResText(*outcome.message);
    }
    const auto search = total - figures.enumeration - figures.compatibility;
    run.report += "  time: enumeration " + Milliseconds(figures.enumeration) + ", compatibility " +
                  Milliseconds(figures.compatibility) + ", search " + Milliseconds(search) + "\n";
    return run;
}

std::string GroupTitle(const PlanningSession& session, int group) {
    std::string names;
    for (int t : session.teachers().groups.row(group))
        names += (names.empty() ? "" : ", ") + session.teachers().at(t).displayName();
    return "Group " + std::to_string(group) + ": " + names + "\n";
}

}  // namespace

int RunOptimise(PlanningSession& session, LoadedVariant& loaded, const OptimiseRequest& request,
                const std::string& outPath) {
    if (!session.PlansVariant(loaded.variant))
        return ReportFailure("lovaris-cli: the variant does not fit the project's classes and lessons", kExitRefused);
    auto& state = session.state();
    state.currentDay = request.day;
    state.findBestVariant = request.findBest;
    state.considerAttachedRooms = request.attachedRooms;
    state.considerSeparatedHours = request.separatedHours;
    state.autoSaveVariants = false;
    session.ApplyOptions(loaded.options);
    loaded.options.selectedDay = static_cast<std::uint8_t>(request.day);

    VariantPlanning planning(loaded.variant, session);
    session.SetupDay(planning);  // with the day's teacher groups

    std::vector<int> groups;
    const auto& rows = session.teachers().groups;
    if (request.group) {
        if (*request.group >= session.teachers().count())
            return ReportFailure("lovaris-cli: --group takes a group 0.." +
                                     std::to_string(session.teachers().count() - 1),
                                 kExitFailure);
        groups.push_back(*request.group);
    } else {
        for (int g = 0; g < rows.rowCount(); ++g)
            if (!rows.row(g).empty()) groups.push_back(g);
        if (groups.empty()) groups.push_back(0);  // refused below as an empty group
    }
    // Whatever refuses the day refuses it before anything is changed.
    for (int g : groups) {
        AnswerEveryQuestionNo silent;
        const DayCheckOutcome check = CheckDayForOptimisation(session, planning, g, silent);
        if (check.kind == DayCheckOutcome::Kind::Refused) return ReportFailure(check.message, kExitNoResult);
    }

    std::string report;
    for (int g : groups) {
        state.selectedGroup = g;
        session.PrepareDayData(planning, true);
        session.AcceptPreparation(planning, loaded.options.maxTeacherWindows);
        AnswerEveryQuestionNo answers;
        CheckDayForOptimisation(session, planning, g, answers);
        report += GroupTitle(session, g);
        for (const auto& question : answers.asked) report += "  " + question + " Нет\n";
        const GroupRun run = RunGroup(session, planning, request);
        report += run.report;
        if (!run.complete) {
            if (const int status = WriteStdout(report); status != kExitOk) return status;
            if (const int status = SaveVariant(outPath, loaded); status != kExitOk) return status;
            return ReportFailure(run.message, kExitNoResult);
        }
    }
    if (const int status = WriteStdout(report); status != kExitOk) return status;
    return SaveVariant(outPath, loaded);
}

}  // namespace lovaris::cli
