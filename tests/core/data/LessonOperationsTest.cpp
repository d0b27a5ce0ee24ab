#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/common/StringTable.h"
#include "core/data/LessonOperations.h"

namespace lovaris {
namespace {

struct SubgroupSpec {
    std::int32_t subject = -1;
    std::int32_t teacher = -1;
};

// A school built record by record; each helper returns the new record's ID or position.
class LessonsFixture : public ::testing::Test {
protected:
    Project project;

    std::int32_t addClass(const std::string& name, std::uint16_t children = 30) {
        auto& k = project.klasses.add();
        k.setName(name);
        k.children = children;
        return k.id;
    }
    std::int32_t addSubject(const std::string& name) {
        auto& s = project.subjects.add();
        s.name = name;
        return s.id;
    }
    std::int32_t addTeacher(const std::string& name) {
        auto& t = project.teachers.add();
        t.setName(name);
        return t.id;
    }
    int addLesson(std::int32_t klass, const std::vector<SubgroupSpec>& subgroups, const std::vector<int>& spread = {1}) {
        auto& l = project.lessons.add();
        l.klass = klass;
        l.subgroups.clear();
        for (const auto& definition : subgroups) {
            TLessonSubItem sub;
            sub.subject = definition.subject;
            sub.teacher = definition.teacher;
            l.subgroups.push_back(sub);
        }
        l.setSpread(spread);
        return project.lessons.count() - 1;
    }
    TLessonSubItem& sub(int position, int subgroup) {
        return project.lessons.at(position).subgroups.at(static_cast<std::size_t>(subgroup));
    }
    std::int32_t idAt(int position) const { return project.lessons.at(position).id; }

