#include "OptimiseRun.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/common/MessageFormat.h"
#include "core/optimisation/OptimisationDayChecks.h"
#include "core/planning/VariantPlanning.h"
#include "core/workspace/OptimisationRun.h"

namespace lovaris::cli {
namespace {

using Clock = std::chrono::steady_clock;

std::string Milliseconds(Clock::duration d) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", std::chrono::duration<double, std::milli>(d).count());
    return text;
}

// One group's run, driven as the planning window drives it: "Продолжить" until
// enough complete variants were found, then "Прервать"; with automatic saving the
// run goes on and stops by itself.
struct GroupRun {
    bool complete = false;  // a complete variant is in the variant
    bool saveFailed = false;
    std::string message;    // the system's message when none was found or a save failed
    std::string report;
};

GroupRun RunGroup(VariantWorkspace& workspace, const OptimiseRequest& request) {
    auto& state = workspace.state();
    const auto& klasses = workspace.session().klasses();
    const auto started = Clock::now();
    OptimisationRun run(workspace, SliceLimit{});
    for (RunProgress progress = run.Resume(); progress.state != RunState::Ended; progress = run.Resume()) {
        if (progress.state != RunState::Waiting) continue;
        if (state.foundCount >= request.maxVariants)
            run.Abort();
        else
            run.Continue();
    }
    const auto total = Clock::now() - started;

    GroupRun result;
    const OptimisationFigures& figures = run.search().figures();
    std::string listed;
    for (std::size_t k = 0; k < figures.variantsPerClass.size(); ++k) {
        const int count = figures.variantsPerClass[k];
        if (count == 0) continue;
        listed += (listed.empty() ? "" : ", ") + klasses.at(static_cast<int>(k)).displayName() + " " +
                  (count < 0 ? std::string("none") : std::to_string(count));
    }
    result.report += "  day variants per class: " + (listed.empty() ? std::string("nothing to place") : listed) + "\n";
    result.report += "  complete variants found: " + std::to_string(state.foundCount) + "\n";
    for (const std::string& file : run.savedFiles()) result.report += "  saved: " + FileNameWithoutFolder(file) + "\n";
    result.complete = state.foundCount > 0;
    result.report += "  windows of the group's teachers: " + std::to_string(workspace.planning().GroupWindowsTotal()) +
                     (result.complete ? "\n" : " (best incomplete arrangement)\n");
    result.message = run.endMessage();
    result.saveFailed = run.saveFailed();
    const auto search = total - figures.enumeration - figures.compatibility;
    result.report += "  time: enumeration " + Milliseconds(figures.enumeration) + ", compatibility " +
                     Milliseconds(figures.compatibility) + ", search " + Milliseconds(search) + "\n";
    return result;
}

std::string GroupTitle(const PlanningSession& session, int group) {
    std::string names;
    for (int t : session.teachers().groups.row(group))
        names += (names.empty() ? "" : ", ") + session.teachers().at(t).displayName();
    return "Group " + std::to_string(group) + ": " + names + "\n";
}

}  // namespace

int RunOptimise(VariantWorkspace& workspace, const OptimiseRequest& request, const std::string& outPath) {
    PlanningSession& session = workspace.session();
    if (!session.PlansVariant(workspace.variant()))
        return ReportFailure("lovaris-cli: the variant does not fit the project's classes and lessons", kExitRefused);
    auto& state = session.state();
    state.currentDay = request.day;
    state.findBestVariant = request.findBest;
    state.considerAttachedRooms = request.attachedRooms;
    state.considerSeparatedHours = request.separatedHours;
    state.autoSaveVariants = request.autoSave;
    // Variants saved during the run go beside the output.
    workspace.AssignFileName(outPath);

    VariantPlanning& planning = workspace.planning();
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
        session.AcceptPreparation(planning, workspace.options().maxTeacherWindows);
        AnswerEveryQuestionNo answers;
        CheckDayForOptimisation(session, planning, g, answers);
        report += GroupTitle(session, g);
        for (const auto& question : answers.asked) report += "  " + question + " Нет\n";
        const GroupRun run = RunGroup(workspace, request);
        report += run.report;
        if (run.saveFailed) {
            if (const int status = WriteStdout(report); status != kExitOk) return status;
            return ReportFailure(run.message, kExitFailure);
        }
        if (!run.complete) {
            if (const int status = WriteStdout(report); status != kExitOk) return status;
            if (const int status = SaveWorkspaceVariant(outPath, workspace); status != kExitOk) return status;
            return ReportFailure(run.message, kExitNoResult);
        }
    }
    if (const int status = WriteStdout(report); status != kExitOk) return status;
    return SaveWorkspaceVariant(outPath, workspace);
}

}  // namespace lovaris::cli
