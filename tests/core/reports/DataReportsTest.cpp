// The curriculum reports from the project alone: teachers' hours by subject and
// level, classes' hours by level.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "ReportShape.h"
#include "core/reports/TTeachersDataRpForm.h"

namespace lovaris {
namespace {

using namespace test;

// 1А junior, 5А and 7Б middle, 10А senior, 12А of no level.
// Иванова: maths in 1А (4 h) and 10А (3 h). Петров: PE of 5А, 10А and 7Б taught
// together (2 h). Сидорова: English in three subgroups in 5А (2 h, the last two
// subgroups German and French), and maths in 12А. Орлова teaches nothing.
class CurriculumSchool : public ::testing::Test {
protected:
    CurriculumSchool() {
        const int maths = school.subject("Математика");
        const int pe = school.subject("Физкультура");
        const int english = school.subject("Английский");
        const int german = school.subject("Немецкий");
        const int french = school.subject("Французский");
        const int k1 = klass("1А", 0);
        const int k5 = klass("5А", 1);
        const int k10 = klass("10А", 2);
        const int k7 = klass("7Б", 1);
        const int k12 = klass("12А", 5);
        const int ivanova = school.teacher("Иванова");
        const int petrov = school.teacher("Петров");
        const int sidorova = school.teacher("Сидорова");
        school.teacher("Орлова");
        school.lesson(k1, {2, 2}, {{maths, ivanova}});
        school.lesson(k10, {3}, {{maths, ivanova}});
        const int pe5 = school.lesson(k5, {1, 1}, {{pe, petrov}}).id;
        const int pe10 = school.lesson(k10, {1, 1}, {{pe, petrov}}).id;
        const int pe7 = school.lesson(k7, {1, 1}, {{pe, petrov}}).id;
        school.linkBoth(pe5, 0, pe10, 0);
        school.linkBoth(pe5, 0, pe7, 0);
        school.linkBoth(pe10, 0, pe7, 0);
        school.lesson(k5, {1, 1}, {{english, sidorova}, {german, sidorova}, {french, sidorova}});
        school.lesson(k12, {5}, {{maths, sidorova}});
    }
    int klass(const char* name, int stage) {
        const int id = school.klass(name);
        school.project.klasses.findById(id)->stage = stage;
        return id;
    }
    EngineSchool school;
};

TEST_F(CurriculumSchool, TeacherLoadCountsLinkedLessonsOnceAndEachSubjectByLevel) {
    const Report report = TTeachersDataRpForm::Build(school.project);
    EXPECT_EQ(report.pages.front().bands.front().text(0), "Нагрузка по учебному плану");
    EXPECT_EQ(report.progressSteps, 4);
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{
                                  "Иванова|Математика|4||0||3||7|",
                                  "Петров|Физкультура|0||2||0||2|",
                                  "Сидорова|Английский|0||2||0||2|",
                                  "|Немецкий|0||2||0||2|",
                                  "|Французский|0||2||0||2|",
                                  "Орлова||0||0||0||0|",
                              }));
    EXPECT_EQ(RowsOf(report, BandKind::Summary), (std::vector<std::string>{"Всего||4||8||3||15|"}));
    EXPECT_EQ(RowsOf(report, BandKind::ColumnHeader)[1],
              "||1 - 3 кл.|Ф/к|5 - 9 кл.|Ф/к|10 - 11 кл.|Ф/к||Ф/к");
}

TEST_F(CurriculumSchool, ClassHoursCountFurtherSubgroupsAsExtraAndSkipClassesOfNoLevel) {
    const Report report = TClassDataRpForm::Build(school.project);
    EXPECT_EQ(report.pages.front().bands.front().text(0), "Тарификация");
    EXPECT_EQ(RowsOf(report, BandKind::GroupHeader), (std::vector<std::string>{"1 - 3 кл.", "5 - 9 кл.", "10 - 11 кл."}));
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{"1А|4|0|4|", "5А|4|4|8|", "7Б|2|0|2|", "10А|5|0|5|"}));
    EXPECT_EQ(RowsOf(report, BandKind::GroupFooter),
              (std::vector<std::string>{"Итого|4|0|4|", "Итого|6|4|10|", "Итого|5|0|5|"}));
    EXPECT_EQ(RowsOf(report, BandKind::Summary), (std::vector<std::string>{"Всего|15|4|19|"}));
}

TEST(ClassHoursReport, LevelWithoutClassesPrintsDashes) {
    EngineSchool school;
    school.klass("5А");  // middle level by default
    const Report report = TClassDataRpForm::Build(school.project);
    EXPECT_EQ(RowsOf(report), (std::vector<std::string>{"---|---|---|---|", "5А|0|0|0|", "---|---|---|---|"}));
}

}  // namespace
}  // namespace lovaris
