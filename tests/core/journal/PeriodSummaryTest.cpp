// The period summary: its buckets by stage and group, the names it lists, and what it reads.
#include <gtest/gtest.h>

#include "JournalTestSchool.h"
#include "core/journal/JournalDayModel.h"
#include "core/journal/PeriodSummary.h"

namespace lovaris {
namespace {

using test::kMonday;
using test::MemoryArchive;

JournalRow row(const char* absent, int stage, const char* substitute, int group) {
    JournalRow r;
    r.texts[kColLesson] = "1";
    r.texts[kColAbsent] = absent;
    r.texts[kColSubstitute] = substitute;
    r.tags[kColClass] = stage;
    r.tags[kColSubstitute] = group;
    return r;
}

TEST(PeriodSummary, CountsByTeacherStageAndGroup) {
    MemoryArchive m;
    ASSERT_EQ(m.archive->SaveDay(kMonday, {{row("Иванова", 0, "Петров", 1), row("Иванова", 2, "Петров", 0),
                                            row("Сидорова", 1, "", 0)}}),
              ArchiveSave::Saved);
    ASSERT_EQ(m.archive->SaveDay(kMonday + 2, {{row("ИВАНОВА", 1, "петров", 1), row("Петров", 0, "Иванова", 0)}}),
              ArchiveSave::Saved);
    // Outside the period.
    ASSERT_EQ(m.archive->SaveDay(kMonday + 3, {{row("Орлова", 0, "Петров", 0)}}), ArchiveSave::Saved);

    const auto s = SummarisePeriod(*m.archive, kMonday, kMonday + 2);
    EXPECT_EQ(SummaryCaption(s), "Пропуски и замещения: 14.12.2026 - 16.12.2026");
    // Names in the order they first occur on either page: Petrov substitutes before he is absent.
    ASSERT_EQ(s.absences.size(), 3u);
    EXPECT_EQ(s.absences[0].name, "Иванова");
    EXPECT_EQ(std::pair(s.absences[0].junior, s.absences[0].senior), std::pair(1, 2));
    EXPECT_EQ(s.absences[1].name, "Петров");
    EXPECT_EQ(std::pair(s.absences[1].junior, s.absences[1].senior), std::pair(1, 0));
    EXPECT_EQ(s.absences[2].name, "Сидорова");

    ASSERT_EQ(s.substitutions.size(), 3u);
    EXPECT_EQ(s.substitutions[0].name, "Иванова");
    EXPECT_EQ(s.substitutions[0].junior, 1);
    const auto& petrov = s.substitutions[1];
    EXPECT_EQ(petrov.name, "Петров");
    EXPECT_EQ((std::array{petrov.junior, petrov.juniorGroup, petrov.senior, petrov.seniorGroup}), (std::array{0, 1, 1, 1}));
    EXPECT_EQ(s.substitutions[2].name, "") << "a row without a substitute counts under the empty name";
    EXPECT_EQ(s.substitutions[2].senior, 1);
}

TEST(PeriodSummary, AnEndBeforeTheStartIsTheStartAndUnsavedEditsDoNotCount) {
    test::JournalSchool school;
    MemoryArchive m;
    ASSERT_EQ(m.archive->SaveDay(kMonday, {{row("Иванова", 0, "Петров", 0)}}), ArchiveSave::Saved);
    JournalDayModel day(*m.archive, school.timetable.get());
    ASSERT_TRUE(day.Show(kMonday).done);
    day.AddAbsence(test::JournalSchool::Ivanova, {school.timetable->Line(test::JournalSchool::Ivanova, 1, 2)});
    ASSERT_TRUE(day.changed());

    const auto s = SummarisePeriod(*m.archive, kMonday, kMonday - 10);
    EXPECT_EQ(s.to, kMonday);
    ASSERT_EQ(s.absences.size(), 1u);
    EXPECT_EQ(s.absences[0].junior + s.absences[0].senior, 1);
}

}  // namespace
}  // namespace lovaris
