// A FET file that is malformed or hostile is refused with the reason, never half read.
#include <gtest/gtest.h>

#include <filesystem>

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
        {"empty file", "", "файл пуст"},
        {"truncated", std::string(kSchool.substr(0, kSchool.size() / 2)), "кончается раньше, чем завершен его XML"},
        {"not XML", "Name;Day\nAnna;Mo\n", "строка 1"},
        {"wrong root", "<timetable><Days_List/></timetable>", "корневой элемент — <timetable>"},
        {"no days", Replaced("<Days_List><Number_of_Days>1</Number_of_Days><Day><Name>Mo</Name></Day></Days_List>", ""), "нет ни одного дня"},
        {"day count not the list", Replaced("<Number_of_Days>1<", "<Number_of_Days>2<"), "указывает 2, а в списке 1"},
        {"unknown teacher", Replaced("<Teacher>Anna</Teacher><Subject>", "<Teacher>Olga</Teacher><Subject>"), "учитель «Olga» не определен"},
        {"unknown students", Replaced("<Students>5</Students>", "<Students>6</Students>"), "ученики «6» не определены"},
        {"unknown subject", Replaced("<Subject>Math</Subject><Students>", "<Subject>Art</Subject><Students>"), "предмет «Art»"},
        {"huge duration", Replaced("<Duration>1</Duration>", "<Duration>99999999999999999999</Duration>"), "не целое число 1..2"},
        {"negative pupils", Replaced("<Number_of_Students>20<", "<Number_of_Students>-5<"), "не целое число 0..65535"},
        {"huge day count", Replaced("<Number_of_Days>1<", "<Number_of_Days>4294967297<"), "не целое число"},
        {"activity Id twice", Replaced("</Activities_List>", "<Activity><Teacher>Anna</Teacher><Subject>Math</Subject><Students>5</Students><Duration>1</Duration><Id>1</Id></Activity></Activities_List>"), "Id занятия 1 указан дважды"},
        {"seven days", SevenDays(), "дней в неделю: 7; проект вмещает не больше 6"},
        {"twenty-five hours", TwentyFiveHours(), "часов в день: 25; проект вмещает не больше 24"},
        {"entity expansion", billionLaughs, "объявление типа документа"},
        {"external entity", external, "объявление типа документа"},
        {"undeclared entity", Replaced("<Name>Anna</Name>", "<Name>&anna;</Name>"), "строка 6"},
        {"deep nesting", Nested(100), "вложены глубже"},
        {"unknown room",
         Replaced("</fet>", "<Space_Constraints_List><ConstraintSubjectPreferredRoom><Weight_Percentage>100</Weight_Percentage>"
                            "<Room>R</Room></ConstraintSubjectPreferredRoom></Space_Constraints_List></fet>"),
         "кабинет «R» не определен"},
        {"preferred room without its subject",
         Replaced("</fet>", "<Rooms_List><Room><Name>R</Name></Room></Rooms_List><Space_Constraints_List>"
                            "<ConstraintSubjectPreferredRoom><Weight_Percentage>100</Weight_Percentage><Room>R</Room>"
                            "</ConstraintSubjectPreferredRoom></Space_Constraints_List></fet>"),
         "<ConstraintSubjectPreferredRoom> без своего <Subject>"},
        {"not-available times without the teacher",
         Replaced("</fet>", "<Time_Constraints_List><ConstraintTeacherNotAvailableTimes><Weight_Percentage>100</Weight_Percentage>"
                            "</ConstraintTeacherNotAvailableTimes></Time_Constraints_List></fet>"),
         "без своего <Teacher>"},
    };
    for (const auto& c : cases) {
        const auto r = ImportText(c.file);
        EXPECT_FALSE(r.project) << c.what;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << c.what << ": " << r.error;
    }
}

// What the fuzzer found: each file is refused or imported, never thrown out of the import.
TEST(FetRefusal, FuzzedSchoolsAreRefusedOrImported) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(LOVARIS_TEST_DATA_DIR "/fet-fuzz")) {
        const auto bytes = ReadWholeFile(entry.path().string());
        ASSERT_TRUE(bytes);
        const auto r = ImportFet(*bytes);
        EXPECT_NE(r.project.has_value(), !r.error.empty()) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(FetRefusal, TheUnrefusedSchoolImports) {
    const auto r = ImportText(kSchool);
    ASSERT_TRUE(r.project) << r.error;
    EXPECT_EQ(r.project->lessons.count(), 1);
}

}  // namespace
}  // namespace lovaris::interchange::test
