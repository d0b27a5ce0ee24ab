// lovaris-cli variant-view: what one timetable view of the planning window shows for
// a day, cell by cell, as the window's grid is handed it.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "core/planning/VariantPlanning.h"
#include "core/views/ViewCell.h"

namespace lovaris::cli {
namespace {

using json = nlohmann::ordered_json;

constexpr std::array<CliOption, 4> kOptions = {CliOption{"--day", true}, CliOption{"--view", true},
                                               CliOption{"--horizontal", false}, CliOption{"--json", false}};

struct ViewName {
    std::string_view name;
    ViewKind kind;
};
constexpr std::array<ViewName, 5> kViews = {ViewName{"classes", ViewKind::Klasses},
                                            ViewName{"teachers", ViewKind::Teachers},
                                            ViewName{"class-draft", ViewKind::KlassesDraft},
                                            ViewName{"teacher-draft", ViewKind::TeachersDraft},
                                            ViewName{"rooms", ViewKind::Rooms}};

std::vector<int> Parts(const std::array<std::int16_t, THourElementRecord::kMaxParts>& parts, int count) {
    return std::vector<int>(parts.begin(), parts.begin() + count);
}

std::string Joined(const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += (text.empty() ? "" : "/") + std::to_string(v);
    return text;
}

// Texts by sub-column, each column's by sub-row.
std::vector<std::vector<std::string>> Texts(const THourElementRecord& cell) {
    std::vector<std::vector<std::string>> columns;
    for (int c = 1; c <= cell.subColumnCount(); ++c) {
        columns.emplace_back();
        for (int r = 1; r <= cell.subRowCount(); ++r) columns.back().push_back(cell.text(c, r));
    }
    return columns;
}

std::string CellLine(int col, int row, const THourElementRecord& cell) {
    std::string line = std::to_string(col) + "," + std::to_string(row) + " state " +
                       std::to_string(static_cast<int>(cell.state)) + " widths " +
                       Joined(Parts(cell.subColumnWidths, cell.subColumnCount())) + " heights " +
                       Joined(Parts(cell.subRowHeights, cell.subRowCount())) + ":";
    const auto columns = Texts(cell);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        line += c == 0 ? " " : " | ";
        for (std::size_t r = 0; r < columns[c].size(); ++r) line += (r == 0 ? "" : " / ") + json(columns[c][r]).dump();
    }
    return line + "\n";
}

json CellJson(const THourElementRecord& cell) {
    return {{"widths", Parts(cell.subColumnWidths, cell.subColumnCount())},
            {"heights", Parts(cell.subRowHeights, cell.subRowCount())},
            {"texts", Texts(cell)},
            {"state", static_cast<int>(cell.state)}};
}

int runVariantView(const CliArguments& args) {
    const auto day = NumberOption(args, "--day", 1, 6);
    if (!day || *day < 1) return ReportFailure("lovaris-cli: --day takes a day 1..6 (Monday..Saturday)", kExitFailure);
    const auto view = args.options.find("--view");
    const auto named = std::find_if(kViews.begin(), kViews.end(), [&](const ViewName& v) {
        return view != args.options.end() && v.name == view->second;
    });
    if (named == kViews.end())
        return ReportFailure("lovaris-cli: --view takes classes, teachers, class-draft, teacher-draft or rooms",
                             kExitFailure);
    const bool vertical = !args.has("--horizontal");

    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenVariantOnDay(args.plain[0], args.plain[1], static_cast<int>(*day), project, loaded);
        status != kExitOk)
        return status;
    // The day readied as the planning window readies it when it opens on a variant.
    PlanningSession& session = *project.session;
    VariantPlanning planning(loaded.variant, session);
    session.SetupDay(planning);
    const ViewContext ctx{session, planning, loaded.options};

    const ViewGridSize size = ViewGridSizeOf(session, named->kind, vertical);
    const int subRows = ViewSubRowCount(session.project());
    std::string text = std::string(named->name) + ", day " + std::to_string(*day) + ", " +
                       (vertical ? "vertical" : "horizontal") + ": " + std::to_string(size.columns) + " columns, " +
                       std::to_string(size.rows) + " rows, " + std::to_string(subRows) + " text lines a row\n";
    json rows = json::array();
    for (int row = 0; row < size.rows; ++row) {
        json cells = json::array();
        for (int col = 0; col < size.columns; ++col) {
            const THourElementRecord cell = ViewCell(ctx, named->kind, vertical, col, row);
            text += CellLine(col, row, cell);
            cells.push_back(CellJson(cell));
        }
        rows.push_back(std::move(cells));
    }
    if (!args.has("--json")) return WriteStdout(text);
    const json all = {{"view", named->name},     {"day", session.state().currentDay}, {"vertical", vertical},
                      {"columns", size.columns}, {"rows", size.rows},                 {"subRows", subRows},
                      {"cells", rows}};
    return WriteStdout(all.dump(2) + "\n");
}

}  // namespace

const CliCommand kVariantViewCommand{
    "variant-view", "PROJECT.tbl VARIANT.rsp --day D --view V [--horizontal] [--json]",
    "print what a view of the planning window shows for a day",
    "Opens the variant VARIANT.rsp with the project PROJECT.tbl and prints what the view V\n"
    "of the planning window shows for day D, every cell as the window's grid gets it.\n"
    "Vertical (the default) has a row per class, teacher or room and a column per\n"
    "lesson number; --horizontal the transpose. Row and column 0 are the headers.\n"
    "A first line gives the grid's size, then one line per cell: its column and row,\n"
    "its state (0 plain, 1 yellow, 2 red background, 3 green, 4 maroon text), the\n"
    "widths of its sub-columns and heights of its sub-rows in percent, and its texts\n"
    "in double quotes, sub-columns split by '|' and sub-rows by '/'. \"GCS\" fills a\n"
    "sub-cell grey.\n"
    "  --day D         the day, 1 Monday .. 6 Saturday\n"
    "  --view V        classes, teachers, class-draft, teacher-draft or rooms\n"
    "  --horizontal    lesson numbers down the rows\n"
    "  --json          an array of grid rows, each an array of cell objects with\n"
    "                  their widths, heights, texts (by sub-column, then sub-row) and state\n",
    2, 2, nullptr, kOptions, runVariantView};

}  // namespace lovaris::cli
