#include <nlohmann/json.hpp>

#include <array>

#include "CliCommand.h"
#include "CliSupport.h"
#include "VariantCliSupport.h"
#include "WeekMeasureJson.h"
#include "core/common/MessageFormat.h"
#include "core/common/StringTable.h"

namespace lovaris::cli {
namespace {

using json = nlohmann::ordered_json;

constexpr std::array<CliOption, 2> kOptions = {CliOption{"--day", true}, CliOption{"--json", false}};

// The names a slot stands for, per subgroup of its lesson.
struct SubgroupNames {
    std::string subject;  // "------" when the subgroup has none
    std::string teacher;  // empty when none
    std::string room;     // the fictive room name, else the room of the slot, else empty
    int roomId = -1;
};

class SlotNames {
public:
    explicit SlotNames(const PlanningSession& session) : session_(session) {}

    std::vector<SubgroupNames> of(int klass, const LessonSlot& slot) const {
        std::vector<SubgroupNames> names;
        const auto& lesson = session_.klasses().at(klass).lesson(slot.lessonIndex);
        for (std::size_t k = 0; k < lesson.subgroups.size(); ++k) {
            const auto& sub = lesson.subgroups[k];
            SubgroupNames n;
            n.subject = sub.subject >= 0 ? session_.subjects().at(sub.subject).record.displayName()
                                         : LoadResText(TextId::NotSetLong);
            if (sub.teacher >= 0) n.teacher = session_.teachers().at(sub.teacher).displayName();
            const int room = k < slot.rooms.size() && slot.rooms[k] != kNoRoom ? slot.rooms[k] : -1;
            if (room >= 0) n.roomId = session_.rooms().at(room).id;
            n.room = !sub.fictiveRoom.empty() ? sub.fictiveRoom
                     : room >= 0             ? session_.rooms().at(room).displayName()
                                             : std::string();
            names.push_back(std::move(n));
        }
        return names;
    }
    std::int32_t lessonId(int klass, const LessonSlot& slot) const {
        return session_.klasses().at(klass).lesson(slot.lessonIndex).id;
    }

private:
    const PlanningSession& session_;
};

std::string hourLine(int number, std::int32_t lessonId, const std::vector<SubgroupNames>& subgroups) {
    std::string line = std::to_string(number) + "  #" + std::to_string(lessonId) + " ";
    for (std::size_t k = 0; k < subgroups.size(); ++k) {
        const auto& s = subgroups[k];
        if (k > 0) line += " | ";
        line += (IsSeparatedLessonId(lessonId) ? "*" : "") + s.subject;
        std::string details = s.teacher;
        if (!s.room.empty()) details += (details.empty() ? "" : ", ") + s.room;
        if (!details.empty()) line += " (" + details + ")";
    }
    return line;
}

json hourJson(int number, const LessonSlot& slot, std::int32_t lessonId, const std::vector<SubgroupNames>& subgroups) {
    json hour{{"number", number},
              {"lessonId", lessonId},
              {"separated", IsSeparatedLessonId(lessonId)},
              {"position", slot.position},
              {"prevPosition", slot.prevPosition},
              {"subgroupMask", slot.subgroupMask},
              {"subgroups", json::array()}};
    for (const auto& s : subgroups) {
        hour["subgroups"].push_back({{"subject", s.subject},
                                     {"teacher", s.teacher.empty() ? json() : json(s.teacher)},
                                     {"room", s.room.empty() ? json() : json(s.room)},
                                     {"roomId", s.roomId < 0 ? json() : json(s.roomId)}});
    }
    return hour;
}

json optionsJson(const VariantOptions& o) {
    return {{"regime", o.regime},
            {"selectedDay", o.selectedDay},
            {"comment", o.comment},
            {"maxVariantsPerDay", o.maxVariantsPerDay},
            {"maxTeacherWindows", o.maxTeacherWindows},
            {"wishesMode", o.wishesMode},
            {"parallelWeight", o.parallelWeight},
            {"sanitaryWeight", o.sanitaryWeight},
            {"teacherBusyWeight", o.teacherBusyWeight},
            {"classCount", o.classCount},
            {"lessonsPerDay", o.lessonsPerDay}};
}

int runVariantShow(const CliArguments& args) {
    int firstDay = 1;
    int lastDay = kVariantDays;
    if (const auto day = args.options.find("--day"); day != args.options.end()) {
        if (day->second.size() != 1 || day->second[0] < '1' || day->second[0] > '6')
            return ReportFailure("lovaris-cli: --day takes a day 1..6 (Monday..Saturday)", kExitFailure);
        firstDay = lastDay = day->second[0] - '0';
    }
    PlanningProject project;
    LoadedVariant loaded;
    if (const int status = OpenPlanningVariant(args.plain[0], args.plain[1], project, loaded); status != kExitOk)
        return status;

    const TTableVarItem& v = loaded.variant;
    const SlotNames names(*project.session);
    const auto& klasses = project.session->klasses();
    json classes = json::array();
    std::string text = FileNameWithoutFolder(args.plain[1]) + ": " + std::to_string(v.classCount()) + " classes, " +
                       std::to_string(v.lessonsPerDay()) + " lessons a day, saved on day " +
                       std::to_string(loaded.options.startingDay()) + "\n";
    if (!loaded.options.comment.empty()) text += "Comment: " + loaded.options.comment + "\n";
    for (int c = 0; c < v.classCount(); ++c) {
        json days = json::array();
        text += "\n" + klasses.at(c).displayName() + "\n";
        for (int d = firstDay; d <= lastDay; ++d) {
            json layers = {{"day", d}, {"clean", json::array()}, {"draft", json::array()}};
            std::string dayText;
            for (const bool draft : {false, true}) {
                const char* label = draft ? "    draft  " : "    clean  ";
                for (int n = 1; n <= v.lessonsPerDay(); ++n) {
                    const LessonSlot slot = draft ? v.GetDraftSlot(c, d, n) : v.GetCleanSlot(c, d, n);
                    if (!slot.occupied()) continue;
                    const auto subgroups = names.of(c, slot);
                    const std::int32_t id = names.lessonId(c, slot);
                    layers[draft ? "draft" : "clean"].push_back(hourJson(n, slot, id, subgroups));
                    dayText += label + hourLine(n, id, subgroups) + "\n";
                    label = "           ";
                }
            }
            text += "  day " + std::to_string(d) + (dayText.empty() ? ": no lessons\n" : "\n" + dayText);
            days.push_back(std::move(layers));
        }
        classes.push_back({{"id", klasses.at(c).id}, {"name", klasses.at(c).displayName()}, {"days", days}});
    }
    if (!args.has("--json")) return WriteStdout(text);
    project.session->ApplyOptions(loaded.options);  // the measure reads the variant's wishes mode
    const json all = {{"variant", FileNameWithoutFolder(args.plain[1])},
                      {"project", FileNameWithoutFolder(args.plain[0])},
                      {"lessonsPerDay", v.lessonsPerDay()},
                      {"options", optionsJson(loaded.options)},
                      {"classes", classes},
                      {"measure", json(WeekMeasureJson(SummariseWeek(*project.session, v),
                                                       MeasureWeek(*project.session, v, loaded.options)))}};
    return WriteStdout(all.dump(2) + "\n");
}

}  // namespace

const CliCommand kVariantShowCommand{
    "variant-show", "PROJECT.tbl VARIANT.rsp [--day D] [--json]", "print a timetable variant class by class",
    "Opens the variant VARIANT.rsp with the project PROJECT.tbl and prints, for every\n"
    "class and day, the hours of the clean copy and of the draft: the lesson number,\n"
    "the lesson ID (a separated lesson has its parent's ID + 1000000 and a '*' before\n"
    "its subject), and per subgroup the subject, the teacher and the room.\n"
    "  --day D   only day D (1 Monday .. 6 Saturday)\n"
    "  --json    the same as JSON, with every field of each hour and the options,\n"
    "            and the week's measure as plan --json gives it (hours placed, class\n"
    "            gaps, teacher windows, uneven classes, free days, wishes, rooms, cost)\n",
    2, 2, nullptr, kOptions, runVariantShow};

}  // namespace lovaris::cli
