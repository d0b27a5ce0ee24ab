#include "ManualCliSupport.h"

#include "CliSupport.h"

#include <string>

namespace lovaris::cli {

int UsageFailure(std::string_view command, std::string_view problem) {
    return ReportFailure("lovaris-cli: " + std::string(command) + ": " + std::string(problem), kExitFailure);
}

int ReportRefusal(std::string_view reason) { return ReportFailure(reason, kExitNoResult); }

int NumberArg(std::string_view command, const CliArguments& args, std::string_view name, int least, int most,
              int& value) {
    const auto number = NumberOption(args, name, least, most);
    if (!number)
        return UsageFailure(command, std::string(name) + " N is required");
    if (*number < least)
        return UsageFailure(command, std::string(name) + " takes a whole number " + std::to_string(least) + ".." +
                                         std::to_string(most));
    value = static_cast<int>(*number);
    return kExitOk;
}

int KlassIndexByName(const PlanningSession& session, std::string_view name) {
    for (int k = 0; k < session.klasses().count(); ++k)
        if (session.klasses().at(k).displayName() == name) return k;
    return -1;
}

int TeacherIndexByName(const PlanningSession& session, std::string_view name) {
    for (int t = 0; t < session.teachers().count(); ++t)
        if (session.teachers().at(t).displayName() == name) return t;
    return -1;
}

int OpenManualSession(std::string_view command, const CliArguments& args, ManualSession& session) {
    int day = 0;
    if (const int status = NumberArg(command, args, "--day", 1, 6, day); status != kExitOk) return status;
    if (const int status = OpenPlanningWorkspace(args.plain[0], args.plain[1], session.opened); status != kExitOk)
        return status;
    session.workspace().SelectDay(day);
    session.manual.emplace(session.workspace());
    return kExitOk;
}

int ManualCellFromArgs(std::string_view command, const CliArguments& args, ManualSession& session,
                       std::string_view numberOption, bool klassOnly, ManualCell& cell) {
    const auto klass = args.options.find("--class");
    const auto teacher = args.options.find("--teacher");
    if (klassOnly && klass == args.options.end()) return UsageFailure(command, "--class NAME is required");
    if ((klass != args.options.end()) == (teacher != args.options.end()))
        return UsageFailure(command, "give either --class NAME or --teacher NAME");
    const PlanningSession& planning = session.workspace().session();
    cell.side = klass != args.options.end() ? ManualSide::Klass : ManualSide::Teacher;
    cell.entity = cell.side == ManualSide::Klass ? KlassIndexByName(planning, klass->second)
                                                 : TeacherIndexByName(planning, teacher->second);
    if (cell.entity < 0)
        return UsageFailure(command, (cell.side == ManualSide::Klass ? "no class named " : "no teacher named ") +
                                         (cell.side == ManualSide::Klass ? klass->second : teacher->second));
    cell.draft = args.has("--draft");
    cell.day = session.workspace().currentDay();
    return NumberArg(command, args, numberOption, 1, planning.params().lessonsPerDay, cell.number);
}

int OpenManualCell(std::string_view command, const CliArguments& args, ManualSession& session,
                   std::string_view numberOption, bool klassOnly, ManualCell& cell) {
    if (const int status = OpenManualSession(command, args, session); status != kExitOk) return status;
    return ManualCellFromArgs(command, args, session, numberOption, klassOnly, cell);
}

int OpenRoomPopupAt(std::string_view command, const CliArguments& args, ManualSession& session, ManualCell& cell,
                    RoomPopup& popup) {
    if (const int status = OpenManualCell(command, args, session, "--at", true, cell); status != kExitOk)
        return status;
    const auto block = session.manual->RoomBlockAt(cell);
    if (block) popup = session.manual->OpenRoomPopup(*block);
    if (!popup.shown())
        return ReportRefusal(VerdictText(ManualVerdict::Refused(ManualRule::NoLesson), session.workspace().session()));
    return kExitOk;
}

int RequireOutput(std::string_view command, const CliArguments& args) {
    const std::string* out = args.output();
    return out && !out->empty() ? kExitOk : UsageFailure(command, "-o OUT.rsp is required");
}

int SaveManualResult(ManualSession& session, const CliArguments& args, const std::string& summary) {
    const std::string* out = args.output();
    if (const int status = SaveWorkspaceVariant(*out, session.workspace()); status != kExitOk) return status;
    return WriteStdout(summary);
}

int RunManualMenuCommand(std::string_view name, const CliArguments& args, bool toDraft) {
    if (const int status = RequireOutput(name, args); status != kExitOk) return status;
    ManualSession session;
    ManualCell cell;
    if (const int status = OpenManualCell(name, args, session, "--at", false, cell); status != kExitOk)
        return status;
    if (toDraft && cell.draft) return UsageFailure(name, "a lesson of the draft is in the draft already");
    const ManualOutcome outcome = toDraft ? session.manual->ToDraft(cell) : session.manual->TakeOff(cell);
    if (!outcome.done()) return ReportRefusal(outcome.message);
    return SaveManualResult(session, args,
                            std::string(toDraft ? "moved to the draft" : "taken off the day") +
                                (outcome.manyKlasses ? ", with its linked lessons\n" : "\n"));
}

}  // namespace lovaris::cli
