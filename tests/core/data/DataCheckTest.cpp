#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/data/DataCheck.h"
#include "core/data/WeekAvailability.h"

using namespace lovaris;

namespace {

using Lines = std::vector<std::string>;

const std::string kNoErrors = "1. Ошибок не обнаружено.";

struct Sub {
    std::int32_t subject = -1;
    std::int32_t teacher = -1;
    std::uint16_t children = 30;
    std::vector<LessonLink> links = {};
};

// Builds a project in code. Records made by the helpers are complete, so a test
// only adds the fault it is about.
class DataCheckTest : public ::testing::Test {
protected:
    Project p;

    std::int32_t addRoom(const std::string& name) {
        auto& r = p.rooms.add();
        r.setName(name);
        return r.id;
    }
    std::int32_t addSubject(const std::string& name) {
        auto& s = p.subjects.add();
        s.setName(name);
        return s.id;
    }
    std::int32_t addClass(const std::string& name, std::uint16_t children = 30) {
        auto& k = p.klasses.add();
        k.setName(name);
        k.children = children;
        k.insertStartingLesson(1);
        return k.id;
    }
    std::int32_t addTeacher(const std::string& name, std::int32_t plannedHours = 0) {
        auto& t = p.teachers.add();
        t.setName(name);
        t.plannedHours = plannedHours;
        return t.id;
    }
    std::int32_t addLesson(std::int32_t klass, const std::vector<int>& spread, const std::vector<Sub>& subs) {
        auto& l = p.lessons.add();
        l.klass = klass;
        l.setSpread(spread);
        l.setSubgroupCount(static_cast<int>(subs.size()));
        for (std::size_t k = 0; k < subs.size(); ++k) {
            auto& s = l.subgroups[k];
            s.subject = subs[k].subject;
            s.teacher = subs[k].teacher;
            s.children = subs[k].children;
            for (const auto& link : subs[k].links) s.addLink(link);
        }
        return l.id;
    }
    TLessonItem& lesson(std::int32_t id) { return *p.lessons.findById(id); }
    TTeacherItem& teacher(std::int32_t id) { return *p.teachers.findById(id); }
    TKlassItem& klass(std::int32_t id) { return *p.klasses.findById(id); }

    Lines page(EditorKind kind) const {
        return RunDataCheck(p).pages[static_cast<std::size_t>(kind)];
    }
};

void MarkDayBusy(TKlassItem& klass, int day) {
    for (int lesson = 1; lesson <= kMaxLessonsPerDay; ++lesson) klass.busy.set(day, lesson, 1);
}

}  // namespace

TEST_F(DataCheckTest, EmptyProjectHasOneLinePerPage) {
    const auto report = RunDataCheck(p);
    for (const auto& lines : report.pages) EXPECT_EQ(lines, Lines{kNoErrors});
    EXPECT_TRUE(report.clean());
}

TEST_F(DataCheckTest, CompleteSchoolIsClean) {
    const auto room = addRoom("101");
    const auto math = addSubject("Математика");
    p.subjects.at(0).insertWishedRoom(0, room);
    const auto k5a = addClass("5А", 25);
    klass(k5a).attachedRoom = room;
    const auto k5b = addClass("5Б", 25);
    klass(k5a).appendParallel(k5b);
    const auto ivanov = addTeacher("Иванов И. И.", 8);
    addLesson(k5a, {2, 2}, {{math, ivanov, 25}});
    addLesson(k5b, {2, 2}, {{math, ivanov, 25}});

    const auto report = RunDataCheck(p);
    for (const auto& lines : report.pages) EXPECT_EQ(lines, Lines{kNoErrors});
    EXPECT_TRUE(report.clean());
}

TEST_F(DataCheckTest, RoomWithTwoFindingsNumbersThem) {
    addRoom("Спортзал");
    auto& room = p.rooms.at(0);
    room.specialization = 0;
    room.generalUse = 0;
    room.seats = 0;

    const auto report = RunDataCheck(p);
    EXPECT_EQ(report.pages[0],
              (Lines{"1. Спортзал: при общей специализации кабинет не может быть строго специализирован.",
                     "2. Спортзал: задайте число мест."}));
    EXPECT_FALSE(report.clean());
}

