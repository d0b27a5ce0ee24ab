// What the progress windows of an optimisation show: the stage line, and the rows of
// the progress table as the search moves on.
#include <gtest/gtest.h>

#include <memory>

#include "../support/EngineTestSchool.h"
#include "core/planning/PlanningSession.h"
#include "core/views/OptimisationProgress.h"

namespace lovaris {
namespace {

using test::EngineSchool;
using test::FakeVariant;

TEST(OptimisationProgressTexts, StageLineAndCandidateCounts) {
    EXPECT_EQ(ProgressStageText(1, 2), "1-й этап из 2");
    EXPECT_EQ(ProgressStageText(2, 2, "5Б"), "2-й этап из 2 - 5Б");
    EXPECT_EQ(CandidateText(0, 6), "0 из 6");
    EXPECT_EQ(CandidateText(300, 1024), "300 из 1024");  // no byte-sized counters
}

// Monday's lessons of every class stand in the draft as single hours; a class given a
// clean-copy block has that one way only. Every teacher is in the group.
struct ProgressDay {
    EngineSchool school{4};
    std::unique_ptr<PlanningSession> session;
    std::unique_ptr<FakeVariant> variant;
    UninterruptedRun run;

    int klass(const std::string& name, const std::vector<int>& teachers) {
        const int k = school.klass(name);
        for (int t : teachers) school.lesson(k, {1}, {{school.subject("Урок"), t}});
        return k;
    }
    std::unique_ptr<Optimisation> start(const std::vector<int>& fixedKlasses) {
        session = std::make_unique<PlanningSession>(school.project);
        variant = std::make_unique<FakeVariant>(session->klasses());
        for (int k = 0; k < session->klasses().count(); ++k) {
            const bool fixed = std::find(fixedKlasses.begin(), fixedKlasses.end(), k) != fixedKlasses.end();
            for (int l = 0; l < session->klasses().at(k).lessonCount(); ++l) variant->place(k, 1, l + 1, 1, l, fixed);
        }
        test::GroupEveryTeacher(session->teachers(), school.project.params.lessonsPerDay);
        return std::make_unique<Optimisation>(session->klasses(), *variant, run);
    }
};

// Runs on past the better incomplete arrangements to the next complete variant.
bool NextComplete(Optimisation& search) {
    for (auto event = search.next(); event != OptimisationEvent::End; event = search.next())
        if (event == OptimisationEvent::CompleteVariant) return true;
    return false;
}

TEST(OptimisationProgress, RowsFromTheFirstClassWithAChoice) {
    // 5А stands in the clean copy (one variant), 5Б has two orders of its two lessons,
    // 5В six of its three; Иванова teaches in 5Б and 5В.
    ProgressDay day;
    const int ivanova = day.school.teacher("Иванова");
    day.klass("5А", {day.school.teacher("Петров")});
    day.klass("5Б", {ivanova, day.school.teacher("Сидорова")});
    day.klass("5В", {ivanova, day.school.teacher("Смирнова"), day.school.teacher("Орлова")});
    auto search = day.start({0});
    const auto& klasses = day.session->klasses();
    EXPECT_TRUE(OpeningProgressRows(*search, klasses).empty());  // nothing listed yet

    ASSERT_TRUE(NextComplete(*search));
    ASSERT_EQ(search->order(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(OpeningProgressRows(*search, klasses),
              (std::vector<ProgressRow>{{"5Б", "0 из 2"}, {"5В", "0 из 6"}}));
    // 5Б's first order puts Иванова at lesson 1: 5В keeps the four orders without her there.
    EXPECT_EQ(CurrentProgressRows(*search, klasses),
              (std::vector<ProgressRow>{{"5Б", "1 из 2"}, {"5В", "1 из 4"}}));
    ASSERT_TRUE(NextComplete(*search));
    EXPECT_EQ(CurrentProgressRows(*search, klasses),
              (std::vector<ProgressRow>{{"5Б", "1 из 2"}, {"5В", "2 из 4"}}));
}

TEST(OptimisationProgress, WithoutAnyChoiceTheLastClassShows) {
    ProgressDay day;
    day.klass("5А", {day.school.teacher("Петров")});
    day.klass("5Б", {day.school.teacher("Иванова")});
    auto search = day.start({0, 1});
    ASSERT_TRUE(NextComplete(*search));
    EXPECT_EQ(CurrentProgressRows(*search, day.session->klasses()), (std::vector<ProgressRow>{{"5Б", "1 из 1"}}));
}

}  // namespace
}  // namespace lovaris
