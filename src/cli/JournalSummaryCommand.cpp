#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "JournalCliSupport.h"
#include "core/common/JournalTexts.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 3> kOptions = {CliOption{"--from", true}, CliOption{"--to", true},
                                               CliOption{"--json", false}};

int runJournalSummary(const CliArguments& args) {
    int status = kExitOk;
    const auto from = DateOption(args, "--from", status);
    if (!from) return status;
    const auto to = DateOption(args, "--to", status);
    if (!to) return status;
    auto archive = SubstitutionArchive::Open(args.plain[0]);
    if (!archive) return ReportFailure(LoadResText(JournalText::ArchiveOpenError), kExitRefused);
    return PrintSummary(SummarisePeriod(*archive, *from, *to), args.has("--json"));
}

}  // namespace

const CliCommand kJournalSummaryCommand{
    "journal-summary", "ARCHIVE --from D --to D [--json]", "absences and substitutions per teacher",
    "Counts, over the saved days from --from to --to, each teacher's absences and\n"
    "substitutions, in the junior classes (\"1 - 3 кл.\") and the others (\"5 - 11 кл.\"),\n"
    "substitutions of another subgroup of the same lesson apart (\" (гр.)\"). An end\n"
    "before the start is taken as the start.\n",
    1, 1, nullptr, kOptions, runJournalSummary};

}  // namespace lovaris::cli