// One record with one fault: which page gets which line.
TEST_F(DataCheckTest, RecordFindings) {
    struct Case {
        const char* what;
        std::function<void(Project&)> fault;
        EditorKind kind;
        Lines expected;
    };
    const Case cases[] = {
        {"unnamed room", [](Project& p) { p.rooms.at(0).name.clear(); }, EditorKind::Rooms,
         {"1. Неизвестный кабинет: задайте имя."}},
        {"room named as the placeholder", [](Project& p) { p.rooms.at(0).name = "Неизвестный кабинет"; },
         EditorKind::Rooms, {"1. Неизвестный кабинет: задайте имя."}},
        {"specialized strict room is fine",
         [](Project& p) {
             p.rooms.at(0).specialization = 3;
             p.rooms.at(0).generalUse = 0;
         },
         EditorKind::Rooms, {kNoErrors}},
        {"unnamed subject", [](Project& p) { p.subjects.at(0).name.clear(); }, EditorKind::Subjects,
         {"1. Неизвестный предмет: задайте имя."}},
        {"strict general subject", [](Project& p) { p.subjects.at(0).generalUse = 0; }, EditorKind::Subjects,
         {"1. Математика: при общей специализации предмет не может быть строго специализирован."}},
        {"subject coefficient 0", [](Project& p) { p.subjects.at(0).sanitaryCoefficient = 0; },
         EditorKind::Subjects, {"1. Математика: задайте коэффициент сложности предмета."}},
        {"two deleted recommended rooms, reported once",
         [](Project& p) {
             p.subjects.at(0).insertWishedRoom(9, 70);
             p.subjects.at(0).insertWishedRoom(9, 71);
         },
         EditorKind::Subjects, {"1. Математика: одна из ссылок на рекомендуемые кабинеты некорректна."}},
        {"unnamed class", [](Project& p) { p.klasses.at(0).name.clear(); }, EditorKind::Classes,
         {"1. Неизвестный класс: задайте имя."}},
        {"class without pupils", [](Project& p) { p.klasses.at(0).children = 0; }, EditorKind::Classes,
         {"1. 5А: задайте число учеников."}},
        {"class without starting lessons", [](Project& p) { p.klasses.at(0).startingLessons.clear(); },
         EditorKind::Classes, {"1. 5А: задайте номера уроков, с которых могут начинаться занятия."}},
        {"class attached to a deleted room", [](Project& p) { p.klasses.at(0).attachedRoom = 70; },
         EditorKind::Classes, {"1. 5А: ссылка на прикрепленный кабинет некорректна."}},
        {"two deleted parallels, reported once",
         [](Project& p) {
             p.klasses.at(0).appendParallel(70);
             p.klasses.at(0).appendParallel(71);
         },
         EditorKind::Classes, {"1. 5А: одна из ссылок на параллельные классы некорректна."}},
        {"unnamed teacher",
         [](Project& p) { p.teachers.at(0).name.clear(); },
         EditorKind::Teachers, {"1. Неизвестный учитель: задайте имя."}},
        {"teacher attached to a deleted room", [](Project& p) { p.teachers.at(0).attachedRoom = 70; },
         EditorKind::Teachers, {"1. Иванов: ссылка на прикрепленный кабинет некорректна."}},
    };
    for (const auto& c : cases) {
        p = Project{};
        addRoom("101");
        addSubject("Математика");
        addClass("5А");
        addTeacher("Иванов");
        c.fault(p);
        const auto report = RunDataCheck(p);
        EXPECT_EQ(report.pages[static_cast<std::size_t>(c.kind)], c.expected) << c.what;
        for (int kind = 0; kind < kEditorKinds; ++kind) {
            if (kind == static_cast<int>(c.kind)) continue;
            EXPECT_EQ(report.pages[static_cast<std::size_t>(kind)], Lines{kNoErrors}) << c.what;
        }
    }
}

TEST_F(DataCheckTest, FreeDaysAreTakenFromTheWeek) {
    p.params.lessonsPerDay = 6;
    const auto t = addTeacher("Петров", 25);
    teacher(t).freeDays = 2;
    EXPECT_EQ(TeacherAvailableHours(teacher(t), 6), 24);
    EXPECT_EQ(page(EditorKind::Teachers),
              Lines{"1. Петров: число свободных часов (с учетом свободных дней) меньше, чем требуется по уч. плану."});

    teacher(t).plannedHours = 24;
    EXPECT_EQ(page(EditorKind::Teachers), Lines{kNoErrors});
}

