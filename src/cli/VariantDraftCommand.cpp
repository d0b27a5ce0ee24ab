// lovaris-cli variant-draft: a day's draft filled from the curriculum, so that the
// day can be optimised.
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/planning/DayDraftFill.h"
#include "core/planning/VariantPlanning.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 3> kOptions = {CliOption{"--day", true}, CliOption{"-o", true},
                                               CliOption{"--output", true}};

int runVariantDraft(const CliArguments& args) {
    const auto day = args.options.find("--day");
    if (day == args.options.end() || day->second.size() != 1 || day->second[0] < '1' || day->second[0] > '6')
        return ReportFailure("lovaris-cli: --day takes a day 1..6 (Monday..Saturday)", kExitFailure);
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: -o OUT.rsp is needed", kExitFailure);

    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenVariantOnDay(args.plain[0], args.plain[1], day->second[0] - '0', project, loaded);
        status != kExitOk)
        return status;
    PlanningSession& session = *project.session;
    VariantPlanning planning(loaded.variant, session);
    const int blocks = FillDayDraft(session, planning, session.state().currentDay);
    loaded.options.selectedDay = static_cast<std::uint8_t>(session.state().currentDay);
    if (const int status = WriteStdout(std::to_string(blocks) + " lesson blocks put into the draft of day " +
                                       day->second + "\n");
        status != kExitOk)
        return status;
    return SaveVariant(*out, loaded);
}

}  // namespace

const CliCommand kVariantDraftCommand{
    "variant-draft", "PROJECT.tbl VARIANT.rsp --day D -o OUT.rsp", "fill a day's draft from the curriculum",
    "Writes OUT.rsp: the variant VARIANT.rsp with the draft of day D filled. Every\n"
    "lesson that has no hour on day D yet gets one block of the first entry of its hour\n"
    "spread that the other days leave free, in the draft of its class and of every\n"
    "class linked to it, as long as each of those classes and each of their teachers\n"
    "still has room for those hours on day D (closed hours counted). Classes and\n"
    "lessons are taken in order. VARIANT.rsp is not changed.\n"
    "  --day D           the day, 1 Monday .. 6 Saturday\n"
    "  -o, --output OUT  the variant written, safely (a temporary file renamed over it)\n",
    2, 2, nullptr, kOptions, runVariantDraft};

}  // namespace lovaris::cli
