#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "TestProjects.h"
#include "core/data/ProjectFile.h"
#include "core/data/ProjectJson.h"

namespace lovaris {
namespace {

using Json = nlohmann::ordered_json;

// A project as loading its file gives it: the starting point of every round trip.
Project Loaded(const Project& project) {
    auto loaded = ParseProject(SerializeProject(project));
    EXPECT_TRUE(loaded.has_value());
    return loaded ? *loaded : Project{};
}

std::vector<std::uint8_t> BytesAfterJsonRoundTrip(const Project& loaded) {
    const std::string text = ProjectToJson(loaded).dump(2);
    const auto result = ProjectFromJson(Json::parse(text));
    EXPECT_TRUE(result.project.has_value()) << result.error;
    return result.project ? SerializeProject(*result.project) : std::vector<std::uint8_t>{};
}

// ---------------------------------------------------------------- round trip

struct StoredCase {
    const char* name;
    std::function<void(Project&)> change;
    // Exported member that only odd stored values call for ("" when none is expected).
    const char* rawMember;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }

class ProjectJsonRoundTrip : public ::testing::TestWithParam<StoredCase> {};

TEST_P(ProjectJsonRoundTrip, FileBytesSurviveExportAndImport) {
    Project project = test::MakeSmallProject();
    GetParam().change(project);
    const Project loaded = Loaded(project);
    EXPECT_EQ(BytesAfterJsonRoundTrip(loaded), SerializeProject(loaded));

    const std::string text = ProjectToJson(loaded).dump();
    for (const char* raw : {"hourEntries", "profileFlags", "shiftStartsRaw"}) {
        const bool expected = std::string(GetParam().rawMember) == raw;
        EXPECT_EQ(text.find('"' + std::string(raw) + '"') != std::string::npos, expected) << raw;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ProjectJsonRoundTrip,
    ::testing::Values(
        StoredCase{"SmallSchool", [](Project&) {}, ""},
        StoredCase{"EmptyProject", [](Project& p) { p = Project{}; }, ""},
        StoredCase{"EmptyNamesComeBackAsPlaceholders",
                   [](Project& p) {
                       p.rooms.at(0).name.clear();
                       p.subjects.at(0).name.clear();
                       p.klasses.at(0).name.clear();
                       p.teachers.at(0).name.clear();
                       p.lessons.at(0).subgroups[0].fictiveRoom.clear();
                   },
                   ""},
        StoredCase{"LongestTextsAndEveryCp1251Letter",
                   [](Project& p) {
                       // The description field holds one character more than the dialog allows.
                       p.params.description = std::string(81, 'x');
                       p.rooms.at(0).name = "Ёё№€‰«»—–\u0098 А-Яа-я";
                       p.teachers.at(0).name = std::string(127, 'T');
                       p.params.description.replace(0, 2, "\n\t");
                   },
                   ""},
        StoredCase{"TeacherWishesAndOddBusyValues",
                   [](Project& p) {
                       p.teachers.at(0).busy.set(4, 24, -1);
                       p.teachers.at(0).busy.set(5, 2, 2);
                       p.rooms.at(0).busy.set(2, 2, 200);
                   },
                   ""},
        StoredCase{"ProfileFlagsOtherThanZeroAndOne",
                   [](Project& p) {
                       p.klasses.at(0).profileFlags[0] = 2;
                       p.klasses.at(0).profileFlags[19] = 255;
                   },
                   "profileFlags"},
        StoredCase{"HourEntryBetweenTheTwoLists", [](Project& p) { p.lessons.at(0).hourEntries[10] = 3; },
                   "hourEntries"},
        StoredCase{"DecreasingSpread", [](Project& p) { p.lessons.at(0).hourEntries = {3, 1}; }, "hourEntries"},
        StoredCase{"NoZeroAmongTheHourEntries", [](Project& p) { p.lessons.at(0).hourEntries.fill(1); },
                   "hourEntries"},
        StoredCase{"SeparatedHoursWithoutSpread",
                   [](Project& p) {
                       p.lessons.at(0).hourEntries.fill(0);
                       p.lessons.at(0).hourEntries.back() = 4;
                   },
                   ""},
        StoredCase{"ShiftStartsWithEntriesAfterTheEnd", [](Project& p) { p.params.shiftStarts[7] = 9; },
                   "shiftStartsRaw"},
        StoredCase{"NoShiftStart", [](Project& p) { p.params.shiftStarts.fill(0); }, "shiftStartsRaw"},
        StoredCase{"DescendingShiftStarts", [](Project& p) { p.params.shiftStarts = {5, 1}; }, "shiftStartsRaw"},
        StoredCase{"OddParameterAndReferenceValues",
                   [](Project& p) {
                       p.params.classMinLessons = 0;
                       p.params.teacherMinLessons = 60000;
                       p.params.reservedWord = 7;
                       p.params.reservedFlag = 9;
                       p.params.windowStates = {-3, 2, 7, 0, 1};
                       p.klasses.at(0).stage = -4;
                       p.klasses.at(0).attachedRoom = -9;
                       p.teachers.at(0).freeDays = 40;
                       p.lessons.at(0).subgroups[0].links.push_back({7, -1});
                   },
                   ""},
        StoredCase{"NegativeIdsAndNextIdAboveEveryId",
                   [](Project& p) {
                       p.rooms.at(0).id = -5;
                       p.lessons.setNextId(1000);
                   },
                   ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectJson, RegressionFilesSurviveExportAndImport) {
    for (const auto& entry : std::filesystem::directory_iterator(LOVARIS_TEST_DATA_DIR "/regressions")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto loaded = ParseProject(bytes);
        if (!loaded) continue;
        EXPECT_EQ(BytesAfterJsonRoundTrip(*loaded), SerializeProject(*loaded)) << entry.path();
    }
}

// ---------------------------------------------------------------- nextId

TEST(ProjectJson, NextIdDefaultsAboveTheHighestIdAndIsNeverLower) {
    Json doc = ProjectToJson(Loaded(test::MakeSmallProject()));  // room IDs 0 and 2
    doc["rooms"].erase("nextId");
    doc["subjects"]["nextId"] = 0;  // below the IDs 0 and 1
    doc["lessons"]["nextId"] = 500;
    doc["classes"]["items"] = Json::array();
    doc["classes"].erase("nextId");
    const auto result = ProjectFromJson(doc);
    ASSERT_TRUE(result.project) << result.error;
    EXPECT_EQ(result.project->rooms.nextId(), 3);
    EXPECT_EQ(result.project->subjects.nextId(), 2);
    EXPECT_EQ(result.project->lessons.nextId(), 500);
    EXPECT_EQ(result.project->klasses.nextId(), 0);
}

// ---------------------------------------------------------------- text

TEST(ProjectJson, TextRefusesBadSyntaxAndMembersGivenTwice) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"{ \"format\": ", "parse error at line 1, column 13"},
        {R"({"format": "lovaris-project", "format": "x"})", "format: given twice"},
        {R"({"rooms": {"items": [{"id": 0}, {"id": 1, "seats": 1, "seats": 70000}]}})",
         "rooms.items[1].seats: given twice"},
        {R"([1, [], "x", {"a": [{}, {"b": 1, "b": 2}]}])", "[3].a[1].b: given twice"},
        // Numbers beyond any field are named where they stand, not in the parser's words.
        {R"({"rooms": {"items": [{"id": 0}, {"id": 1, "seats": 1e30817}]}})", "rooms.items[1].seats: number out of range"},
        {R"({"busy": [1, 2, -1e400]})", "busy[2]: number out of range"},
        {"1e999", "number out of range"},
    };
    for (const auto& c : cases) {
        const auto result = ProjectFromJsonText(c.text);
        EXPECT_FALSE(result.project.has_value()) << c.text;
        EXPECT_TRUE(result.error.starts_with(c.error)) << c.text << " -> " << result.error;
    }
    const Project loaded = Loaded(test::MakeSmallProject());
    const auto fromText = ProjectFromJsonText(ProjectToJson(loaded).dump(2));
    ASSERT_TRUE(fromText.project) << fromText.error;
    EXPECT_EQ(*fromText.project, loaded);
}

// ---------------------------------------------------------------- refusals

struct RefusedCase {
    const char* name;
    std::function<void(Json&)> change;
    const char* error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class ProjectJsonRefusal : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ProjectJsonRefusal, NamesTheField) {
    Json doc = ProjectToJson(Loaded(test::MakeSmallProject()));
    GetParam().change(doc);
    const auto result = ProjectFromJson(doc);
    EXPECT_FALSE(result.project.has_value());
    EXPECT_EQ(result.error, GetParam().error);
}

std::string Repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

Json& room0(Json& d) { return d["rooms"]["items"][0]; }
Json& lesson0(Json& d) { return d["lessons"]["items"][0]; }
Json slot(int day, int lesson) { return {{"day", day}, {"lesson", lesson}}; }

INSTANTIATE_TEST_SUITE_P(
    BadDocuments, ProjectJsonRefusal,
    ::testing::Values(
        RefusedCase{"NotAnObject", [](Json& d) { d = Json::array(); }, "expected an object"},
        RefusedCase{"OtherFormat", [](Json& d) { d["format"] = "other"; }, "format: expected \"lovaris-project\""},
        RefusedCase{"NewerVersion", [](Json& d) { d["version"] = 2; }, "version: expected an integer 1..1"},
        RefusedCase{"MissingCollection", [](Json& d) { d.erase("teachers"); }, "teachers: missing"},
        RefusedCase{"MisspeltField", [](Json& d) { room0(d)["seat"] = 1; }, "rooms.items[0].seat: unknown field"},
        RefusedCase{"SeatsAboveRange", [](Json& d) { room0(d)["seats"] = 65536; },
                    "rooms.items[0].seats: expected an integer 0..65535"},
        RefusedCase{"SeatsNegative", [](Json& d) { room0(d)["seats"] = -1; },
                    "rooms.items[0].seats: expected an integer 0..65535"},
        RefusedCase{"SeatsAsText", [](Json& d) { room0(d)["seats"] = "30"; },
                    "rooms.items[0].seats: expected an integer 0..65535"},
        RefusedCase{"SeatsFractional", [](Json& d) { room0(d)["seats"] = 3.5; },
                    "rooms.items[0].seats: expected an integer 0..65535"},
        RefusedCase{"HugeUnsignedId", [](Json& d) { room0(d)["id"] = 18446744073709551615ull; },
                    "rooms.items[0].id: expected an integer -2147483648..2147483646"},
        RefusedCase{"DuplicateId", [](Json& d) { d["rooms"]["items"][1]["id"] = 0; },
                    "rooms.items[1].id: the ID 0 is used twice"},
        RefusedCase{"NameTooLong", [](Json& d) { room0(d)["name"] = std::string(32, 'x'); },
                    "rooms.items[0].name: expected a text of at most 31 characters"},
        RefusedCase{"CyrillicNameTooLong", [](Json& d) { d["subjects"]["items"][0]["name"] = Repeated("Ж", 64); },
                    "subjects.items[0].name: expected a text of at most 63 characters"},
        RefusedCase{"DescriptionTooLong", [](Json& d) { d["params"]["description"] = std::string(82, 'x'); },
                    "params.description: expected a text of at most 81 characters"},
        RefusedCase{"NulInText", [](Json& d) { d["teachers"]["items"][0]["name"] = std::string("a\0b", 3); },
                    "teachers.items[0].name: a text cannot contain the NUL character"},
        RefusedCase{"CharacterOutsideCp1251", [](Json& d) { lesson0(d)["subgroups"][0]["fictiveRoom"] = "Зал Ω"; },
                    "lessons.items[0].subgroups[0].fictiveRoom: contains a character that Windows-1251 cannot hold"},
        RefusedCase{"LessonsPerDayAbove24", [](Json& d) { d["params"]["lessonsPerDay"] = 25; },
                    "params.lessonsPerDay: expected an integer 1..24"},
        RefusedCase{"ShiftStartsNotAscending", [](Json& d) { d["params"]["shiftStarts"] = {5, 5}; },
                    "params.shiftStarts[1]: expected values in ascending order"},
        RefusedCase{"BusyDayOutOfRange", [](Json& d) { room0(d)["busy"] = Json::array({slot(7, 1)}); },
                    "rooms.items[0].busy[0].day: expected an integer 1..6"},
        RefusedCase{"BusyLessonOutOfRange", [](Json& d) { d["classes"]["items"][0]["busy"] = Json::array({slot(1, 25)}); },
                    "classes.items[0].busy[0].lesson: expected an integer 1..24"},
        RefusedCase{"BusySlotTwice", [](Json& d) { room0(d)["busy"] = {slot(2, 3), slot(2, 3)}; },
                    "rooms.items[0].busy[1]: day 2, lesson 3 is listed twice"},
        RefusedCase{"TeacherBusyValueOutOfRange",
                    [](Json& d) { d["teachers"]["items"][0]["busy"][0]["value"] = 40000; },
                    "teachers.items[0].busy[0].value: expected an integer -32768..32767"},
        RefusedCase{"RoomBusyValueOutOfRange", [](Json& d) { room0(d)["busy"][0]["value"] = 256; },
                    "rooms.items[0].busy[0].value: expected an integer 0..255"},
        RefusedCase{"NoSubgroup", [](Json& d) { lesson0(d)["subgroups"] = Json::array(); },
                    "lessons.items[0].subgroups: expected 1..5 subgroups"},
        RefusedCase{"SixSubgroups",
                    [](Json& d) {
                        auto& s = lesson0(d)["subgroups"];
                        while (s.size() < 6) s.push_back(s[0]);
                    },
                    "lessons.items[0].subgroups: expected at most 5 values"},
        RefusedCase{"SpreadDecreasing", [](Json& d) { lesson0(d)["spread"] = {2, 1}; },
                    "lessons.items[0].spread[1]: expected values in non-decreasing order"},
        RefusedCase{"SpreadOf21Values", [](Json& d) { lesson0(d)["spread"] = std::vector<int>(21, 1); },
                    "lessons.items[0].spread: expected at most 20 values"},
        RefusedCase{"SpreadZero", [](Json& d) { lesson0(d)["spread"] = {0, 1}; },
                    "lessons.items[0].spread[0]: expected an integer 1..65535"},
        RefusedCase{"SpreadAndSeparatedOver20",
                    [](Json& d) {
                        lesson0(d)["spread"] = std::vector<int>(15, 1);
                        lesson0(d)["separatedHours"] = std::vector<int>(6, 1);
                    },
                    "lessons.items[0].separatedHours: spread and separatedHours together hold at most 20 values"},
        RefusedCase{"HourEntriesNot21", [](Json& d) { lesson0(d)["hourEntries"] = {1, 2}; },
                    "lessons.items[0].hourEntries: expected 21 integers"},
        RefusedCase{"NoAttachedRoomAsNumber", [](Json& d) { lesson0(d)["noAttachedRoom"] = 1; },
                    "lessons.items[0].noAttachedRoom: expected true or false"},
        RefusedCase{"LinkTwice",
                    [](Json& d) {
                        auto& links = lesson0(d)["subgroups"][0]["links"];
                        links.push_back(links[0]);
                    },
                    "lessons.items[0].subgroups[0].links[1]: the link is listed twice"},
        RefusedCase{"LinkToNegativeLesson",
                    [](Json& d) { lesson0(d)["subgroups"][0]["links"][0]["lesson"] = -1; },
                    "lessons.items[0].subgroups[0].links[0].lesson: expected an integer 0..2147483647"},
        RefusedCase{"WishedRoomTwice", [](Json& d) { d["subjects"]["items"][1]["wishedRooms"] = {2, 2}; },
                    "subjects.items[1].wishedRooms[1]: the value 2 is listed twice"},
        RefusedCase{"ProfileOutOfRange", [](Json& d) { d["classes"]["items"][0]["profiles"] = {21}; },
                    "classes.items[0].profiles[0]: expected an integer 1..20"},
        RefusedCase{"StartingLessonsUnsorted", [](Json& d) { d["classes"]["items"][1]["startingLessons"] = {2, 1}; },
                    "classes.items[1].startingLessons[1]: expected values in ascending order"},
        RefusedCase{"WindowStateAsText", [](Json& d) { d["params"]["windowStates"]["lessons"] = "1"; },
                    "params.windowStates.lessons: expected an integer -2147483648..2147483647"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lovaris