TEST(WeekAvailability, TeacherAvailableHours) {
    // Monday and Wednesday have two teachable lessons of six, the other days all six.
    TTeacherItem t;
    for (int lesson = 3; lesson <= 6; ++lesson) {
        t.busy.set(1, lesson, kTeacherBusy);
        t.busy.set(3, lesson, kTeacherBusy);
    }
    t.busy.set(2, 1, kTeacherWishLow);  // a wish not to teach still counts as teachable
    struct Case {
        int freeDays;
        std::int64_t hours;
    };
    const Case cases[] = {
        {0, 28}, {1, 26}, {2, 24}, {3, 18}, {6, 0},
        {7, -7},  // a day taken a second time counts lessonsPerDay + 1
        {-1, 28},
        {2147483647, -2147483641LL * 7},  // no loop over the free days
    };
    for (const auto& c : cases) {
        t.freeDays = c.freeDays;
        EXPECT_EQ(TeacherAvailableHours(t, 6), c.hours) << c.freeDays << " free days";
    }
}

TEST(WeekAvailability, WorkingDays) {
    TKlassItem k;
    EXPECT_EQ(ClassWorkingDays(k, 8), 6);
    for (int lesson = 1; lesson <= 8; ++lesson) k.busy.set(6, lesson, 1);
    EXPECT_EQ(ClassWorkingDays(k, 8), 5);
    EXPECT_EQ(ClassWorkingDays(k, 9), 6) << "lesson 9 of Saturday is free";
    EXPECT_EQ(ClassWorkingDays(k, 0), 0);

    TTeacherItem t;
    t.busy.set(1, 1, kTeacherBusy);
    EXPECT_EQ(TeacherWorkingDays(t, 1), 5);
    t.freeDays = 2;
    EXPECT_EQ(TeacherWorkingDays(t, 1), 4);
    t.freeDays = 7;
    EXPECT_EQ(TeacherWorkingDays(t, 1), -1);
    t.freeDays = -2147483647 - 1;
    EXPECT_EQ(TeacherWorkingDays(t, 1), 5);
}

TEST_F(DataCheckTest, LinkedSubgroupsCountHoursOnce) {
    const auto k5a = addClass("5А");
    const auto k5b = addClass("5Б");
    const auto music = addSubject("Музыка");
    const auto t = addTeacher("Сидорова", 3);
    for (const auto& order : {std::vector<std::int32_t>{4, 9}, std::vector<std::int32_t>{9, 4}}) {
        p.lessons = TLessonsCollection{};
        p.lessons.setNextId(order[0]);
        addLesson(order[0] == 4 ? k5a : k5b, {1, 2}, {{music, t, 30, {{order[1], 0}}}});
        p.lessons.setNextId(order[1]);
        addLesson(order[1] == 4 ? k5a : k5b, {1, 2}, {{music, t, 30, {{order[0], 0}}}});
        EXPECT_EQ(page(EditorKind::Lessons), Lines{kNoErrors}) << "lesson " << order[0] << " first";
    }

    teacher(t).plannedHours = 6;
    EXPECT_EQ(page(EditorKind::Lessons),
              Lines{"1. Сидорова: суммарное количество часов (3) не совпадает с требуемым по уч. плану (6)."});
}

// The hours of a linked subgroup go to the smaller lesson ID, whatever the collection order.
TEST_F(DataCheckTest, OneWayLinksCountHoursByLessonId) {
    const auto k = addClass("5А");
    const auto music = addSubject("Музыка");
    const auto t = addTeacher("Сидорова", 3);
    p.lessons.setNextId(9);
    addLesson(k, {1, 2}, {{music, t, 30, {{4, 0}}}});
    p.lessons.setNextId(4);
    addLesson(k, {1, 2}, {{music, t, 30}});
    EXPECT_EQ(page(EditorKind::Lessons), Lines{"1. 5А, Музыка, Группа 1: одна из связок не взаимна."})
        << "lesson 9 names lesson 4: counted there only";

    lesson(9).subgroups[0].links.clear();
    lesson(4).subgroups[0].addLink({9, 0});
    EXPECT_EQ(page(EditorKind::Lessons),
              (Lines{"1. 5А, Музыка, Группа 1: одна из связок не взаимна.",
                     "2. Сидорова: суммарное количество часов (6) не совпадает с требуемым по уч. плану (3)."}))
        << "lesson 4 names lesson 9: both count";
}

