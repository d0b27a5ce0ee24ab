// lovaris-cli variant-options: a variant's options changed as the options dialog
// changes them, its messages on stderr when a field is refused.
#include <array>
#include <charconv>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/workspace/VariantOptionsForm.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 7> kOptions = {
    CliOption{"--comment", true}, CliOption{"--max-variants", true}, CliOption{"--max-windows", true},
    CliOption{"--wishes", true},  CliOption{"--weights", true},      CliOption{"-o", true},
    CliOption{"--output", true}};

// "30,30,40": three whole numbers; the spin edits keep them within 0..100.
bool ParseWeights(std::string_view text, VariantOptionsEntry& entry) {
    std::array<int*, 3> fields = {&entry.parallelWeight, &entry.sanitaryWeight, &entry.teacherBusyWeight};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto comma = text.find(',');
        if ((comma == std::string_view::npos) != (i + 1 == fields.size())) return false;
        const std::string_view number = text.substr(0, comma);
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), *fields[i]);
        if (error != std::errc() || end != number.data() + number.size()) return false;
        if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
    }
    return true;
}

std::string Summary(const VariantOptions& o) {
    return "comment: " + o.comment + "\n" + "max variants per day: " + std::to_string(o.maxVariantsPerDay) + "\n" +
           "max windows per teacher: " + std::to_string(o.maxTeacherWindows) + "\n" + "wishes: " +
           std::to_string(o.wishesMode) + " " + WishesModeEntries()[static_cast<std::size_t>(o.wishesMode - 1)] +
           "\n" + "weights: " + std::to_string(o.parallelWeight) + ", " + std::to_string(o.sanitaryWeight) + ", " +
           std::to_string(o.teacherBusyWeight) + "\n";
}

int runVariantOptions(const CliArguments& args) {
    const std::string* out = args.output();
    if (!out) return ReportFailure("lovaris-cli: -o OUT.rsp is needed", kExitFailure);

    PlanningWorkspace opened;
    if (const int status = OpenPlanningWorkspace(args.plain[1], args.plain[0], opened); status != kExitOk)
        return status;
    VariantWorkspace& workspace = *opened.workspace;

    // The fields as the dialog shows them; an option not given leaves its field as
    // it is, and an empty comment stays empty.
    VariantOptionsEntry entry = workspace.OptionsEntry();
    entry.comment = workspace.options().comment;
    if (const auto it = args.options.find("--comment"); it != args.options.end()) entry.comment = it->second;
    if (const auto it = args.options.find("--max-variants"); it != args.options.end()) entry.maxVariants = it->second;
    if (const auto it = args.options.find("--max-windows"); it != args.options.end()) entry.maxWindows = it->second;
    if (const auto wishes = NumberOption(args, "--wishes", 1, 4)) {
        if (*wishes < 1) return ReportFailure("lovaris-cli: --wishes takes a mode 1..4", kExitFailure);
        entry.wishesIndex = static_cast<int>(*wishes) - 1;
    }
    if (const auto it = args.options.find("--weights"); it != args.options.end() && !ParseWeights(it->second, entry))
        return ReportFailure("lovaris-cli: --weights takes three whole numbers A,B,C", kExitFailure);

    if (const auto refused = workspace.ConfirmOptions(entry)) return ReportFailure(*refused, kExitRefused);
    if (const int status = WriteStdout(Summary(workspace.options())); status != kExitOk) return status;
    return SaveWorkspaceVariant(*out, workspace);
}

}  // namespace

const CliCommand kVariantOptionsCommand{
    "variant-options",
    "IN.rsp PROJECT.tbl [--comment T] [--max-variants N] [--max-windows N] [--wishes M] "
    "[--weights A,B,C] -o OUT.rsp",
    "change a variant's options as the options dialog does",
    "Opens the variant IN.rsp with the project PROJECT.tbl, changes the options given\n"
    "as the options dialog (\"Опции\") does when it is confirmed, and writes OUT.rsp.\n"
    "Options not given keep their values. The variant's timetable is not changed.\n"
    "  --comment T       the variant's description: line breaks become spaces, at most\n"
    "                    80 characters are kept\n"
    "  --max-variants N  how many variants automatic saving keeps per day\n"
    "  --max-windows N   the windows per teacher the optimisation offers at least\n"
    "                    (both whole numbers: a negative one stores 0, a larger one\n"
    "                    than 65535 stores 65535)\n"
    "  --wishes M        the teachers' wishes honoured: 1 every wish, 2 medium and high\n"
    "                    priority, 3 high priority only, 4 none\n"
    "  --weights A,B,C   the weights of parallels, sanitary norms and teacher load,\n"
    "                    each kept within 0..100\n"
    "  -o, --output OUT  the variant written, safely (a temporary file renamed over it)\n"
    "Printed: the options as stored. Exit status 2 when a count is no whole number:\n"
    "the dialog's message on stderr, nothing stored and nothing written.\n",
    2, 2, nullptr, kOptions, runVariantOptions};

}  // namespace lovaris::cli
