#pragma once
// What the manual planning commands share: the variant opened as the planning window
// opens it, on the day given; the class or teacher named on the command line; the
// place given; and a refusal told in the system's words with exit status 3.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "CliCommand.h"
#include "VariantCliSupport.h"
#include "core/manual/ManualPlacement.h"

namespace lovaris::cli {

// The options every manual command takes: --day, --class, --teacher.
inline constexpr CliOption kDayOption{"--day", true};
inline constexpr CliOption kClassOption{"--class", true};
inline constexpr CliOption kTeacherOption{"--teacher", true};

// The options of to-draft and take-off.
inline constexpr std::array<CliOption, 6> kManualMenuOptions = {
    kDayOption, kClassOption, kTeacherOption, CliOption{"--at", true}, CliOption{"--draft", false},
    CliOption{"-o", true}};

struct ManualSession {
    PlanningWorkspace opened;
    std::optional<ManualPlacement> manual;

    VariantWorkspace& workspace() { return *opened.workspace; }
};

// Opens PROJECT.tbl and VARIANT.rsp (the two plain arguments) on the day of --day;
// the first failure's status (usage: kExitFailure with `command` in the message).
int OpenManualSession(std::string_view command, const CliArguments& args, ManualSession& session);
// The grid cell named by --class NAME or --teacher NAME (exactly one of them, or
// --class only when `klassOnly`), the number given with `numberOption` and the
// --draft flag; kExitFailure with the message when they are missing or wrong.
int ManualCellFromArgs(std::string_view command, const CliArguments& args, ManualSession& session,
                       std::string_view numberOption, bool klassOnly, ManualCell& cell);
// Both of the above: the session opened, then the cell read.
int OpenManualCell(std::string_view command, const CliArguments& args, ManualSession& session,
                   std::string_view numberOption, bool klassOnly, ManualCell& cell);
// The room popup of "Назначить кабинет" for the block the cell holds, opened for the
// class cell the arguments name; refused, with the reason, where no lesson stands.
int OpenRoomPopupAt(std::string_view command, const CliArguments& args, ManualSession& session, ManualCell& cell,
                    RoomPopup& popup);
// A whole number option within least..most; kExitFailure with the message otherwise.
int NumberArg(std::string_view command, const CliArguments& args, std::string_view name, int least, int most,
              int& value);
// The refusal's reason on stderr, kExitNoResult.
int ReportRefusal(std::string_view reason);
int UsageFailure(std::string_view command, std::string_view problem);
// kExitFailure with the message when -o OUT.rsp is missing.
int RequireOutput(std::string_view command, const CliArguments& args);
// Saves the changed variant to -o OUT.rsp and prints `summary` on stdout.
int SaveManualResult(ManualSession& session, const CliArguments& args, const std::string& summary);
// "Перенести в черновик" (`toDraft`) or "Снять урок" on the cell the arguments name,
// the result saved.
int RunManualMenuCommand(std::string_view name, const CliArguments& args, bool toDraft);
// A class or teacher index by its name; -1 none.
int KlassIndexByName(const PlanningSession& session, std::string_view name);
int TeacherIndexByName(const PlanningSession& session, std::string_view name);

}  // namespace lovaris::cli
