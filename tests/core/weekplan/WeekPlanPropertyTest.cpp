// The whole week planned on generated schools, with a room for every class and with
// rooms scarce (fewer than the classes, some closed at hours, some attached to
// classes): no teacher, class or room is used twice at one lesson number, no room at
// an hour it is closed, every day whose optimisations all completed has gapless class
// days, and the summary's hours add up to the curriculum.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "../support/EngineTestSchool.h"
#include "WeekPlanChecks.h"
#include "core/planning/PlanningSession.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris {
namespace {

using test::EngineSchool;

using test::Draws;

struct SchoolKind {
    const char* name;
    bool scarceRooms;
    unsigned seeds;                // 1..seeds are planned,
    std::vector<unsigned> caught;  // and these, each of which once caught a fault
};

// Classes of single and double hours, teachers shared between classes (two of them
// sharing an attached room), a two-subgroup lesson now and then, and PE taught to two
// classes together. With scarce rooms: one or two rooms, a few hours of each closed,
// a class now and then attached to one, PE now and then small enough for one room,
// and now and then the second room a physics laboratory.
EngineSchool GenerateSchool(unsigned seed, const SchoolKind& kind) {
    Draws draw(seed);
    EngineSchool school(6);
    std::vector<int> rooms;
    for (const char* name : {"101", "102", "103", "104"})
        if (!kind.scarceRooms || rooms.size() < 1 + seed % 2) rooms.push_back(school.room(name));
    std::vector<int> subjects;
    for (const char* name : {"Математика", "Русский язык", "История", "Физика", "Физкультура"})
        subjects.push_back(school.subject(name));
    std::vector<int> teachers;
    const int teacherCount = draw.pick(4, 6);
    for (int t = 0; t < teacherCount; ++t)
        teachers.push_back(school.teacher("Учитель " + std::to_string(t), t < 2 ? rooms[0] : -1));
    const int classCount = draw.pick(2, 4);
    std::vector<int> klasses;
    std::vector<int> pe;
    for (int k = 0; k < classCount; ++k) {
        const int klass = school.klass(std::to_string(5 + k) + "А");
        klasses.push_back(klass);
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
    if (kind.scarceRooms) {
        for (int id : rooms)
            for (int closed = draw.pick(0, 4); closed > 0; --closed)
                school.project.rooms.findById(id)->busy.set(draw.pick(1, 6), draw.pick(1, 6), 1);
        for (int id : klasses)
            if (draw.pick(0, 2) == 0)
                school.project.klasses.findById(id)->attachedRoom =
                    rooms[static_cast<std::size_t>(draw.pick(0, static_cast<int>(rooms.size()) - 1))];
        if (draw.pick(0, 1) == 0)
            for (int id : {pe[0], pe[1]}) school.lessonById(id).subgroups[0].children = 15;
        if (rooms.size() == 2 && draw.pick(0, 2) == 0) {
            auto& lab = *school.project.rooms.findById(rooms[1]);
            auto& physics = *school.project.subjects.findById(subjects[3]);
            lab.specialization = physics.specialization = 2;
            lab.generalUse = physics.generalUse = static_cast<std::uint8_t>(draw.pick(0, 1));
        }
    }
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

void PrintTo(const SchoolKind& kind, std::ostream* out) { *out << kind.name; }

class WeekPlanProperty : public ::testing::TestWithParam<SchoolKind> {};

TEST_P(WeekPlanProperty, GeneratedSchoolsArePlannedWithoutCollisionsGapsOrLostHours) {
    std::vector<unsigned> seeds = GetParam().caught;
    for (unsigned seed = 1; seed <= GetParam().seeds; ++seed) seeds.push_back(seed);
    int placedAnywhere = 0;
    for (unsigned seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EngineSchool school = GenerateSchool(seed, GetParam());
        int curriculum = 0;
        for (const auto& lesson : school.project.lessons)
            for (int hours : lesson.spread()) curriculum += hours;

        PlanningSession session(school.project);
        TTableVarItem variant = session.NewVariant();
        test::PollBudget budget(20000);
        const WeekPlanResult result =
            PlanWholeWeek(session, variant, VariantOptions::Defaults(variant.classCount(), variant.lessonsPerDay()), budget);

        EXPECT_EQ(test::Collisions(session, variant), "");
        EXPECT_EQ(test::ClosedRoomUses(session, variant), "");
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

// Scarce rooms, seed 329: a double lesson given another room for its second hour,
// which the completion arranged afresh, once gave a room to two classes.
INSTANTIATE_TEST_SUITE_P(Schools, WeekPlanProperty,
                         ::testing::Values(SchoolKind{"RoomForEveryClass", false, 8, {}},
                                           SchoolKind{"ScarceRooms", true, 40, {329}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lovaris