TEST_F(DataCheckTest, LinkToAMissingSubgroupEndsTheLinkChecks) {
    const auto k = addClass("7В");
    const auto subject = addSubject("Труд");
    const auto t = addTeacher("Кузнецов");
    const auto b = addLesson(k, {1}, {{subject, t, 15}, {subject, t, 15}});
    const auto c = addLesson(k, {1}, {{subject, t, 30}});
    // Subgroup 3 of a two-subgroup lesson, then a link the other lesson does not return.
    const auto a = addLesson(k, {1}, {{subject, t, 30, {{b, 2}, {c, 0}}}});
    teacher(t).plannedHours = 3;

    EXPECT_EQ(page(EditorKind::Lessons), Lines{"1. 7В, Труд, Группа 1: одна из связок некорректна."});

    lesson(a).subgroups[0].links = {{c, 0}, {b, 2}};
    EXPECT_EQ(page(EditorKind::Lessons), Lines{"1. 7В, Труд, Группа 1: одна из связок не взаимна."});

    // A deleted lesson with a larger ID: the hours count here as well.
    lesson(a).subgroups[0].links = {{77, 0}};
    EXPECT_EQ(page(EditorKind::Lessons),
              (Lines{"1. 7В, Труд, Группа 1: одна из связок некорректна.",
                     "2. Кузнецов: суммарное количество часов (4) не совпадает с требуемым по уч. плану (3)."}));
}

// Two mutually linked lessons of one teacher, then one difference between them.
TEST_F(DataCheckTest, LinkFindings) {
    struct Case {
        const char* what;
        std::function<void(TLessonItem& a, TLessonItem& b)> change;
        Lines expected;
    };
    const Case cases[] = {
        {"matching", [](TLessonItem&, TLessonItem&) {}, {kNoErrors}},
        {"not mutual",
         [](TLessonItem&, TLessonItem& b) { b.subgroups[0].links.clear(); },
         {"1. 6А, Алгебра, Группа 1: одна из связок не взаимна.",
          "2. Орлов: суммарное количество часов (6) не совпадает с требуемым по уч. плану (3)."}},
        {"back link from another subgroup of the other lesson",
         [](TLessonItem&, TLessonItem& b) {
             b.subgroups[0].links.clear();
             b.subgroups.push_back(b.subgroups[0]);
             b.subgroups[1].addLink({0, 0});
             b.subgroups[0].children = 15;
             b.subgroups[1].children = 15;
         },
         // 6А's link is returned by the second subgroup of 6Б, which is enough; that
         // subgroup's own link is not returned by 6А.
         {"1. 6Б, Алгебра/Алгебра, Группа 2: одна из связок не взаимна.",
          "2. Орлов: суммарное количество часов (6) не совпадает с требуемым по уч. плану (3)."}},
        {"other teacher",
         [](TLessonItem&, TLessonItem& b) { b.subgroups[0].teacher = 1; },
         {"1. 6А, Алгебра, Группа 1: у одной из связанных подгрупп другой учитель.",
          "2. 6Б, Алгебра, Группа 1: у одной из связанных подгрупп другой учитель."}},
        {"other subject",
         [](TLessonItem&, TLessonItem& b) { b.subgroups[0].subject = 1; },
         {"1. 6А, Алгебра, Группа 1: у одной из связанных подгрупп другой предмет.",
          "2. 6Б, Геометрия, Группа 1: у одной из связанных подгрупп другой предмет."}},
        {"other spread",
         [](TLessonItem&, TLessonItem& b) { b.setSpread({3}); },
         {"1. 6А, Алгебра, Группа 1: у одной из связанных подгрупп другая почасовая раскладка.",
          "2. 6Б, Алгебра, Группа 1: у одной из связанных подгрупп другая почасовая раскладка."}},
        {"other separated hours",
         [](TLessonItem&, TLessonItem& b) { b.setSeparatedHours({1}); },
         {"1. 6А, Алгебра, Группа 1: у одной из связанных подгрупп другая почасовая раскладка.",
          "2. 6Б, Алгебра, Группа 1: у одной из связанных подгрупп другая почасовая раскладка."}},
        {"first finding ends the link checks",
         [](TLessonItem& a, TLessonItem& b) {
             b.subgroups[0].teacher = 1;
             a.subgroups[0].addLink({55, 0});
         },
         {"1. 6А, Алгебра, Группа 1: у одной из связанных подгрупп другой учитель.",
          "2. 6Б, Алгебра, Группа 1: у одной из связанных подгрупп другой учитель."}},
    };
    for (const auto& c : cases) {
        p = Project{};
        const auto algebra = addSubject("Алгебра");
        addSubject("Геометрия");
        addTeacher("Орлов", 3);
        addTeacher("Белова", 0);
        const auto a = addLesson(addClass("6А"), {1, 2}, {{algebra, 0, 30, {{1, 0}}}});
        const auto b = addLesson(addClass("6Б"), {1, 2}, {{algebra, 0, 30, {{0, 0}}}});
        c.change(lesson(a), lesson(b));
        EXPECT_EQ(page(EditorKind::Lessons), c.expected) << c.what;
    }
}

