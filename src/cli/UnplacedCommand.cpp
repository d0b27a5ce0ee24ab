// lovaris-cli unplaced: the rows of the details window's page "Нерасставленные уроки".
#include <array>

#include <nlohmann/json.hpp>

#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/manual/UnplacedLessons.h"

namespace lovaris::cli {
namespace {

constexpr std::array<CliOption, 1> kOptions = {CliOption{"--json", false}};

int runUnplaced(const CliArguments& args) {
    PlanningWorkspace opened;
    if (const int status = OpenPlanningWorkspace(args.plain[0], args.plain[1], opened); status != kExitOk)
        return status;
    VariantWorkspace& workspace = *opened.workspace;
    const PlanningSession& session = workspace.session();
    const ViewContext ctx{session, workspace.planning(), workspace.options()};
    nlohmann::ordered_json json = {{"classes", nlohmann::ordered_json::array()},
                                   {"teachers", nlohmann::ordered_json::array()}};
    std::string text;
    const auto add = [&](const char* side, const std::string& name, const std::vector<UnplacedRow>& rows) {
        if (rows.empty()) return;
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        text += "[" + name + "]\n";
        for (const UnplacedRow& row : rows) {
            text += "  " + row.title + " | " + row.sizes + "\n";
            list.push_back({{"title", row.title}, {"sizes", row.sizes}});
        }
        json[side].push_back({{"name", name}, {"rows", std::move(list)}});
    };
    for (int k = 0; k < session.klasses().count(); ++k)
        add("classes", session.klasses().at(k).displayName(), UnplacedKlassRows(ctx, k));
    for (int t = 0; t < session.teachers().count(); ++t)
        add("teachers", session.teachers().at(t).displayName(), UnplacedTeacherRows(ctx, t));
    if (text.empty()) text = "every lesson's blocks stand on a day\n";
    return WriteStdout(args.has("--json") ? json.dump(2) + "\n" : text);
}

}  // namespace

const CliCommand kUnplacedCommand{
    "unplaced", "PROJECT.tbl VARIANT.rsp [--json]", "list the lessons with blocks on no day",
    "Prints, for every class and then every teacher that has any, the rows of the\n"
    "details window's page \"Нерасставленные уроки\": the lesson (a teacher's with its\n"
    "classes) and the sizes of the blocks of its hour spread that stand on no day.\n"
    "  --json          the same as JSON\n",
    2, 2, nullptr, kOptions, runUnplaced};

}  // namespace lovaris::cli