    std::vector<LinkCandidate> candidates(int position, int subgroup) {
        return BuildLinkCandidates(project, position, subgroup).rows;
    }
    // Opens the link dialog, switches the rows of the given lessons and confirms.
    LinkApplyResult toggleAndConfirm(int position, int subgroup, const std::vector<std::int32_t>& lessonIds) {
        auto rows = candidates(position, subgroup);
        for (auto& row : rows)
            for (auto id : lessonIds)
                if (row.lessonId == id) ToggleLinkCandidate(row);
        return ApplyLinkCandidates(project, position, subgroup, rows);
    }
};

// ---- class order -------------------------------------------------------------

TEST_F(LessonsFixture, ClassOrderSortsByNameStablyThenAppendsUnknownClassesInFirstUse) {
    const auto b = addClass("5Б");
    const auto a1 = addClass("5А");
    const auto unnamed = addClass("");  // listed as "Неизвестный класс"
    const auto a2 = addClass("5А");
    addLesson(77, {{}});       // 0: a class that no longer exists
    addLesson(b, {{}});        // 1
    addLesson(-1, {{}});       // 2
    addLesson(77, {{}});       // 3
    addLesson(a1, {{}});       // 4
    addLesson(99, {{}});       // 5

    std::vector<std::pair<std::int32_t, std::vector<int>>> got;
    for (const auto& g : LessonsByClass(project)) got.emplace_back(g.klass, g.positions);
    const std::vector<std::pair<std::int32_t, std::vector<int>>> expected{
        {a1, {4}}, {a2, {}}, {b, {1}}, {unnamed, {}}, {77, {0, 3}}, {-1, {2}}, {99, {5}}};
    EXPECT_EQ(got, expected);
}

// ---- find rows ----------------------------------------------------------------

TEST_F(LessonsFixture, FindRowsListEverySubgroupWithItsTexts) {
    const auto k = addClass("7А");
    const auto math = addSubject("Алгебра");
    const auto ivanov = addTeacher("Иванов");
    addLesson(k, {{math, ivanov}}, {1, 1, 2});                   // 0
    addLesson(-1, {{}});                                          // 1
    addLesson(k, {{math, 55}, {66, -1}}, {2, 3});                 // 2: records that are gone
    project.lessons.at(0).setSeparatedHours({2});
    sub(2, 1).addLink({idAt(0), 0});

    const auto found = BuildLessonFindRows(project, 2, 1);
    std::vector<std::vector<std::string>> texts;
    std::vector<std::tuple<int, int, bool>> keys;
    for (const auto& r : found.rows) {
        texts.push_back({r.klass, r.number, r.subject, r.hours, r.teacher, r.links});
        keys.emplace_back(r.lessonPosition, r.subgroup, r.hasLinks);
    }
    const std::vector<std::vector<std::string>> expectedTexts{
        {"7А", "1", "Алгебра", "4 *", "Иванов", "Нет"},
        {"7А", "2.1", "Алгебра", "5", "Неизвестный учитель", "Нет"},
        {"7А", "2.2", "Неизвестный предмет", "5", "------", "Да"},
        {"Неизвестный класс", "1", "------", "1", "------", "Нет"},
    };
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(keys, (std::vector<std::tuple<int, int, bool>>{{0, 0, false}, {2, 0, false}, {2, 1, true}, {1, 0, false}}));
    EXPECT_EQ(found.shownRow, 2);
}

TEST_F(LessonsFixture, CopyAppendsTheLessonUnderTheNextIdWithoutClassAndOneSidedLinks) {
    const auto k = addClass("5А");
    const auto other = addClass("6А");
    const auto t = addTeacher("Петров");
    addLesson(k, {{-1, t}}, {2, 2});
    addLesson(other, {{-1, t}});
    sub(0, 0).addLink({idAt(1), 0});
    sub(1, 0).addLink({idAt(0), 0});
    project.lessons.setNextId(10);
    const auto partnerBefore = project.lessons.at(1);

    const int copy = CopyLessonAsNew(project, 0);

    ASSERT_EQ(copy, 2);
    const auto& c = project.lessons.at(copy);
    EXPECT_EQ(c.id, 10);
    EXPECT_EQ(project.lessons.nextId(), 11);
    EXPECT_EQ(c.klass, -1);
    EXPECT_EQ(c.spread(), (std::vector<int>{2, 2}));
    EXPECT_EQ(c.subgroups, project.lessons.at(0).subgroups);
    EXPECT_EQ(project.lessons.at(1), partnerBefore);
    EXPECT_EQ(CopyLessonAsNew(project, 5), -1);
}

// ---- link candidates and applying them ----------------------------------------

class LinkFixture : public LessonsFixture {
protected:
    std::int32_t a = addClass("5А"), b = addClass("5Б"), c = addClass("5В");
    std::int32_t t = addTeacher("Сидоров"), u = addTeacher("Смирнова");
    std::int32_t eng = addSubject("Английский");
    int current = addLesson(a, {{eng, t}, {eng, u}});        // L with S = subgroup 0
    int sameClass = addLesson(a, {{eng, t}});
    int twoOfT = addLesson(b, {{eng, u}, {eng, t}, {eng, t}});
    int otherTeacher = addLesson(c, {{eng, u}});
    int noClass = addLesson(-1, {{eng, t}});
};

TEST_F(LinkFixture, CandidatesAreOneSubgroupPerLessonOfAnotherClassWithTheSameTeacher) {
    const auto rows = candidates(current, 0);
    std::vector<std::pair<std::int32_t, std::int32_t>> got;
    for (const auto& r : rows) got.emplace_back(r.lessonId, r.subgroup);
    EXPECT_EQ(got, (std::vector<std::pair<std::int32_t, std::int32_t>>{{idAt(twoOfT), 1}, {idAt(noClass), 0}}));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].klass, "5Б");
    EXPECT_EQ(rows[0].number, "1.2");
    EXPECT_EQ(rows[0].subject, "Английский");
    EXPECT_EQ(rows[0].teacher, "Сидоров");
    EXPECT_EQ(rows[0].link, "Нет");
}

TEST_F(LinkFixture, ASubgroupWithoutTeacherHasNoCandidates) {
    sub(current, 0).teacher = -1;
    EXPECT_TRUE(candidates(current, 0).empty());
}

TEST_F(LinkFixture, ConfirmingMakesLinksMutualAndSwitchingOffRemovesBothSides) {
    toggleAndConfirm(current, 0, {idAt(twoOfT)});
    EXPECT_EQ(sub(current, 0).links, (std::vector<LessonLink>{{idAt(twoOfT), 1}}));
    EXPECT_EQ(sub(twoOfT, 1).links, (std::vector<LessonLink>{{idAt(current), 0}}));

    const auto reopened = BuildLinkCandidates(project, current, 0);
    EXPECT_EQ(reopened.firstLinkedRow, 0);
    EXPECT_EQ(reopened.rows[0].link, "Да");

    toggleAndConfirm(current, 0, {idAt(twoOfT)});
    EXPECT_TRUE(sub(current, 0).links.empty());
    EXPECT_TRUE(sub(twoOfT, 1).links.empty());
}

