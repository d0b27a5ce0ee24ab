// A FET file that is malformed or hostile is refused with the reason, never half read.
#include <gtest/gtest.h>

#include "FetFixtures.h"

namespace lovaris::interchange::test {
namespace {

// A small valid school; each case below breaks one thing in it.
constexpr std::string_view kSchool = R"(<?xml version="1.0" encoding="UTF-8"?>
<fet version="6.0.0">
<Days_List><Number_of_Days>1</Number_of_Days><Day><Name>Mo</Name></Day></Days_List>
<Hours_List><Number_of_Hours>2</Number_of_Hours><Hour><Name>1</Name></Hour><Hour><Name>2</Name></Hour></Hours_List>
<Subjects_List><Subject><Name>Math</Name></Subject></Subjects_List>
<Teachers_List><Teacher><Name>Anna</Name></Teacher></Teachers_List>
<Students_List><Year><Name>5</Name><Number_of_Students>20</Number_of_Students></Year></Students_List>
<Activities_List><Activity><Teacher>Anna</Teacher><Subject>Math</Subject><Students>5</Students><Duration>1</Duration><Id>1</Id><Activity_Group_Id>0</Activity_Group_Id><Active>true</Active></Activity></Activities_List>
</fet>
)";

std::string Replaced(std::string_view from, std::string_view to) {
    std::string text(kSchool);
    const auto at = text.find(from);
    if (at == std::string::npos) throw std::runtime_error("not in the school: " + std::string(from));
    return text.replace(at, from.size(), to);
}

std::string SevenDays() {
    std::string days = "<Number_of_Days>7</Number_of_Days>";
    for (int d = 1; d <= 7; ++d) days += "<Day><Name>D" + std::to_string(d) + "</Name></Day>";
    return Replaced("<Number_of_Days>1</Number_of_Days><Day><Name>Mo</Name></Day>", days);
}

std::string TwentyFiveHours() {
    std::string hours = "<Number_of_Hours>25</Number_of_Hours>";
    for (int h = 1; h <= 25; ++h) hours += "<Hour><Name>" + std::to_string(h) + "</Name></Hour>";
    return Replaced("<Number_of_Hours>2</Number_of_Hours><Hour><Name>1</Name></Hour><Hour><Name>2</Name></Hour>", hours);
}

std::string Nested(int depth) {
    std::string text = "<fet>";
    for (int i = 0; i < depth; ++i) text += "<a>";
    for (int i = 0; i < depth; ++i) text += "</a>";
    return text + "</fet>";
}

struct RefusalCase {
    const char* what;
    std::string file;
    const char* reason;  // a part of the message
};

TEST(FetRefusal, MalformedOrHostileFileIsRefusedWithItsReason) {
    const std::string billionLaughs = R"(<?xml version="1.0"?>
<!DOCTYPE fet [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">]>
<fet><Institution_Name>&c;</Institution_Name></fet>)";
    const std::string external = R"(<?xml version="1.0"?>
<!DOCTYPE fet [<!ENTITY x SYSTEM "file:///etc/passwd">]><fet><Institution_Name>&x;</Institution_Name></fet>)";
    const RefusalCase cases[] = {
        {"empty file", "", "the file is empty"},
        {"truncated", std::string(kSchool.substr(0, kSchool.size() / 2)), "ends before its XML is complete"},
        {"not XML", "Name;Day\nAnna;Mo\n", "line 1"},
        {"wrong root", "<timetable><Days_List/></timetable>", "root element is <timetable>"},
        {"no days", Replaced("<Days_List><Number_of_Days>1</Number_of_Days><Day><Name>Mo</Name></Day></Days_List>", ""), "no days"},
        {"day count not the list", Replaced("<Number_of_Days>1<", "<Number_of_Days>2<"), "says 2, the list holds 1"},
        {"unknown teacher", Replaced("<Teacher>Anna</Teacher><Subject>", "<Teacher>Olga</Teacher><Subject>"), "the teacher \"Olga\" is not defined"},
        {"unknown students", Replaced("<Students>5</Students>", "<Students>6</Students>"), "the students \"6\" are not defined"},
        {"unknown subject", Replaced("<Subject>Math</Subject><Students>", "<Subject>Art</Subject><Students>"), "the subject \"Art\""},
        {"huge duration", Replaced("<Duration>1</Duration>", "<Duration>99999999999999999999</Duration>"), "not a whole number 1..2"},
        {"negative pupils", Replaced("<Number_of_Students>20<", "<Number_of_Students>-5<"), "not a whole number 0..65535"},
        {"huge day count", Replaced("<Number_of_Days>1<", "<Number_of_Days>4294967297<"), "not a whole number"},
        {"activity Id twice", Replaced("</Activities_List>", "<Activity><Teacher>Anna</Teacher><Subject>Math</Subject><Students>5</Students><Duration>1</Duration><Id>1</Id></Activity></Activities_List>"), "Id 1 is used twice"},
        {"seven days", SevenDays(), "7 days a week; a project holds at most 6"},
        {"twenty-five hours", TwentyFiveHours(), "25 hours a day; a project holds at most 24"},
        {"entity expansion", billionLaughs, "document type declaration"},
        {"external entity", external, "document type declaration"},
        {"undeclared entity", Replaced("<Name>Anna</Name>", "<Name>&anna;</Name>"), "line 6"},
        {"deep nesting", Nested(100), "nested more than"},
    };
    for (const auto& c : cases) {
        const auto r = ImportText(c.file);
        EXPECT_FALSE(r.project) << c.what;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << c.what << ": " << r.error;
    }
}

TEST(FetRefusal, TheUnrefusedSchoolImports) {
    const auto r = ImportText(kSchool);
    ASSERT_TRUE(r.project) << r.error;
    EXPECT_EQ(r.project->lessons.count(), 1);
}

}  // namespace
}  // namespace lovaris::interchange::test
