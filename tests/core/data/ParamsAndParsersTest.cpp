#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/common/NumberText.h"
#include "core/common/StringTable.h"
#include "core/data/EditorParsers.h"
#include "core/data/ParamsCheck.h"
#include "core/data/TKlassItem.h"

namespace lovaris {
namespace {

// "1,2,...,count" counting from first.
std::string numbersFrom(int first, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "," : "") + std::to_string(first + i);
    return text;
}

std::string repeated(const std::string& number, int count) {
    std::string text = number;
    for (int i = 1; i < count; ++i) text += "," + number;
    return text;
}

std::vector<int> shiftStartsOf(const ProjectParams& params) { return params.shiftStartList(); }

// ---- parameters dialog ---------------------------------------------------------

class ParamsFixture : public ::testing::Test {
protected:
    ProjectParams stored = [] {
        ProjectParams p;
        p.description = "школа";
        p.lessonsPerDay = 8;
        p.shiftStarts = {1, 9, 0};
        p.classMinLessons = 4;
        p.teacherMinLessons = 2;
        return p;
    }();
    ParamsEntry valid{"гимназия", "10", "1,9", "3", "2"};
};

TEST_F(ParamsFixture, ShiftStartEntries) {
    std::vector<int> twentyFour(24);
    for (int i = 0; i < 24; ++i) twentyFour[static_cast<std::size_t>(i)] = i + 1;
    struct Case {
        std::string text;
        std::optional<std::vector<int>> starts;  // nullopt: refused
    };
    const std::vector<Case> cases{
        {"1,9", std::vector<int>{1, 9}},
        {"1; 9", std::vector<int>{1, 9}},
        {"1 9", std::vector<int>{1, 9}},
        {"0,5", std::vector<int>{5}},
        {"9,1", std::nullopt},
        {"1,1", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {numbersFrom(1, 24), twentyFour},
        {numbersFrom(1, 25), std::nullopt},
    };
    for (const auto& c : cases) {
        ProjectParams params = stored;
        ParamsEntry entry = valid;
        entry.shiftStarts = c.text;
        const auto error = ConfirmProjectParams(entry, params);
        if (!c.starts) {
            EXPECT_EQ(error, TextId::ParamsShiftStartsError) << c.text;
            EXPECT_EQ(params, stored) << c.text;
            continue;
        }
        EXPECT_EQ(error, std::nullopt) << c.text;
        EXPECT_EQ(shiftStartsOf(params), *c.starts) << c.text;
        EXPECT_EQ(params.shiftStarts[c.starts->size()], 0) << c.text;
    }
}

TEST_F(ParamsFixture, FieldChecksComeInTheDialogsOrderAndARefusalStoresNothing) {
    struct Case {
        ParamsEntry entry;
        std::optional<TextId> error;
    };
    const std::vector<Case> cases{
        {{"x", "0", "1", "1", "1"}, TextId::ParamsLessonsPerDayError},
        {{"x", "25", "1", "1", "1"}, TextId::ParamsLessonsPerDayError},
        {{"x", "abc", "1", "1", "1"}, TextId::ParamsLessonsPerDayError},
        {{"x", "24", "1", "24", "24"}, std::nullopt},
        // The minimums are measured against the lessons per day typed in the same attempt.
        {{"x", "4", "1", "3", "5"}, TextId::ParamsTeacherMinError},
        {{"x", "4", "1", "5", "3"}, TextId::ParamsClassMinError},
        {{"x", "4", "1", "0", "3"}, TextId::ParamsClassMinError},
        {{"x", "4", "1", "3", "0"}, TextId::ParamsTeacherMinError},
        // The first failing check in dialog order names the message.
        {{"x", "abc", "9,1", "0", "0"}, TextId::ParamsLessonsPerDayError},
        {{"x", "6", "9,1", "0", "0"}, TextId::ParamsClassMinError},
        {{"x", "6", "9,1", "3", "0"}, TextId::ParamsTeacherMinError},
        {{"x", "6", "9,1", "3", "3"}, TextId::ParamsShiftStartsError},
        // A list that fails part-way leaves the stored list as it was, and the values
        // that passed before it are not stored either.
        {{"новое", "6", "5,3", "3", "3"}, TextId::ParamsShiftStartsError},
    };
    for (const auto& c : cases) {
        ProjectParams params = stored;
        const auto error = ConfirmProjectParams(c.entry, params);
        EXPECT_EQ(error, c.error) << c.entry.lessonsPerDay << " " << c.entry.shiftStarts;
        if (error) {
            EXPECT_EQ(params, stored) << c.entry.lessonsPerDay << " " << c.entry.shiftStarts;
            continue;
        }
        EXPECT_EQ(params.lessonsPerDay, std::stoi(c.entry.lessonsPerDay));
        EXPECT_EQ(params.classMinLessons, std::stoi(c.entry.classMinLessons));
        EXPECT_EQ(params.teacherMinLessons, std::stoi(c.entry.teacherMinLessons));
        EXPECT_EQ(params.description, c.entry.comment);
    }
}

TEST_F(ParamsFixture, TheInitialHintIsStoredAsTheCommentWithLineBreaksAsBlanks) {
    stored.description.clear();
    const ParamsEntry shown = ParamsEntryFrom(stored);
    EXPECT_EQ(shown.comment, "В данном поле вводится краткое описание \r\nпроекта, например: гимназия N70");

    ASSERT_EQ(ConfirmProjectParams(shown, stored), std::nullopt);
    EXPECT_EQ(stored.description, "В данном поле вводится краткое описание   проекта, например: гимназия N70");
}

TEST_F(ParamsFixture, TheCommentIsCutTo80Characters) {
    std::string typed;
    for (int i = 0; i < 90; ++i) typed += "ж";
    valid.comment = typed;
    ASSERT_EQ(ConfirmProjectParams(valid, stored), std::nullopt);
    EXPECT_EQ(stored.description, typed.substr(0, 80 * std::string("ж").size()));
}

// ---- list fields of the editors ---------------------------------------------------

using Kind = ListFieldParse::Kind;

struct ListCase {
    std::string text;
    Kind kind;
    std::vector<int> values;
};

TEST(SpreadText, Parses) {
    const std::string twentyOnes = repeated("1", 20);
    const std::vector<ListCase> cases{
        {"1,1,2", Kind::Parsed, {1, 1, 2}},
        {"1 ,, 2;3", Kind::Parsed, {1, 2, 3}},
        {"0,2", Kind::Parsed, {2}},
        {"2,1", Kind::Refused, {}},
        {twentyOnes, Kind::Parsed, std::vector<int>(20, 1)},
        {twentyOnes + ",1", Kind::Refused, {}},
        {"", Kind::Unchanged, {}},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseSpreadText(c.text);
        EXPECT_EQ(parsed.kind, c.kind) << c.text;
        EXPECT_EQ(parsed.values, c.values) << c.text;
    }
}

TEST(StartingLessonsText, ParsesAndInsertsThroughTheClass) {
    const std::vector<ListCase> cases{
        {"1,3", Kind::Parsed, {1, 3}},
        {"3,1", Kind::Refused, {1, 5}},
        {"1,1", Kind::Refused, {1, 5}},
        {"1,30", Kind::Parsed, {1}},
        {"нет", Kind::Parsed, {}},
        {"", Kind::Unchanged, {1, 5}},
        {numbersFrom(1, 24), Kind::Parsed, [] {
             std::vector<int> v(24);
             for (int i = 0; i < 24; ++i) v[static_cast<std::size_t>(i)] = i + 1;
             return v;
         }()},
        {numbersFrom(1, 25), Kind::Refused, {1, 5}},
    };
    for (const auto& c : cases) {
        TKlassItem klass;
        klass.startingLessons = {1, 5};
        const auto parsed = ParseStartingLessonsText(c.text);
        EXPECT_EQ(parsed.kind, c.kind) << c.text;
        if (parsed.kind == Kind::Parsed) {
            klass.startingLessons.clear();
            for (int lesson : parsed.values) klass.insertStartingLesson(lesson);
        }
        EXPECT_EQ(klass.startingLessons, c.values) << c.text;
    }
}

TEST(NumericField, EmptyIsZeroAndValuesAreClamped) {
    struct Case {
        std::string text;
        std::optional<std::int64_t> value;
    };
    const std::vector<Case> cases{
        {"", 0}, {"42", 42}, {"-5", 0}, {"150", 100}, {"100", 100}, {"12a", std::nullopt}, {"abc", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumericField(c.text, 100), c.value) << c.text;
}

}  // namespace
}  // namespace lovaris
