// What each cell of the five timetable views shows, in both orientations, for the
// small school's Monday.
#include <gtest/gtest.h>

#include "ViewsSchool.h"
#include "core/views/ViewCell.h"

namespace lovaris {
namespace {

using namespace test;

// "state wWIDTHS hHEIGHTS [column 1's texts by sub-row] [column 2's] ...".
std::string Show(const THourElementRecord& cell) {
    const auto joined = [](const auto& parts, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += (i ? "/" : "") + std::to_string(parts[static_cast<std::size_t>(i)]);
        return text;
    };
    std::string text = std::to_string(static_cast<int>(cell.state)) + " w" +
                       joined(cell.subColumnWidths, cell.subColumnCount()) + " h" +
                       joined(cell.subRowHeights, cell.subRowCount());
    for (int c = 1; c <= cell.subColumnCount(); ++c) {
        text += " [";
        for (int r = 1; r <= cell.subRowCount(); ++r) text += (r > 1 ? "|" : "") + cell.text(c, r);
        text += "]";
    }
    // A text past the listed sub-cells would never be drawn: show it, so that it fails.
    for (int c = 1; c <= THourElementRecord::kMaxParts; ++c)
        for (int r = 1; r <= THourElementRecord::kMaxParts; ++r)
            if ((c > cell.subColumnCount() || r > cell.subRowCount()) && !cell.text(c, r).empty())
                text += " unlisted " + cell.text(c, r);
    return text;
}

struct CellCase {
    ViewKind kind;
    bool vertical;
    int col;
    int row;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const CellCase& c) {
    return out << "view " << static_cast<int>(c.kind) << (c.vertical ? " vertical " : " horizontal ") << c.col << ","
               << c.row;
}

class ViewCellCases : public ::testing::TestWithParam<CellCase> {};

TEST_P(ViewCellCases, ShowsTheDay) {
    const ViewsSchool school;
    const CellCase& c = GetParam();
    EXPECT_EQ(Show(ViewCell(school.context(), c.kind, c.vertical, c.col, c.row)), c.shown);
}

constexpr bool V = true, H = false;
using enum ViewKind;

INSTANTIATE_TEST_SUITE_P(Headers, ViewCellCases, ::testing::Values(
    CellCase{Klasses, V, 2, 0, "0 w100 h100 [2]"},
    CellCase{Rooms, H, 0, 3, "0 w100 h100 [3]"},
    CellCase{Klasses, V, 0, 0, "0 w100 h100 []"},
    CellCase{Klasses, V, 5, 0, "0 w100 h100 []"},  // past the last lesson
    // Week hours (clean + draft + left) and the day's load: maths 2 x 8, PE 3, the two
    // language subgroups (5 + 4) / 2, two Russian hours 5 each in the draft.
    CellCase{Klasses, V, 0, 1, "4 w100 h50/50 [5А|10 (4+2+4)    33,5]"},
    CellCase{KlassesDraft, H, 2, 0, "4 w100 h50/50 [5Б|5 (2+2+1)    11,0]"},
    CellCase{Klasses, V, 0, 3, "0 w100 h50/50 [5В|0 (0+0+0)    0,0]"},
    // Teachers: required hours; maroon with hours left, green with some in the draft.
    CellCase{Teachers, V, 0, 1, "4 w100 h50/50 [Иванова|5 (2+1+2)]"},
    CellCase{Teachers, H, 2, 0, "0 w100 h50/50 [Петров|1 (1+0+0)]"},
    CellCase{TeachersDraft, V, 0, 3, "3 w100 h50/50 [Сидорова|2 (0+2+0)]"},
    CellCase{Rooms, V, 0, 3, "0 w100 h100 [Спортзал]"}));

INSTANTIATE_TEST_SUITE_P(Klasses, ViewCellCases, ::testing::Values(
    CellCase{Klasses, V, 1, 1, "4 w60/40 h100 [Математика] [101]"},
    CellCase{Klasses, H, 1, 1, "4 w70/30 h100 [Математика] [101]"},
    CellCase{Klasses, V, 2, 1, "4 w60/40 h100 [Математика] [101]"},
    // The critical mark of the second subgroup's teacher; the fictive room before the slot's.
    CellCase{Klasses, V, 4, 1, "4 w60/40 h50/50 [Английский|Немецкий] [102|Лингафонный]"},
    CellCase{Klasses, V, 1, 2, "0 w60/40 h100 [------] [102]"},
    CellCase{Klasses, V, 2, 2, "0 w100 h100 []"},
    CellCase{Klasses, H, 2, 4, "2 w100 h100 []"},  // closed
    CellCase{KlassesDraft, V, 1, 1, "0 w100 h100 [*Русский язык]"},
    CellCase{KlassesDraft, H, 1, 2, "0 w100 h100 [Русский язык]"},
    CellCase{KlassesDraft, V, 3, 1, "0 w100 h100 []"},
    CellCase{KlassesDraft, V, 3, 3, "0 w100 h100 [GCS]"}));  // no hour of the day open

INSTANTIATE_TEST_SUITE_P(Teachers, ViewCellCases, ::testing::Values(
    CellCase{Teachers, V, 1, 1, "4 w33/40/27 h100 [5А] [Математика] [101]"},
    CellCase{Teachers, H, 1, 1, "4 w20/50/30 h100 [5А] [Математика] [101]"},
    // The linked class below, in the same room.
    CellCase{Teachers, V, 3, 2, "0 w33/40/27 h50/50 [5А|5Б] [Физкультура|Физкультура] [Спортзал|Спортзал]"},
    // Only the teacher's own subgroup counts for the critical mark.
    CellCase{Teachers, V, 4, 5, "4 w33/40/27 h100 [5А] [Немецкий] [Лингафонный]"},
    CellCase{Teachers, V, 4, 4, "0 w33/40/27 h100 [5А] [Английский] [102]"},
    CellCase{Teachers, V, 3, 1, "2 w100 h100 []"},  // busy
    CellCase{Teachers, H, 1, 4, "1 w100 h100 []"},  // a medium wish, honoured by default
    CellCase{Teachers, V, 1, 4, "0 w100 h100 []"},  // a low wish, not honoured by default
    CellCase{Teachers, V, 1, 2, "0 w100 h100 []"},
    CellCase{TeachersDraft, V, 1, 3, "0 w40/60 h100 [5А] [*Русский язык]"},
    CellCase{TeachersDraft, H, 3, 2, "0 w40/60 h100 [5А] [Русский язык]"},
    CellCase{TeachersDraft, V, 1, 1, "0 w40/60 h100 [5Б] [Математика]"},  // 5Б's draft position 2
    CellCase{TeachersDraft, V, 2, 1, "0 w100 h100 []"},
    CellCase{TeachersDraft, V, 1, 6, "0 w100 h100 [GCS]"}));  // busy and honoured wishes all day

INSTANTIATE_TEST_SUITE_P(Rooms, ViewCellCases, ::testing::Values(
    CellCase{Rooms, V, 1, 1, "0 w40/60 h100 [5А] [Иванова]"},
    CellCase{Rooms, V, 4, 1, "2 w100 h100 []"},  // closed
    CellCase{Rooms, V, 1, 2, "0 w100 h100 []"},  // the club has no teacher: no room of its own
    CellCase{Rooms, V, 4, 2, "0 w40/60 h100 [5А] [Смирнова]"},
    CellCase{Rooms, H, 3, 3, "0 w40/60 h50/50 [5Б|5А] [Петров|Петров]"}));

// The hours a teacher's wishes close follow the variant's wishes mode, in the free
// cells of the clean view and in the draft view's closed day alike.
TEST(ViewCellWishes, FollowTheWishesMode) {
    struct Case {
        int mode;
        CellState busy, high, medium, low;
        bool orlovaDayClosed;
    };
    constexpr auto R = CellState::RedBackground, Y = CellState::YellowBackground, P = CellState::Plain;
    for (const Case& c : {Case{1, R, Y, Y, Y, true}, Case{2, R, Y, Y, P, true}, Case{3, R, Y, P, P, true},
                          Case{4, R, P, P, P, false}}) {
        ViewsSchool school;
        school.options.wishesMode = static_cast<std::uint16_t>(c.mode);
        const ViewContext ctx = school.context();
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(ViewCell(ctx, Teachers, V, 3, kIvanova + 1).state, c.busy);
        EXPECT_EQ(ViewCell(ctx, Teachers, V, 3, kOrlova + 1).state, c.high);
        EXPECT_EQ(ViewCell(ctx, Teachers, V, 4, kIvanova + 1).state, c.medium);
        EXPECT_EQ(ViewCell(ctx, Teachers, V, 1, kSmirnova + 1).state, c.low);
        EXPECT_EQ(ViewCell(ctx, TeachersDraft, V, 1, kOrlova + 1).text(1, 1), c.orlovaDayClosed ? "GCS" : "");
    }
}

TEST(ViewCellDays, TheSelectedDayIsShown) {
    ViewsSchool school;
    school.clean(k5A, kPe5A, 2, 1, {kRoom102}, 0, 2);
    school.session.state().currentDay = 2;
    const ViewContext ctx = school.context();
    EXPECT_EQ(Show(ViewCell(ctx, Klasses, V, 2, 1)), "0 w60/40 h100 [Физкультура] [102]");
    EXPECT_EQ(Show(ViewCell(ctx, Klasses, V, 1, 1)), "0 w100 h100 []");
    EXPECT_EQ(Show(ViewCell(ctx, Teachers, V, 3, kIvanova + 1)), "0 w100 h100 []");  // busy on Monday only
    // The class linked with the subgroup is named whether it stands there or not.
    EXPECT_EQ(Show(ViewCell(ctx, Rooms, V, 2, kRoom102 + 1)), "0 w40/60 h50/50 [5А|5Б] [Петров|Петров]");
}

// A subgroup taught with five other classes: six lines, of which a cell holds five.
TEST(ViewCellLines, AtMostFive) {
    EngineSchool school(4);
    const int pe = school.subject("Физкультура");
    const int teacher = school.teacher("Петров");
    std::vector<int> lessons;
    for (const char* name : {"1", "2", "3", "4", "5", "6"})
        lessons.push_back(school.lesson(school.klass(name), {1}, {{pe, teacher}}).id);
    for (std::size_t k = 1; k < lessons.size(); ++k) school.linkBoth(lessons[0], 0, lessons[k], 0);
    ViewsVariant planned(school.project);
    planned.clean(0, 0, 1, 1, {});
    const ViewContext ctx = planned.context();
    EXPECT_EQ(Show(ViewCell(ctx, Teachers, V, 1, 1)),
              "0 w33/40/27 h20/20/20/20/20 [1|2|3|4|5] [Физкультура|Физкультура|Физкультура|Физкультура|Физкультура] "
              "[||||]");
}

TEST(ViewGrid, SizesFollowTheOrientation) {
    const ViewsSchool school;
    struct Case {
        ViewKind kind;
        bool vertical;
        ViewGridSize size;
    };
    for (const Case& c : {Case{Klasses, V, {5, 4}}, Case{KlassesDraft, H, {4, 5}}, Case{Teachers, V, {5, 7}},
                          Case{TeachersDraft, H, {7, 5}}, Case{Rooms, V, {5, 4}}})
        EXPECT_EQ(ViewGridSizeOf(school.session, c.kind, c.vertical), c.size) << static_cast<int>(c.kind);
}

TEST(ViewGrid, SubRowsHoldTheLargestSubgroupCountAtLeastTwo) {
    ViewsSchoolData data;
    EXPECT_EQ(ViewSubRowCount(data.school.project), 2);
    data.school.project.lessons.at(0).setSubgroupCount(4);
    EXPECT_EQ(ViewSubRowCount(data.school.project), 4);
    Project empty;
    EXPECT_EQ(ViewSubRowCount(empty), 2);
}

}  // namespace
}  // namespace lovaris