TEST_F(LinkFixture, ConfirmingUnchangedKeepsALinkToALaterSubgroupWithTheSameTeacher) {
    sub(current, 0).addLink({idAt(twoOfT), 2});
    sub(twoOfT, 2).addLink({idAt(current), 0});

    const auto rows = candidates(current, 0);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].subgroup, 2);
    EXPECT_TRUE(rows[0].linked);
    ApplyLinkCandidates(project, current, 0, rows);

    EXPECT_EQ(sub(current, 0).links, (std::vector<LessonLink>{{idAt(twoOfT), 2}}));
    EXPECT_EQ(sub(twoOfT, 2).links, (std::vector<LessonLink>{{idAt(current), 0}}));
}

TEST_F(LinkFixture, ConfirmingDropsLinksNotListedAndSkipsLessonsThatAreGone) {
    sub(current, 0).addLink({idAt(sameClass), 0});
    sub(sameClass, 0).addLink({idAt(current), 0});
    sub(current, 0).addLink({999, 0});
    sub(current, 0).addLink({idAt(otherTeacher), 4});  // a subgroup that is gone

    ApplyLinkCandidates(project, current, 0, candidates(current, 0));

    EXPECT_TRUE(sub(current, 0).links.empty());
    EXPECT_TRUE(sub(sameClass, 0).links.empty());
}

TEST_F(LinkFixture, ALinkIsMadeOnBothSidesOrNotAtAllWhenFiveArePresent) {
    for (int i = 0; i < 5; ++i) sub(twoOfT, 1).addLink({100 + i, 0});
    const auto before = sub(twoOfT, 1).links;

    const auto result = toggleAndConfirm(current, 0, {idAt(twoOfT), idAt(noClass)});

    EXPECT_EQ(result.refused, (std::vector<LessonLink>{{idAt(twoOfT), 1}}));
    EXPECT_EQ(sub(twoOfT, 1).links, before);
    EXPECT_EQ(sub(current, 0).links, (std::vector<LessonLink>{{idAt(noClass), 0}}));
    EXPECT_EQ(sub(noClass, 0).links, (std::vector<LessonLink>{{idAt(current), 0}}));
}

// ---- separated hours ----------------------------------------------------------

TEST(SeparatedHours, InitialChecksMarkTheLastUnmarkedEntryOfEachSeparatedValue) {
    struct Case {
        std::vector<int> spread, separated;
        std::vector<bool> checks;
    };
    const std::vector<Case> cases{
        {{1, 1, 2}, {2}, {false, false, true}},
        {{1, 1, 2}, {1}, {false, true, false}},
        {{1, 1, 2}, {1, 1}, {true, true, false}},
        {{1, 1, 2}, {3}, {false, false, false}},
        {{1, 1, 2}, {}, {false, false, false}},
    };
    for (const auto& c : cases) {
        TLessonItem lesson;
        ASSERT_TRUE(lesson.setSpread(c.spread));
        ASSERT_TRUE(lesson.setSeparatedHours(c.separated));
        EXPECT_EQ(SeparatedHoursChecks(lesson), c.checks) << c.separated.size();
    }
}

TEST(SeparatedHours, ConfirmingWritesCheckedValuesFromTheLastDownFromEntry21) {
    TLessonItem lesson;
    lesson.setSpread({1, 1, 2});
    lesson.setSeparatedHours({2});
    auto checks = SeparatedHoursChecks(lesson);
    checks[0] = true;

    EXPECT_EQ(ApplySeparatedHoursChecks(lesson, checks), std::nullopt);
    EXPECT_EQ(lesson.hourEntries[20], 2);
    EXPECT_EQ(lesson.hourEntries[19], 1);
    EXPECT_EQ(lesson.hourEntries[18], 0);
    EXPECT_EQ(lesson.spread(), (std::vector<int>{1, 1, 2}));

    EXPECT_EQ(ApplySeparatedHoursChecks(lesson, {false, false, false}), std::nullopt);
    EXPECT_FALSE(lesson.hasSeparatedHours());
}

TEST(SeparatedHours, ASeparationThatWouldOverlapTheSpreadIsRefused) {
    TLessonItem lesson;
    lesson.setSpread(std::vector<int>(15, 1));
    const auto before = lesson.hourEntries;
    std::vector<bool> checks(15, false);
    for (int i = 0; i < 6; ++i) checks[static_cast<std::size_t>(i)] = true;

    EXPECT_EQ(ApplySeparatedHoursChecks(lesson, checks), TextId::SeparatedHoursOverlapError);
    EXPECT_EQ(lesson.hourEntries, before);
}

// ---- the lessons editor's fields -----------------------------------------------