TEST_F(DataCheckTest, PlaceholderTitles) {
    const auto t = addTeacher("Зайцев", 4);
    addLesson(-1, {2}, {{-1, t, 10}, {99, t, 10}});
    addLesson(42, {2}, {{-1, -1, 10}});
    EXPECT_EQ(page(EditorKind::Lessons),
              (Lines{"1. Неизвестный класс: задайте класс, в котором проводится урок.",
                     "2. Неизвестный класс, -----/-----, Группа 1: укажите предмет.",
                     "3. Неизвестный класс, -----/-----, Группа 2: ссылка на предмет некорректна.",
                     "4. Неизвестный класс: ссылка на класс, в котором проводится урок, некорректна.",
                     "5. Неизвестный класс, -----: все подгруппы пусты."}))
        << "without a class the pupils are not compared";
}

TEST_F(DataCheckTest, LessonFindingsComeInStepOrder) {
    addLesson(-1, {}, {{}, {}});
    lesson(0).setSeparatedHours({2});
    lesson(0).subgroups[1].addLink({8, 0});
    EXPECT_EQ(page(EditorKind::Lessons),
              (Lines{"1. Неизвестный класс: задайте класс, в котором проводится урок.",
                     "2. Неизвестный класс, -----/-----: задайте почасовую раскладку.",
                     "3. Неизвестный класс, -----/-----: \"отделены\" часы, отсутствующие в раскладке.",
                     "4. Неизвестный класс, -----/-----: все подгруппы пусты.",
                     "5. Неизвестный класс, -----/-----, Группа 2: одна из связок некорректна."}));

    p = Project{};
    const auto k = addClass("8А", 30);
    MarkDayBusy(klass(k), 6);
    const auto t = addTeacher("Львова", 6);
    const auto s = addSubject("Химия");
    teacher(t).freeDays = 1;
    addLesson(k, {1, 1, 1, 1, 1, 1}, {{s, -1, 20}, {-1, t, 5}});
    EXPECT_EQ(page(EditorKind::Lessons),
              (Lines{"1. 8А, Химия/-----: для осуществления указанной раскладки числа рабочих дней класса "
                     "недостаточно.",
                     "2. 8А, Химия/-----: общее число учеников в подгруппах не равно числу учеников в классе.",
                     "3. 8А, Химия/-----, Группа 1: укажите учителя.",
                     "4. 8А, Химия/-----, Группа 2: укажите предмет.",
                     "5. 8А, Химия/-----, Группа 2: для осуществления указанной раскладки числа рабочих дней учителя "
                     "недостаточно."}));
}

