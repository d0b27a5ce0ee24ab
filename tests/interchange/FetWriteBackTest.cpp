// A week written back into the FET file its project was imported from.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "FetFixtures.h"
#include "interchange/FetSchoolRead.h"
#include "interchange/FetWriteBack.h"
#include "interchange/XmlTree.h"

namespace lovaris::interchange::test {
namespace {

constexpr std::string_view kFixture = "week-write-back.fet";

std::vector<std::uint8_t> FixtureBytes() {
    return *ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/fet/" + std::string(kFixture));
}

struct Locks {
    std::map<int, std::pair<std::string, std::string>> times;  // activity -> (day, hour): the last lock
    std::map<int, int> timeLocks;                               // activity -> how many locks
    std::map<int, std::string> rooms;
    std::map<std::string, int> kinds;  // every constraint of the file, by kind
};

Locks ReadLocks(const std::vector<std::uint8_t>& bytes) {
    const XmlTreeResult tree = ReadXmlTree(bytes);
    EXPECT_TRUE(tree.root) << tree.error;
    Locks locks;
    if (!tree.root) return locks;
    for (const auto& list : tree.root->children)
        for (const auto& c : list.children) {
            ++locks.kinds[c.name];
            const int id = std::atoi(c.childText("Activity_Id").c_str());
            if (c.name == "ConstraintActivityPreferredStartingTime") {
                ++locks.timeLocks[id];
                locks.times[id] = {c.childText("Preferred_Day"), c.childText("Preferred_Hour")};
            } else if (c.name == "ConstraintActivityPreferredRoom") {
                locks.rooms[id] = c.childText("Room");
            }
        }
    return locks;
}

// A week built by hand: lessons placed block by block, each hour's subgroups in rooms.
class HandWeek {
public:
    explicit HandWeek(const Project& p) : p_(p) {}

    const TLessonItem& lesson(std::string_view klass, std::string_view subject) const {
        for (const auto& l : p_.lessons) {
            const TSubjectItem* s = p_.subjects.findById(l.subgroups[0].subject);
            if (p_.klasses.at(p_.klasses.indexOfId(l.klass)).name == klass && s && s->name == subject) return l;
        }
        throw std::runtime_error("no lesson of " + std::string(subject) + " in " + std::string(klass));
    }
    int room(std::string_view name) const {
        for (int r = 0; r < p_.rooms.count(); ++r)
            if (p_.rooms.at(r).name == name) return r;
        return -1;
    }
    // `rooms` by subgroup teacher's name; a subgroup not named has none.
    void place(const TLessonItem& l, int day, int start, int length, const std::map<std::string, std::string>& rooms) {
        for (int h = start; h < start + length; ++h) {
            TimetableHour hour{day, h, p_.klasses.indexOfId(l.klass), l.id, 0, {}};
            for (const auto& sub : l.subgroups) {
                TimetableSubgroup placed;
                const TTeacherItem* t = p_.teachers.findById(sub.teacher);
                if (const auto r = rooms.find(t ? t->name : ""); r != rooms.end()) placed.roomIndex = room(r->second);
                hour.subgroups.push_back(placed);
            }
            week.hours.push_back(hour);
        }
    }

