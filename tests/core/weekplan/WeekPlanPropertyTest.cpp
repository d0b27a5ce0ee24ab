// The whole week planned on generated schools: no teacher, class or room is used
// twice at one lesson number, every day whose optimisations all completed has
// gapless class days, and the summary's hours add up to the curriculum.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "WeekPlanChecks.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

using test::EngineSchool;

// The same draws on every platform.
class Draws {
public:
    explicit Draws(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    int pick(int least, int most) {
        state_ = state_ * 1103515245u + 12345u;
        return least + static_cast<int>((state_ >> 16) % static_cast<unsigned>(most - least + 1));
    }

private:
    unsigned state_;
};

// Classes of single and double hours, teachers shared between classes (two of them
// sharing an attached room), a two-subgroup lesson now and then, and PE taught to two
// classes together.
EngineSchool GenerateSchool(unsigned seed) {
    Draws draw(seed);
    EngineSchool school(6);
    const int rooms[] = {school.room("101"), school.room("102"), school.room("103"), school.room("104")};
    std::vector<int> subjects;
    for (const char* name : {"Математика", "Русский язык", "История", "Физика", "Физкультура"})
        subjects.push_back(school.subject(name));
    std::vector<int> teachers;
    const int teacherCount = draw.pick(4, 6);
    for (int t = 0; t < teacherCount; ++t)
        teachers.push_back(school.teacher("Учитель " + std::to_string(t), t < 2 ? rooms[0] : -1));
    const int classCount = draw.pick(2, 4);
    std::vector<int> pe;
    for (int k = 0; k < classCount; ++k) {
        const int klass = school.klass(std::to_string(5 + k) + "А");
        const int lessons = draw.pick(4, 6);
        for (int l = 0; l < lessons; ++l) {
            const std::vector<int> spread = draw.pick(0, 2) == 0 ? std::vector<int>{2, 1} : std::vector<int>{1, 1, 1};
            const int subject = subjects[static_cast<std::size_t>(draw.pick(0, 3))];
            const int teacher = teachers[static_cast<std::size_t>(draw.pick(0, teacherCount - 1))];
            const int second = teachers[static_cast<std::size_t>(draw.pick(0, teacherCount - 1))];
            if (draw.pick(0, 4) == 0 && second != teacher)
                school.lesson(klass, spread, {{subject, teacher}, {subject, second}});
            else
                school.lesson(klass, spread, {{subject, teacher}});
        }
        pe.push_back(school.lesson(klass, {1, 1}, {{subjects[4], teachers.back()}}).id);
    }
    school.linkBoth(pe[0], 0, pe[1], 0);
    return school;
}

bool Gapless(const TTableVarItem& variant, int klass, int day) {
    bool started = false, ended = false;
    for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
        const bool occupied = variant.GetCleanSlot(klass, day, n).occupied();
        if (occupied && ended) return false;
        started = started || occupied;
        ended = ended || (started && !occupied);
    }
    return true;
}

TEST(WeekPlanProperty, GeneratedSchoolsArePlannedWithoutCollisionsGapsOrLostHours) {
    int placedAnywhere = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EngineSchool school = GenerateSchool(seed);
        int curriculum = 0;
        for (const auto& lesson : school.project.lessons)
            for (int hours : lesson.spread()) curriculum += hours;

        PlanningSession session(school.project);
        TTableVarItem variant = session.NewVariant();
        test::PollBudget budget(20000);
        const WeekPlanResult result =
            PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()), budget);

        EXPECT_EQ(test::Collisions(session, variant), "");
        for (int d = 1; d <= kVariantDays; ++d) {
            if (!result.dayComplete[static_cast<std::size_t>(d)]) continue;
            for (int k = 0; k < variant.classCount(); ++k) EXPECT_TRUE(Gapless(variant, k, d)) << "class " << k << " day " << d;
        }
        const WeekPlanSummary& s = result.summary;
        EXPECT_EQ(s.requiredHours, curriculum);
        EXPECT_EQ(s.requiredHours, s.cleanHours + s.draftHours + s.notPlacedHours);
        placedAnywhere += s.cleanHours;
    }
    EXPECT_GT(placedAnywhere, 0);
}

}  // namespace
}  // namespace lovaris
