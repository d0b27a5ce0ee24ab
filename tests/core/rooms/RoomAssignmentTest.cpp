// Room assignment of a day and the room choice of one subgroup, on small schools
// built in code: the questions and their answers, specialised rooms, the order of
// equal candidates, attached and linked rooms, and what the choice list offers.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/rooms/RoomAssignment.h"
#include "core/rooms/RoomChoice.h"
#include "core/planning/VariantPlanning.h"
#include "core/planning/VariantSessionCatalog.h"

namespace lovaris {
namespace {

constexpr int kDay = 1;
constexpr int kNone = -1;

// Answers questions from a script, "Да" once the script runs out, and keeps them.
class ScriptedQuestions : public RoomQuestionSink {
public:
    explicit ScriptedQuestions(std::vector<bool> answers = {}) : answers_(std::move(answers)) {}
    bool Ask(const RoomQuestion& question) override {
        asked.push_back(question);
        return next_ < answers_.size() ? answers_[next_++] : true;
    }
    std::vector<RoomQuestionKind> kinds() const {
        std::vector<RoomQuestionKind> k;
        for (const auto& q : asked) k.push_back(q.kind);
        return k;
    }
    std::vector<RoomQuestion> asked;

private:
    std::vector<bool> answers_;
    std::size_t next_ = 0;
};

// A school of four lessons a day. Rooms, classes and teachers are added by the test;
// rooms, classes, teachers and each class's lessons are indexed in the order added.
class RoomSchool {
public:
    test::EngineSchool school{4};

    int room(const std::string& name, int seats = 30) {
        const int id = school.room(name);
        roomRecord(id).seats = static_cast<std::uint16_t>(seats);
        return id;
    }
    TRoomItem& roomRecord(int id) { return *school.project.rooms.findById(id); }
    TLessonItem& lesson(int klassId, const std::vector<std::pair<int, int>>& subgroups, int children = 30) {
        auto& l = school.lesson(klassId, {1}, subgroups);
        for (auto& s : l.subgroups) s.children = static_cast<std::uint16_t>(children);
        return l;
    }