    TimetableWeek week;

private:
    const Project& p_;
};

TEST(FetWriteBack, LocksEachPlacedActivityAtItsDayHourAndRoomAndKeepsTheFile) {
    const auto bytes = FixtureBytes();
    const auto imported = ImportFet(bytes);
    ASSERT_TRUE(imported.project) << imported.error;
    const Project& p = *imported.project;
    HandWeek w(p);
    // Math of 7a: FET's 2 + 1 + 1 as the spread 1, 1, 2.
    const auto& math = w.lesson("7a", "Math");
    w.place(math, 1, 1, 1, {{"Anna", "R1"}});
    w.place(math, 2, 1, 1, {{"Anna", "R1"}});
    w.place(math, 3, 2, 2, {{"Anna", "R2"}});
    // Art of 7b: six single hours of a five-day week, two of them joined into a double.
    const auto& art = w.lesson("7b", "Art");
    for (int day = 1; day <= 4; ++day) w.place(art, day, 4, 1, {});
    w.place(art, 5, 5, 2, {{"Dmitri", "R2"}});
    // Sport of both classes with two teachers: linked lessons, FET's one activity.
    w.place(w.lesson("7a", "Sport"), 4, 5, 2, {{"Boris", "R1"}, {"Clara", "Gym & hall"}});
    w.place(w.lesson("7b", "Sport"), 4, 5, 2, {{"Boris", "Gym & hall"}});
    // The halves' English: one lesson, a subgroup each.
    w.place(w.lesson("7a", "English"), 5, 1, 1, {{"Clara", "R2"}, {"Dmitri", "R1"}});

    const FetWriteBack written = WriteWeekIntoFet(bytes, p, w.week);
    ASSERT_EQ(written.error, "");
    const Locks locks = ReadLocks(written.bytes);

    using Time = std::pair<std::string, std::string>;
    EXPECT_EQ(locks.times.at(1), Time("We", "9:00"));
    EXPECT_EQ((std::set{locks.times.at(2), locks.times.at(3)}), (std::set<Time>{{"Mo", "8:00"}, {"Tu", "8:00"}}));
    EXPECT_EQ(locks.rooms.at(1), "R2");
    EXPECT_EQ(locks.rooms.at(2), "R1");
    std::multiset<Time> artTimes;
    for (int id = 13; id <= 18; ++id) artTimes.insert(locks.times.at(id));
    EXPECT_EQ(artTimes, (std::multiset<Time>{{"Mo", "11:00"}, {"Tu", "11:00"}, {"We", "11:00"}, {"Th", "11:00"},
                                             {"Fr", "12:00"}, {"Fr", "13:00 & later"}}));
    EXPECT_EQ(locks.times.at(6), Time("Th", "12:00"));
    EXPECT_EQ(locks.rooms.at(6), "Gym & hall") << "of the rooms its teachers are in, the one its subject wishes for";
    EXPECT_EQ(locks.times.at(7), Time("Fr", "8:00"));
    EXPECT_EQ(locks.times.at(8), Time("Fr", "8:00"));
    EXPECT_EQ(locks.rooms.at(7), "R2");
    EXPECT_EQ(locks.rooms.at(8), "R1");
    EXPECT_EQ(written.lockedTimes, 12);
    for (const auto& [id, count] : locks.timeLocks) EXPECT_EQ(count, 1) << "activity " << id << " locked twice";
    EXPECT_EQ(written.lockedRooms, 8);  // Art's singles have no room

    EXPECT_EQ(written.unplaced, (std::vector{4, 5, 10, 11, 12}));
    EXPECT_EQ(written.leftOut, (std::vector{9})) << "a duty without students is not in the project";
    EXPECT_EQ(locks.kinds.at("ConstraintBasicCompulsoryTime"), 1);
    EXPECT_EQ(locks.kinds.at("ConstraintActivitiesSameStartingTime"), 1);
    EXPECT_EQ(locks.kinds.at("ConstraintStudentsSetHomeRoom"), 2);
    EXPECT_TRUE(ReadFetSchool(written.bytes).school) << "the written file is a FET school again";

    const FetWriteBack timesOnly = WriteWeekIntoFet(bytes, p, w.week, false);
    EXPECT_EQ(ReadLocks(timesOnly.bytes).times, locks.times);
    EXPECT_TRUE(ReadLocks(timesOnly.bytes).rooms.empty());
    EXPECT_EQ(timesOnly.lockedRooms, 0);
}

// Chemistry by two teachers is one FET activity held to the laboratories, two subgroups
// here, each in a room of its own: the lock names the laboratory, whichever comes first.
TEST(FetWriteBack, AnActivityTaughtInSeveralRoomsIsLockedInTheOneItsSubjectNeeds) {
    const auto bytes = *ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/fet/activity-rooms.fet");
    const auto imported = ImportFet(bytes);
    ASSERT_TRUE(imported.project) << imported.error;
    HandWeek w(*imported.project);
    const auto& chemistry = w.lesson("5a", "Chemistry");
    w.place(chemistry, 1, 1, 1, {{"Anna", "R1"}, {"Boris", "Lab2"}});
    w.place(chemistry, 2, 1, 1, {{"Anna", "Lab"}, {"Boris", "R1"}});
    const FetWriteBack written = WriteWeekIntoFet(bytes, *imported.project, w.week);
    ASSERT_EQ(written.error, "");
    const Locks locks = ReadLocks(written.bytes);
    EXPECT_EQ(locks.rooms.at(1), "Lab2");
    EXPECT_EQ(locks.rooms.at(2), "Lab");
}

// Sport's two single hours: FET binds one to Tuesday's first hour and the other to the
// third of Wednesday or Thursday. Each is locked where FET lets it start, whichever
// block the week lists first.
TEST(FetWriteBack, EachActivityOfASplitGoesToTheBlockFetLetsItStartIn) {
    const auto bytes = *ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/fet/preferred-times.fet");
    const auto imported = ImportFet(bytes);
    ASSERT_TRUE(imported.project) << imported.error;
    HandWeek w(*imported.project);
    const auto& sport = w.lesson("5a", "Sport");
    w.place(sport, 4, 3, 1, {});
    w.place(sport, 2, 1, 1, {});
    const FetWriteBack written = WriteWeekIntoFet(bytes, *imported.project, w.week);
    ASSERT_EQ(written.error, "");
    const Locks locks = ReadLocks(written.bytes);
    using Time = std::pair<std::string, std::string>;
    EXPECT_EQ(locks.times.at(2), Time("Tu", "1")) << "the week's lock, after the file's own";
    EXPECT_EQ(locks.times.at(3), Time("Th", "3"));
}

TEST(FetWriteBack, AnEmptyWeekLocksNothingAndListsEveryActivity) {
    const auto bytes = FixtureBytes();
    const auto imported = ImportFet(bytes);
    ASSERT_TRUE(imported.project);
    const FetWriteBack written = WriteWeekIntoFet(bytes, *imported.project, TimetableWeek{});
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.lockedTimes, 0);
    EXPECT_EQ(written.unplaced.size(), 17u);
    EXPECT_EQ(written.bytes, bytes) << "nothing to add leaves the file as it was";
}

TEST(FetWriteBack, AProjectChangedSinceTheImportIsRefused) {
    const auto bytes = FixtureBytes();
    const auto imported = ImportFet(bytes);
    ASSERT_TRUE(imported.project);
    const struct {
        const char* change;
        std::function<void(Project&)> apply;
        bool refused;
    } cases[] = {
        {"nothing", [](Project&) {}, false},
        {"the description", [](Project& p) { p.params.description = "Другая школа"; }, false},
        {"a lesson's spread", [](Project& p) { p.lessons.at(0).setSpread({1, 1}); }, true},
        {"a teacher's name", [](Project& p) { p.teachers.at(0).name = "Anja"; }, true},
        {"a lesson less", [](Project& p) { p.lessons.remove(p.lessons.count() - 1); }, true},
        {"a room more", [](Project& p) { p.rooms.add().name = "R9"; }, true},
        {"lessons a day", [](Project& p) { p.params.lessonsPerDay = 7; }, true},
    };
    for (const auto& c : cases) {
        Project changed = *imported.project;
        c.apply(changed);
        const FetWriteBack written = WriteWeekIntoFet(bytes, changed, TimetableWeek{});
        EXPECT_EQ(!written.error.empty(), c.refused) << c.change << ": " << written.error;
        if (c.refused) {
            EXPECT_TRUE(written.bytes.empty()) << c.change;
        }
    }
    const auto other = ImportFixture("split-activity.fet");
    EXPECT_EQ(WriteWeekIntoFet(bytes, *other.project, TimetableWeek{}).error,
              "проект уже не тот, что import-fet делает из этого файла FET: его кабинеты, предметы, классы, учителя "
              "или уроки отличаются; ничего не записано")
        << "another school's project";
}

// FET's own duties at fixed times are the teachers' busy hours: FET places them itself,
// so they are neither locked nor counted as left out by the import.
TEST(FetWriteBack, DutiesAtFixedTimesAreLeftToFetAndListedApart) {
    const auto bytes = ReadWholeFile(std::string(LOVARIS_TEST_DATA_DIR) + "/fet/fixed-duties.fet");
    ASSERT_TRUE(bytes);
    const auto imported = ImportFet(*bytes);
    ASSERT_TRUE(imported.project) << imported.error;
    const FetWriteBack written = WriteWeekIntoFet(*bytes, *imported.project, TimetableWeek{});
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.duties, (std::vector<int>{2, 4}));
    EXPECT_EQ(written.leftOut, (std::vector<int>{3}));
    EXPECT_EQ(written.report(),
              "Закреплено занятий: по времени 0, по кабинету 0\n"
              "Не расставлены в неделе, оставлены незакрепленными (1): 1\n"
              "Пропущены импортом, оставлены незакрепленными (1): 3\n"
              "Занятия без учеников, время которых FET задает сам, оставлены как есть (2): 2 4\n");
}

}  // namespace
}  // namespace lovaris::interchange::test