// Required days D = max(n - m, m) against a class free on five days and a teacher
// with one free day (five days as well).
TEST_F(DataCheckTest, RequiredDays) {
    struct Case {
        std::vector<int> spread;
        std::vector<int> separated;
        bool tooFew;
    };
    const Case cases[] = {
        {{1, 1, 1, 1, 1}, {}, false},
        {{1, 1, 1, 1, 1, 1}, {}, true},
        {{1, 1, 1, 1, 1, 1}, {1}, false},
        {{1, 1, 1, 1, 1, 1}, {1, 1, 1}, false},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, true},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, false},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, true},  // m = 6 outweighs n - m = 4
    };
    for (const auto& c : cases) {
        p = Project{};
        const auto k = addClass("9А");
        MarkDayBusy(klass(k), 3);
        int hours = 0;
        for (int v : c.spread) hours += v;
        const auto t = addTeacher("Соколов", hours);
        teacher(t).freeDays = 1;
        const auto l = addLesson(k, c.spread, {{addSubject("Право"), t, 30}});
        lesson(l).setSeparatedHours(c.separated);
        Lines expected{kNoErrors};
        if (c.tooFew)
            expected = {"1. 9А, Право: для осуществления указанной раскладки числа рабочих дней класса недостаточно.",
                        "2. 9А, Право, Группа 1: для осуществления указанной раскладки числа рабочих дней учителя "
                        "недостаточно."};
        EXPECT_EQ(page(EditorKind::Lessons), expected) << c.spread.size() << " blocks, " << c.separated.size()
                                                       << " separated";
    }
}

TEST_F(DataCheckTest, SixBlocksInAFiveDayClass) {
    p.params.lessonsPerDay = 6;
    const auto k = addClass("1А");
    // Saturday is closed only at lessons 1..6; lessons past lessonsPerDay do not count.
    for (int lesson = 1; lesson <= 6; ++lesson) klass(k).busy.set(6, lesson, 1);
    const auto t = addTeacher("Морозова", 6);
    addLesson(k, {1, 1, 1, 1, 1, 1}, {{addSubject("Чтение"), t, 30}});
    EXPECT_EQ(page(EditorKind::Lessons),
              Lines{"1. 1А, Чтение: для осуществления указанной раскладки числа рабочих дней класса недостаточно."});
}

TEST_F(DataCheckTest, SeparatedHoursMustBeInTheSpread) {
    const auto k = addClass("2А");
    const auto t = addTeacher("Егорова", 3);
    const auto l = addLesson(k, {1, 2}, {{addSubject("Письмо"), t, 30}});
    lesson(l).setSeparatedHours({2});
    EXPECT_EQ(page(EditorKind::Lessons), Lines{kNoErrors});
    lesson(l).setSeparatedHours({3});
    EXPECT_EQ(page(EditorKind::Lessons),
              Lines{"1. 2А, Письмо: \"отделены\" часы, отсутствующие в раскладке."});
}

TEST_F(DataCheckTest, TeacherHoursAloneFillTheLessonsPage) {
    addTeacher("Волков", 5);
    addTeacher("Зуева", 0);
    const auto report = RunDataCheck(p);
    EXPECT_EQ(report.pages[static_cast<std::size_t>(EditorKind::Lessons)],
              Lines{"1. Волков: суммарное количество часов (0) не совпадает с требуемым по уч. плану (5)."});
    EXPECT_EQ(report.pages[static_cast<std::size_t>(EditorKind::Teachers)], Lines{kNoErrors});
    EXPECT_FALSE(report.clean());
}

TEST_F(DataCheckTest, CountedHoursWrapAt16Bits) {
    p.params.lessonsPerDay = 24;
    const auto k = addClass("11А");
    const auto s = addSubject("Астрономия");
    const auto t = addTeacher("Гагарин", 1);
    addLesson(k, {65535}, {{s, t, 30}});
    addLesson(k, {2}, {{s, t, 30}});
    EXPECT_EQ(page(EditorKind::Lessons), Lines{kNoErrors}) << "65537 hours are held as 1";
}

TEST_F(DataCheckTest, EmptySubgroupsAreNotAskedForSubjectAndTeacher) {
    const auto k = addClass("3А");
    const auto t = addTeacher("Никитина", 2);
    addLesson(k, {2}, {{addSubject("Пение"), t, 30}, {-1, -1, 0}});
    EXPECT_EQ(page(EditorKind::Lessons), Lines{kNoErrors});
}
