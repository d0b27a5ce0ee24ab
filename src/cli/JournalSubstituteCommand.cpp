#include <algorithm>
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "JournalCliSupport.h"
#include "core/common/TextCompare.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 3> kOptions = {CliOption{"--date", true}, CliOption{"--row", true},
                                               CliOption{"--teacher", true}};

int runJournalSubstitute(const CliArguments& args) {
    if (!args.has("--teacher")) return ReportFailure("lovaris-cli: --teacher is required", kExitFailure);
    JournalCli journal;
    int row = 0;
    std::vector<SubstituteCandidate> candidates;
    if (const int status = OpenCandidates(args, journal, row, candidates); status != kExitOk) return status;
    const std::string& name = args.options.at("--teacher");
    const auto chosen = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const SubstituteCandidate& c) { return ListTextEqual(c.name, name); });
    if (chosen == candidates.end())
        return ReportFailure("lovaris-cli: '" + name + "' is not among the candidates for this lesson", kExitRefused);
    journal.day->SetSubstitute(row, *chosen);
    return FinishChange(journal);
}

}  // namespace

const CliCommand kJournalSubstituteCommand{
    "journal-substitute", "ARCHIVE PROJECT.tbl VARIANT.rsp --date D --row R --teacher NAME",
    "set who substitutes a row's lesson",
    "Sets the substitute of row R (from 1) of the day to the teacher NAME, who must be\n"
    "among the candidates journal-candidates lists. Prints the day.\n",
    3, 3, nullptr, kOptions, runJournalSubstitute};

}  // namespace lovaris::cli
