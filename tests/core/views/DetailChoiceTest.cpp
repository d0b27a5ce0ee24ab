// The double click on a lesson view: which lesson the details view opens on, and the
// fallbacks when the cell holds none.
#include <gtest/gtest.h>

#include "ViewsSchool.h"
#include "core/views/DetailChoice.h"

namespace lovaris {
namespace {

using namespace test;
using enum ViewKind;
constexpr bool V = true, H = false;

struct ChoiceCase {
    ViewKind kind;
    bool vertical;
    int col;
    int row;
    // Expected: (class, lesson) of list A, the position and the draft flag; an empty
    // list when nothing is chosen.
    std::vector<std::pair<int, int>> klassLessons;
    int position;
    bool draft;
};

std::ostream& operator<<(std::ostream& out, const ChoiceCase& c) {
    return out << "view " << static_cast<int>(c.kind) << (c.vertical ? " vertical " : " horizontal ") << c.col << ","
               << c.row;
}

class DetailChoiceCases : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DetailChoiceCases, ChoosesTheLesson) {
    const ViewsSchool school;
    const ChoiceCase& c = GetParam();
    const auto chosen = ChooseDetail(school.context(), c.kind, c.vertical, c.col, c.row);
    if (c.klassLessons.empty()) {
        EXPECT_FALSE(chosen.has_value());
        return;
    }
    ASSERT_TRUE(chosen.has_value());
    std::vector<std::pair<int, int>> klassLessons;
    for (const auto& r : chosen->links.klassLessons) klassLessons.emplace_back(r.owner, r.lesson);
    EXPECT_EQ(klassLessons, c.klassLessons);
    EXPECT_EQ(chosen->position, c.position);
    EXPECT_EQ(chosen->draft, c.draft);
}

INSTANTIATE_TEST_SUITE_P(DetailChoice, DetailChoiceCases, ::testing::Values(
    ChoiceCase{Klasses, V, 1, 1, {{k5A, kMaths5A}}, 1, false},
    ChoiceCase{Klasses, H, 1, 3, {{k5A, kPe5A}, {k5B, kPe5B}}, 3, false},  // the whole link set
    ChoiceCase{Klasses, V, 2, 2, {{k5B, kPe5B}, {k5A, kPe5A}}, 2, false},  // empty: the class's first lesson
    ChoiceCase{Klasses, V, 1, 3, {}, 0, false},                            // a class without lessons
    ChoiceCase{KlassesDraft, V, 1, 1, {{k5A, kRussianSeparated5A}}, 1, true},
    ChoiceCase{KlassesDraft, V, 3, 2, {{k5B, kPe5B}, {k5A, kPe5A}}, 3, true},
    ChoiceCase{Teachers, V, 3, kPetrov + 1, {{k5A, kPe5A}, {k5B, kPe5B}}, 3, false},
    ChoiceCase{Teachers, H, kPetrov + 1, 1, {{k5A, kPe5A}, {k5B, kPe5B}}, 1, false},  // free: its first lesson
    ChoiceCase{Teachers, V, 1, kOrlova + 1, {}, 0, false},                             // teaches nothing
    // A teacher's draft lesson opens at its draft position in its class.
    ChoiceCase{TeachersDraft, V, 1, kIvanova + 1, {{k5B, kMaths5B}}, 2, true},
    ChoiceCase{TeachersDraft, H, kSidorova + 1, 2, {{k5A, kRussian5A}}, 2, true},
    ChoiceCase{TeachersDraft, V, 3, kIvanova + 1, {{k5A, kMaths5A}}, 1, true},  // none: first lesson at 1
    ChoiceCase{Rooms, V, 1, 1, {}, 0, false},
    ChoiceCase{Klasses, V, 0, 1, {}, 0, false},  // headers
    ChoiceCase{Klasses, V, 1, 0, {}, 0, false},
    ChoiceCase{Klasses, V, 5, 1, {}, 0, false}));  // past the grid

TEST(DetailChoiceRun, NothingDuringARun) {
    ViewsSchool school;
    school.session.state().runInProgress = true;
    EXPECT_FALSE(ChooseDetail(school.context(), Klasses, V, 1, 1).has_value());
}

}  // namespace
}  // namespace lovaris