TEST(PupilSplit, FirstSubgroupsTakeTheRemainder) {
    struct Case {
        int total, subgroups;
        std::vector<std::uint16_t> pupils;
    };
    for (const auto& c : std::vector<Case>{{25, 2, {13, 12}}, {25, 3, {9, 8, 8}}, {30, 4, {8, 8, 7, 7}}, {2, 5, {1, 1, 0, 0, 0}}})
        EXPECT_EQ(SplitPupils(c.total, c.subgroups), c.pupils) << c.total << "/" << c.subgroups;
}

TEST_F(LessonsFixture, PupilsComeFromTheClassOrAre30WithoutOne) {
    const auto k = addClass("9А", 25);
    struct Case {
        std::int32_t klass;
        std::vector<std::uint16_t> pupils;
    };
    for (const auto& c : std::vector<Case>{{k, {9, 8, 8}}, {-1, {10, 10, 10}}, {123, {10, 10, 10}}}) {
        TLessonItem lesson;
        lesson.klass = c.klass;
        lesson.setSubgroupCount(3);
        DistributePupils(lesson, project.klasses);
        std::vector<std::uint16_t> got;
        for (const auto& s : lesson.subgroups) got.push_back(s.children);
        EXPECT_EQ(got, c.pupils) << c.klass;
    }
}

TEST_F(LessonsFixture, SubgroupCountFieldReplacesTheSubgroups) {
    const auto k = addClass("9А", 25);
    const auto t = addTeacher("Орлова");
    using Kind = LessonFieldChange::Kind;
    struct Case {
        std::string text;
        Kind kind;
        int count;  // subgroups afterwards
        std::optional<std::string> rewrite;
    };
    const std::vector<Case> cases{
        {"", Kind::Unchanged, 2, std::nullopt},
        {"abc", Kind::Refused, 2, std::nullopt},
        {"7", Kind::Changed, 5, "5"},
        {"0", Kind::Changed, 1, "1"},
        {"-3", Kind::Changed, 1, "1"},
        {"2", Kind::Changed, 2, "2"},
    };
    for (const auto& c : cases) {
        const int pos = addLesson(k, {{1, t}, {2, t}});
        sub(pos, 0).addLink({42, 0});
        auto& lesson = project.lessons.at(pos);
        const auto before = lesson;

        const auto change = ApplySubgroupCountText(lesson, project.klasses, c.text);

        EXPECT_EQ(change.kind, c.kind) << c.text;
        EXPECT_EQ(change.rewrite, c.rewrite) << c.text;
        EXPECT_EQ(lesson.subgroupCount(), c.count) << c.text;
        if (c.kind == Kind::Refused) {
            EXPECT_EQ(change.message, TextId::SubgroupCountError);
        }
        if (c.kind != Kind::Changed) {
            EXPECT_EQ(lesson, before) << c.text;
            continue;
        }
        const auto pupils = SplitPupils(25, c.count);
        for (int i = 0; i < c.count; ++i) {
            const auto& s = lesson.subgroups[static_cast<std::size_t>(i)];
            EXPECT_EQ(s.teacher, -1) << c.text;
            EXPECT_EQ(s.subject, -1) << c.text;
            EXPECT_TRUE(s.links.empty()) << c.text;
            EXPECT_EQ(s.children, pupils[static_cast<std::size_t>(i)]) << c.text;
        }
    }
}

TEST(SpreadField, KeepsSeparatedHoursAndRefusesASpreadThatLeavesThemNoRoom) {
    using Kind = LessonFieldChange::Kind;
    TLessonItem lesson;
    lesson.setSpread({1, 2, 2});
    lesson.setSeparatedHours({2, 2, 1});

    auto change = ApplySpreadText(lesson, "1,1,2,2");
    EXPECT_EQ(change.kind, Kind::Changed);
    EXPECT_EQ(lesson.spread(), (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(lesson.separatedHours(), (std::vector<int>{2, 2, 1}));

    const auto before = lesson;
    std::string eighteen = "1";
    for (int i = 1; i < 18; ++i) eighteen += ",1";
    change = ApplySpreadText(lesson, eighteen);
    EXPECT_EQ(change.kind, Kind::Refused);
    EXPECT_EQ(change.message, TextId::SeparatedHoursOverlapError);
    EXPECT_EQ(lesson, before);

    change = ApplySpreadText(lesson, "2,1");
    EXPECT_EQ(change.kind, Kind::Refused);
    EXPECT_EQ(change.message, TextId::SpreadError);
    EXPECT_EQ(lesson, before);

    EXPECT_EQ(ApplySpreadText(lesson, "").kind, Kind::Unchanged);
    EXPECT_EQ(lesson, before);
}

}  // namespace
}  // namespace lovaris