    // Call once the project is complete.
    void start() {
        session = std::make_unique<PlanningSession>(school.project);
        session->state().currentDay = kDay;
        variant.Create(MakeVariantCatalog(*session));
    }
    void put(int klass, int lessonIndex, int number, int day = kDay, int room = kNone) {
        LessonSlot slot = LessonSlot::BlockHour(lessonIndex, number, number);
        if (room != kNone) slot.rooms[0] = static_cast<std::uint16_t>(room);
        variant.SetCleanSlot(klass, day, slot, number);
    }
    // The day's teacher groups, then the assignment, as the workspace runs them.
    RoomAssignmentOutcome assign(ScriptedQuestions& questions) {
        VariantPlanning planning(variant, *session);
        session->SetupDay(planning);
        return AssignRooms(*session, variant, questions);
    }
    int roomOf(int klass, int number, int subgroup = 0, int day = kDay) const {
        const auto room = variant.GetCleanSlot(klass, day, number).rooms[static_cast<std::size_t>(subgroup)];
        return room == kNoRoom ? kNone : room;
    }
    RoomSlot roomSlot(int room, int number) const { return variant.GetRoomSlot(room, kDay, number); }
    bool modified() const { return session->state().variantModified; }

    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
};

TEST(RoomAssignment, DayWithoutLessonsAsksNothingAndMarksTheVariantModified) {
    RoomSchool s;
    const int general = s.school.subject("Чтение");
    const int a = s.school.klass("1А");
    const int t = s.school.teacher("Орлова");
    s.room("101");
    s.lesson(a, {{general, t}});
    s.start();
    s.put(0, 0, 1, 2, 0);  // Tuesday keeps its room

    ScriptedQuestions questions;
    const auto outcome = s.assign(questions);

    EXPECT_EQ(outcome.end, RoomAssignmentEnd::Finished);
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_TRUE(s.modified());
    EXPECT_EQ(s.roomOf(0, 1, 0, 2), 0);
}

// Two classes at lesson 1, one room open then: the first question. "Нет" leaves
// even a stale room of the day where it was; "Да" goes on with the rooms there are.
TEST(RoomAssignment, TooFewOpenRoomsQuestion) {
    for (const bool goOn : {false, true}) {
        SCOPED_TRACE(goOn ? "Да" : "Нет");
        RoomSchool s;
        const int general = s.school.subject("Чтение");
        const int a = s.school.klass("1А");
        const int b = s.school.klass("1Б");
        const int orlova = s.school.teacher("Орлова");
        const int popov = s.school.teacher("Попов");
        s.room("101");
        s.roomRecord(s.room("102")).busy.set(kDay, 1, 1);
        s.lesson(a, {{general, orlova}});
        s.lesson(b, {{general, popov}});
        s.start();
        s.put(0, 0, 1, kDay, 1);
        s.put(1, 0, 1);
        const TTableVarItem before = s.variant;

        ScriptedQuestions questions({goOn});
        const auto outcome = s.assign(questions);

        ASSERT_FALSE(questions.asked.empty());
        const RoomQuestion& first = questions.asked.front();
        EXPECT_EQ(first.kind, RoomQuestionKind::TooFewOpenRooms);
        EXPECT_EQ(first.text,
                  "На 1 уроке свободно только 1 кабинетов вместо требующихся 2. Произвести частичную расстановку?");
        if (!goOn) {
            EXPECT_EQ(outcome.end, RoomAssignmentEnd::EndedByQuestion);
            EXPECT_EQ(outcome.endingQuestion, RoomQuestionKind::TooFewOpenRooms);
            EXPECT_FALSE(outcome.variantChanged);
            EXPECT_TRUE(s.variant.sameGrids(before));
            EXPECT_FALSE(s.modified());
            EXPECT_EQ(questions.asked.size(), 1u);
            continue;
        }
        EXPECT_EQ(outcome.end, RoomAssignmentEnd::Finished);
        EXPECT_EQ(s.roomOf(0, 1), 0);
        EXPECT_EQ(s.roomOf(1, 1), kNone);
        ASSERT_EQ(questions.asked.size(), 2u);
        EXPECT_EQ(questions.asked[1].kind, RoomQuestionKind::NoRoom);
        EXPECT_EQ(questions.asked[1].teacher, 1);
        EXPECT_EQ(questions.asked[1].text,
                  "На 1 уроке для учителя Попов не удается подобрать кабинет. Продолжить расстановку?");
        EXPECT_TRUE(s.modified());
    }
}

// A strictly specialised maths lesson; rooms: a strict physics room (first in room
// order), a general room and a strict maths room.
TEST(RoomAssignment, StrictlySpecializedSubjectGetsItsKindOrAfterTheQuestionAGeneralRoom) {
    constexpr int kPhysics = 0, kGeneral = 1, kMaths = 2;
    struct Case {
        const char* name;
        bool mathsRoomOpen;
        int teacherAttachedRoom;
        std::vector<bool> answers;
        int expectedRoom;
        std::vector<RoomQuestionKind> expectedQuestions;
    };
    const Case cases[] = {
        {"maths room open", true, kNone, {}, kMaths, {}},
        {"teacher's general room does not suit", true, kGeneral, {}, kMaths, {}},
        {"none open, Да", false, kNone, {true}, kGeneral, {RoomQuestionKind::NoSpecializedRoom}},
        {"none open, Нет", false, kNone, {false}, kNone, {RoomQuestionKind::NoSpecializedRoom}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RoomSchool s;
        const int physicsRoom = s.room("Физика");
        s.roomRecord(physicsRoom).specialization = 2;
        s.roomRecord(physicsRoom).generalUse = 0;
        const int generalRoom = s.room("101");
        const int mathsRoom = s.room("Математика");
        s.roomRecord(mathsRoom).specialization = 1;
        s.roomRecord(mathsRoom).generalUse = 0;
        if (!c.mathsRoomOpen) s.roomRecord(mathsRoom).busy.set(kDay, 1, 1);
        auto& maths = *s.school.project.subjects.findById(s.school.subject("Алгебра"));
        maths.specialization = 1;
        maths.generalUse = 0;
        const int a = s.school.klass("7А");
        const int ivanova =
            s.school.teacher("Иванова", c.teacherAttachedRoom == kGeneral ? generalRoom : -1);
        s.lesson(a, {{maths.id, ivanova}});
        s.start();
        s.put(0, 0, 1);

        ScriptedQuestions questions(c.answers);
        const auto outcome = s.assign(questions);

        EXPECT_EQ(s.roomOf(0, 1), c.expectedRoom);
        EXPECT_NE(s.roomOf(0, 1), kPhysics);
        EXPECT_EQ(questions.kinds(), c.expectedQuestions);
        if (!questions.asked.empty()) {
            EXPECT_EQ(questions.asked.front().text,
                      "На 1 уроке для учителя Иванова не удается подобрать специализированный кабинет. "
                      "Продолжить расстановку?");
        }
        EXPECT_EQ(outcome.end, c.answers == std::vector<bool>{false} ? RoomAssignmentEnd::EndedByQuestion
                                                                     : RoomAssignmentEnd::Finished);
    }
}

// Two general rooms free all day score alike: the earlier candidate wins, and the
// class's attached room comes before every other room.
TEST(RoomAssignment, EqualScoresChooseTheEarlierCandidate) {
    for (const int attached : {kNone, 1}) {
        SCOPED_TRACE(attached);
        RoomSchool s;
        const int general = s.school.subject("Чтение");
        s.room("101");
        const int room102 = s.room("102");
        const int a = s.school.klass("2А");
        s.school.project.klasses.findById(a)->attachedRoom = attached == kNone ? -1 : room102;
        const int t = s.school.teacher("Орлова");
        s.lesson(a, {{general, t}});
        s.start();
        s.put(0, 0, 2);

        ScriptedQuestions questions;
        s.assign(questions);

        EXPECT_EQ(s.roomOf(0, 2), attached == kNone ? 0 : 1);
        EXPECT_TRUE(questions.asked.empty());
    }
}

// Two teachers share the attached room 101. 3А's lesson gets it first; when 3Б's
// teacher finds it taken the question decides whether the run goes on.
TEST(RoomAssignment, TakenAttachedRoomQuestion) {
    for (const bool goOn : {true, false}) {
        SCOPED_TRACE(goOn ? "Да" : "Нет");
        RoomSchool s;
        const int general = s.school.subject("Чтение");
        const int room101 = s.room("101");
        s.room("102");
        const int a = s.school.klass("3А");
        const int b = s.school.klass("3Б");
        const int orlova = s.school.teacher("Орлова", room101);
        const int popov = s.school.teacher("Попов", room101);
        s.lesson(a, {{general, popov}});
        s.lesson(b, {{general, orlova}});
        s.start();
        s.put(0, 0, 3);
        s.put(1, 0, 3);

        ScriptedQuestions questions({goOn});
        const auto outcome = s.assign(questions);

        ASSERT_EQ(questions.kinds(), std::vector<RoomQuestionKind>{RoomQuestionKind::AttachedRoomTaken});
        EXPECT_EQ(questions.asked[0].text,
                  "На 3 уроке занят прикрепленный к учителю Орлова кабинет. Продолжить расстановку?");
        EXPECT_EQ(questions.asked[0].lesson, 3);
        EXPECT_EQ(s.roomOf(0, 3), 0);
        EXPECT_EQ(s.roomOf(1, 3), goOn ? 1 : kNone);
        EXPECT_EQ(outcome.end, goOn ? RoomAssignmentEnd::Finished : RoomAssignmentEnd::EndedByQuestion);
        EXPECT_TRUE(s.modified());
    }
}

// PE of 4А and 4Б taught together: 20 + 20 pupils need the 60-place gym, whether
// the teacher's attached room is the gym, the small room or none.
TEST(RoomAssignment, LinkedSubgroupsShareOneRoomLargeEnoughForAll) {
    constexpr int kSmall = 0, kGym = 1;
    for (const int attached : {kGym, kSmall, kNone}) {
        SCOPED_TRACE(attached);
        RoomSchool s;
        const int pe = s.school.subject("Физкультура");
        const int small = s.room("101", 30);
        const int gym = s.room("Спортзал", 60);
        const int a = s.school.klass("4А");
        const int b = s.school.klass("4Б");
        const int petrov = s.school.teacher("Петров", attached == kGym ? gym : attached == kSmall ? small : -1);
        const int peA = s.lesson(a, {{pe, petrov}}, 20).id;
        const int peB = s.lesson(b, {{pe, petrov}}, 20).id;
        s.school.linkBoth(peA, 0, peB, 0);
        s.start();
        s.put(0, 0, 1);
        s.put(1, 0, 1);

        ScriptedQuestions questions;
        s.assign(questions);

        EXPECT_EQ(s.roomOf(0, 1), kGym);
        EXPECT_EQ(s.roomOf(1, 1), kGym);
        EXPECT_TRUE(s.roomSlot(kSmall, 1).isFree());
        EXPECT_TRUE(questions.asked.empty());
    }
}

// Two subgroups of one lesson, their teachers sharing the attached room 101: the
// first subgroup takes it, the second is asked about and gets another room. The two
// groups of pupils never share 101.
TEST(RoomAssignment, SubgroupsOfOneLessonNeverShareAnAttachedRoom) {
    RoomSchool s;
    const int english = s.school.subject("Английский язык");
    const int room101 = s.room("101");
    s.room("102");
    const int a = s.school.klass("5А");
    const int orlova = s.school.teacher("Орлова", room101);
    const int popov = s.school.teacher("Попов", room101);
    s.lesson(a, {{english, orlova}, {english, popov}}, 15);
    s.start();
    s.put(0, 0, 2);

    ScriptedQuestions questions;
    const auto outcome = s.assign(questions);

    EXPECT_EQ(outcome.end, RoomAssignmentEnd::Finished);
    EXPECT_EQ(s.roomOf(0, 2, 0), 0);
    EXPECT_EQ(s.roomOf(0, 2, 1), 1);
    ASSERT_EQ(questions.kinds(), std::vector<RoomQuestionKind>{RoomQuestionKind::AttachedRoomTaken});
    EXPECT_EQ(questions.asked[0].teacher, 1);
    EXPECT_EQ(s.roomSlot(0, 2).subgroupIndex, 0);
    EXPECT_EQ(s.roomSlot(1, 2).subgroupIndex, 1);
}

// An attached room closed at the lesson's hour is passed over without a question,
// as one too small would be, and the later passes give the room that is open; closed
// at another hour only, it is given.
TEST(RoomAssignment, AttachedRoomClosedAtTheHourIsPassedOver) {
    constexpr int k101 = 0, k102 = 1;
    struct Case {
        const char* what;
        bool teacherAttached;
        bool klassAttached;
        std::vector<int> closed;  // lesson numbers at which 101 is not available
        int expected;
    };
    const Case cases[] = {
        {"teacher's, closed all day", true, false, {1, 2, 3, 4}, k102},
        {"teacher's, closed at the hour", true, false, {2}, k102},
        {"teacher's, closed at another hour", true, false, {1, 3}, k101},
        {"class's, closed at the hour", false, true, {2}, k102},
        {"both, closed at the hour", true, true, {2}, k102},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RoomSchool s;
        const int general = s.school.subject("Чтение");
        const int room101 = s.room("101");
        s.room("102");
        for (int n : c.closed) s.roomRecord(room101).busy.set(kDay, n, 1);
        const int a = s.school.klass("7А");
        if (c.klassAttached) s.school.project.klasses.findById(a)->attachedRoom = room101;
        const int t = s.school.teacher("Орлова", c.teacherAttached ? room101 : -1);
        s.lesson(a, {{general, t}});
        s.start();
        s.put(0, 0, 2);

        ScriptedQuestions questions;
        const auto outcome = s.assign(questions);

        EXPECT_EQ(outcome.end, RoomAssignmentEnd::Finished);
        EXPECT_TRUE(questions.asked.empty());
        EXPECT_EQ(s.roomOf(0, 2), c.expected);
        EXPECT_EQ(s.roomSlot(c.expected, 2).classIndex, 0);
        EXPECT_TRUE(s.roomSlot(c.expected == k101 ? k102 : k101, 2).isFree());
    }
}

// 6А holds 101 and 6Б holds 102 at lesson 1; 103 is closed then, 104 too small and
// 105 free.
class RoomChoiceTest : public ::testing::Test {
protected:
    static constexpr int k101 = 0, k102 = 1, k105 = 4;

    void SetUp() override {
        const int general = s.school.subject("Чтение");
        s.room("101");
        s.room("102");
        s.roomRecord(s.room("103")).busy.set(kDay, 1, 1);
        s.room("104", 10);
        s.room("105");
        const int a = s.school.klass("6А");
        const int b = s.school.klass("6Б");
        const int orlova = s.school.teacher("Орлова");
        const int popov = s.school.teacher("Попов");
        s.lesson(a, {{general, orlova}}, 25);
        s.lesson(a, {{general, orlova}}, 25).subgroups[0].setFictiveRoom("Стадион");
        s.lesson(b, {{general, popov}}, 25);
        s.start();
        s.put(0, 0, 1, kDay, k101);
        s.put(1, 0, 1, kDay, k102);
        s.put(0, 1, 2);
    }
    RoomSchool s;
};

TEST_F(RoomChoiceTest, OffersOpenFreeRoomsLargeEnoughAndTheSubgroupsOwn) {
    const RoomChoiceList a = RoomChoiceCandidates(*s.session, s.variant, 0, 1, 0);
    EXPECT_EQ(a.items, (std::vector<int>{kNoRoomChoice, k101, k105}));
    EXPECT_EQ(a.selected, k101);
    const RoomChoiceList b = RoomChoiceCandidates(*s.session, s.variant, 1, 1, 0);
    EXPECT_EQ(b.items, (std::vector<int>{kNoRoomChoice, k102, k105}));
    EXPECT_EQ(b.selected, k102);

    const RoomChoiceList fictive = RoomChoiceCandidates(*s.session, s.variant, 0, 2, 0);
    EXPECT_EQ(fictive.items, std::vector<int>{kNoRoomChoice});
    EXPECT_EQ(fictive.selected, kNoRoomChoice);
    EXPECT_TRUE(RoomChoiceCandidates(*s.session, s.variant, 1, 2, 0).items.empty());
}

TEST_F(RoomChoiceTest, ChoosingMovesTheSubgroupAndRefusesWhatIsNotOffered) {
    const TTableVarItem before = s.variant;
    EXPECT_FALSE(ChooseRoom(*s.session, s.variant, 0, 1, 0, k102));
    EXPECT_TRUE(s.variant.sameGrids(before));
    EXPECT_FALSE(s.modified());

    ASSERT_TRUE(ChooseRoom(*s.session, s.variant, 0, 1, 0, k105));
    EXPECT_EQ(s.roomOf(0, 1), k105);
    EXPECT_TRUE(s.roomSlot(k101, 1).isFree());
    EXPECT_EQ(s.roomSlot(k105, 1).classIndex, 0);
    EXPECT_TRUE(s.modified());

    ASSERT_TRUE(ChooseRoom(*s.session, s.variant, 0, 1, 0, kNoRoomChoice));
    EXPECT_EQ(s.roomOf(0, 1), kNone);
    EXPECT_TRUE(s.roomSlot(k105, 1).isFree());
    EXPECT_EQ(s.roomOf(1, 1), k102);
}

}  // namespace
}  // namespace lovaris
