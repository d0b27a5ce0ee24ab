// Building the planning copies: separated lessons, links, parallels, cross references.
#include <gtest/gtest.h>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"

namespace lovaris {
namespace {

using test::EngineSchool;

TEST(EngineBuild, SeparatedLessonFollowsItsParent) {
    EngineSchool school;
    const int math = school.subject("Математика");
    const int ivanova = school.teacher("Иванова");
    const int k = school.klass("5А");
    auto& parent = school.lesson(k, {1, 1, 2}, {{math, ivanova}});
    ASSERT_TRUE(parent.setSeparatedHours({1}));
    const int parentId = parent.id;
    const int nextId = school.lesson(k, {3}, {{math, ivanova}}).id;

    PlanningSession session(school.project);
    const auto& lessons = session.klasses().at(0).lessonCopies;
    ASSERT_EQ(lessons.size(), 3u);
    EXPECT_EQ(lessons[0].id, parentId);
    EXPECT_EQ(lessons[0].spread, (std::vector<int>{1, 2}));
    EXPECT_EQ(lessons[1].id, parentId + kSeparatedIdOffset);
    EXPECT_EQ(lessons[1].spread, (std::vector<int>{1}));
    EXPECT_EQ(lessons[2].id, nextId);
    // The teacher has a copy of both parts.
    EXPECT_EQ(session.teachers().at(0).copyCount(), 3);
}

TEST(EngineBuild, SeparatedHoursMissingFromTheSpreadAddNoHours) {
    EngineSchool school;
    const int k = school.klass("5А");
    auto& lesson = school.lesson(k, {2, 2}, {{school.subject("Физика"), school.teacher("Петров")}});
    ASSERT_TRUE(lesson.setSeparatedHours({1}));

    PlanningSession session(school.project);
    const auto& lessons = session.klasses().at(0).lessonCopies;
    ASSERT_EQ(lessons.size(), 1u);
    EXPECT_EQ(lessons[0].spread, (std::vector<int>{2, 2}));
}

TEST(EngineBuild, ParallelLinksJoinEqualLessonsOnly) {
    EngineSchool school;
    const int math = school.subject("Математика");
    const int t = school.teacher("Иванова");
    const int a = school.klass("5А");
    const int b = school.klass("5Б");
    school.project.klasses.at(0).appendParallel(b);
    school.project.klasses.at(1).appendParallel(a);
    school.lesson(a, {2, 1}, {{math, t}});
    school.lesson(b, {2, 1}, {{math, t}});
    school.lesson(a, {1, 1}, {{math, t}});
    school.lesson(b, {2}, {{math, t}});  // other spread

    PlanningSession session(school.project);
    const auto& klasses = session.klasses();
    EXPECT_EQ(klasses.at(0).lesson(0).parallelLinks, (std::vector<LessonRef>{{1, 0, -1}}));
    EXPECT_EQ(klasses.at(1).lesson(0).parallelLinks, (std::vector<LessonRef>{{0, 0, -1}}));
    EXPECT_TRUE(klasses.at(0).lesson(1).parallelLinks.empty());
    EXPECT_TRUE(klasses.at(1).lesson(1).parallelLinks.empty());
    // Parallel classes are held as class indexes.
    EXPECT_EQ(klasses.at(0).parallels, (std::vector<std::int32_t>{1}));
    // The teacher's copy names its own copy of the parallel lesson.
    EXPECT_EQ(session.teachers().at(0).copy(0).parallelLinks, (std::vector<LessonRef>{{0, 2, -1}}));
}

TEST(EngineBuild, CrossReferencesLeadBothWays) {
    EngineSchool school;
    const int k = school.klass("5А");
    school.teacher("Иванова");
    const int petrov = school.teacher("Петров");
    school.lesson(k, {1}, {{school.subject("Английский"), school.project.teachers.at(0).id}, {school.subject("Немецкий"), petrov}});

    PlanningSession session(school.project);
    const auto& lesson = session.klasses().at(0).lesson(0);
    for (int s = 0; s < 2; ++s) {
        const LessonRef ref = lesson.subgroups[static_cast<std::size_t>(s)].copyRef;
        EXPECT_EQ(ref.owner, s);
        const auto& copy = session.teachers().at(ref.owner).copy(ref.lesson);
        EXPECT_EQ(copy.subgroups[static_cast<std::size_t>(s)].copyRef, (LessonRef{0, 0, s}));
    }
}

// Three classes whose lessons are linked round in a circle, one teacher for all.
struct LinkedCircle {
    EngineSchool school;
    LinkedCircle() {
        const int subject = school.subject("Физкультура");
        const int t = school.teacher("Сидоров");
        std::vector<int> lessons;
        for (const char* name : {"7А", "7Б", "7В"}) lessons.push_back(school.lesson(school.klass(name), {2}, {{subject, t}}).id);
        school.linkBoth(lessons[0], 0, lessons[1], 0);
        school.linkBoth(lessons[1], 0, lessons[2], 0);
        school.linkBoth(lessons[2], 0, lessons[0], 0);
    }
};

TEST(EngineBuild, LinkWalkVisitsEveryClassOnceOverACycle) {
    LinkedCircle circle;
    PlanningSession session(circle.school.project);
    for (int start = 0; start < 3; ++start) {
        const LinkSet set = session.klasses().BuildLinkSet(start, 0);
        ASSERT_EQ(set.klassLessons.size(), 3u);
        EXPECT_EQ(set.klassLessons.front().owner, start);
        // The teacher enters once, under the first of its three copies.
        EXPECT_EQ(set.teacherCopies, (std::vector<LessonRef>{{0, 0, -1}}));
    }
}

TEST(EngineBuild, LinksToMissingLessonsOrSubgroupsEndTheList) {
    EngineSchool school;
    const int subject = school.subject("Труд");
    const int t = school.teacher("Кузнецов");
    const int a = school.lesson(school.klass("6А"), {1}, {{subject, t}}).id;
    const int b = school.lesson(school.klass("6Б"), {1}, {{subject, t}}).id;
    school.lessonById(a).subgroups[0].addLink({b, 3});  // b has one subgroup only
    school.lessonById(a).subgroups[0].addLink({b, 0});
    school.lessonById(b).subgroups[0].addLink({9999, 0});  // no such lesson
    school.lessonById(b).subgroups[0].addLink({a, 0});

    PlanningSession session(school.project);
    EXPECT_TRUE(session.klasses().at(0).lesson(0).subgroups[0].links.empty());
    EXPECT_TRUE(session.klasses().at(1).lesson(0).subgroups[0].links.empty());
    EXPECT_EQ(session.klasses().BuildLinkSet(0, 0).klassLessons.size(), 1u);
}

TEST(EngineBuild, SeparatedLessonsLinkToSeparatedLessons) {
    EngineSchool school;
    const int subject = school.subject("Физкультура");
    const int t = school.teacher("Сидоров");
    const int a = school.lesson(school.klass("8А"), {2, 1}, {{subject, t}}).id;
    const int b = school.lesson(school.klass("8Б"), {2, 1}, {{subject, t}}).id;
    school.linkBoth(a, 0, b, 0);
    ASSERT_TRUE(school.lessonById(a).setSeparatedHours({1}));
    ASSERT_TRUE(school.lessonById(b).setSeparatedHours({1}));

    PlanningSession session(school.project);
    const auto& separated = session.klasses().at(0).lesson(1);
    ASSERT_TRUE(separated.isSeparated());
    EXPECT_EQ(separated.subgroups[0].links, (std::vector<LessonRef>{{1, 1, 0}}));
    EXPECT_EQ(session.klasses().at(0).lesson(0).subgroups[0].links, (std::vector<LessonRef>{{1, 0, 0}}));
}

TEST(EngineBuild, IdentifiersBecomeIndexesAndWeekLoadFollowsDifficulty) {
    EngineSchool school;
    const int roomId = school.room("101");
    school.room("102");
    const int hard = school.subject("Математика", 10);
    const int easy = school.subject("Музыка", 2);
    const int k = school.klass("9А");
    school.project.klasses.at(0).attachedRoom = school.project.rooms.at(1).id;
    const int t = school.teacher("Орлова", roomId);
    school.lesson(k, {2, 1}, {{hard, t}, {easy, -1}});
    school.lesson(k, {1}, {{9999, t}});  // a subject the project no longer has

    PlanningSession session(school.project);
    const auto& klass = session.klasses().at(0);
    EXPECT_EQ(klass.attachedRoom, 1);
    EXPECT_EQ(session.teachers().at(0).attachedRoom, 0);
    EXPECT_EQ(klass.lesson(0).subgroups[1].subject, 1);
    EXPECT_TRUE(klass.lesson(0).hasFictive);
    EXPECT_EQ(klass.lesson(1).subgroups[0].subject, -1);
    EXPECT_DOUBLE_EQ(klass.weekLoad, 3 * (12.0 / 2));
}

}  // namespace
}  // namespace lovaris
