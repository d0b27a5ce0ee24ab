// The day the journal window edits: lesson lines, adding with the duplicate check,
// deleting, substitutes and their order, saving, and the refusals that keep typing.
#include <gtest/gtest.h>

#include "JournalTestSchool.h"
#include "core/journal/JournalDayModel.h"

namespace lovaris {
namespace {

using test::JournalSchool;
using test::kMonday;
using test::MemoryArchive;
using T = JournalSchool::Teacher;

std::vector<LessonLine> ticked(const JournalTimetable& t, int teacher, std::initializer_list<int> numbers) {
    std::vector<LessonLine> lines;
    for (int n : numbers) lines.push_back(t.Line(teacher, 1, n));
    return lines;
}

class JournalDay : public ::testing::Test {
protected:
    JournalSchool school;
    MemoryArchive memory;
    JournalDayModel day{*memory.archive, school.timetable.get()};

    void SetUp() override { ASSERT_TRUE(day.Show(kMonday).done); }
    std::vector<std::string> candidateTexts(int row) {
        std::vector<std::string> texts;
        for (const auto& c : day.CandidatesForRow(row)) texts.push_back(c.text);
        return texts;
    }
};

TEST_F(JournalDay, LessonLinesOfAnAbsentTeacher) {
    const auto lines = school.timetable->LessonLines(T::Ivanova, 1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "1. 1Б Музыка");
    EXPECT_EQ(lines[0].stage, 0);
    EXPECT_EQ(lines[1].text, "2. 5А Математика");
    EXPECT_EQ(lines[1].room, "Каб. 12");
    EXPECT_EQ(lines[2].text, "3. Нет");
    EXPECT_FALSE(lines[2].hasLesson());
    // A subgroup's fictive room comes before the room of the clean copy.
    EXPECT_EQ(school.timetable->Line(T::Volkov, 1, 2).room, "Спортзал");
    EXPECT_TRUE(school.timetable->LessonLines(T::Ivanova, 0).empty()) << "Sunday lists no lessons";
}

TEST_F(JournalDay, AddingAbsencesSkipsLessonsAlreadyInTheJournal) {
    ASSERT_TRUE(day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1, 3})).done);
    ASSERT_EQ(day.rowCount(), 1) << "the empty row of a new day takes the first lesson; lesson 3 has none";
    const auto& row = day.rows()[0];
    EXPECT_EQ(row.texts, (std::array<std::string, 9>{"1", "Иванова", "Музыка", "1Б", "", "Больничный", "", "Музыка", ""}));
    EXPECT_EQ(row.tags[kColAbsent], 0b101);
    EXPECT_EQ(row.tags[kColClass], 0);
    EXPECT_TRUE(day.changed());

    ASSERT_TRUE(day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1, 2})).done);
    ASSERT_EQ(day.rowCount(), 2);
    EXPECT_EQ(day.rows()[1].texts[kColLesson], "2");
    EXPECT_EQ(day.rows()[1].tags[kColAbsent], 0b11);
    EXPECT_EQ(day.rows()[1].tags[kColClass], 1);
}

TEST_F(JournalDay, DeletingRowsAndSavingOnAnotherDay) {
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1, 2}));
    EXPECT_FALSE(day.CanDelete(5));
    ASSERT_TRUE(day.DeleteRow(0).done);
    ASSERT_EQ(day.rowCount(), 1);
    EXPECT_EQ(day.rows()[0].texts[kColLesson], "2");

    ASSERT_TRUE(day.Show(kMonday + 1).done);
    EXPECT_FALSE(day.changed());
    EXPECT_EQ(memory.archive->ReadDay(kMonday).rows.size(), 1u);
    ASSERT_TRUE(day.Show(kMonday).done);
    ASSERT_TRUE(day.DeleteRow(0).done);
    EXPECT_EQ(day.rowCount(), 1) << "the only row is cleared, not dropped";
    EXPECT_FALSE(day.rows()[0].hasLesson());
    ASSERT_TRUE(day.Show(kMonday + 1).done);
    EXPECT_EQ(memory.archive->FindEntry(kMonday), -1) << "a day without rows frees its entry";
}

// One teacher of each mark, in the order of the marks, and every teacher the journal
// or the timetable rules out left out.
TEST_F(JournalDay, CandidatesInTheOrderOfTheirMarks) {
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {2}));
    day.AddAbsence(T::Kuznetsov, {});  // no lesson ticked: nothing added
    ASSERT_EQ(day.rowCount(), 1);
    EXPECT_EQ(candidateTexts(0), (std::vector<std::string>{"гр. Петров", "гр. Волков", "ок. Сидорова",
                                                           "св. Кузнецов", "св. Зайцев", "зн. Орлова"}));

    // Volkov away at lesson 2 and Zaitsev substituting there already are no longer offered;
    // Petrov, substituting elsewhere at 2, still is: he teaches the lesson.
    day.AddAbsence(T::Volkov, ticked(*school.timetable, T::Volkov, {2}));
    JournalRow extra;
    extra.texts[kColLesson] = "2";
    extra.texts[kColSubstitute] = "зайцев";
    extra.texts[kColAbsent] = "Белова";
    extra.tags[kColAbsent] = 0b10;
    auto saved = day.day();
    saved.rows.push_back(extra);
    extra.texts[kColSubstitute] = "Петров";
    saved.rows.push_back(extra);
    ASSERT_EQ(memory.archive->SaveDay(kMonday + 7, saved), ArchiveSave::Saved);
    ASSERT_TRUE(day.Show(kMonday + 7).done);
    EXPECT_EQ(candidateTexts(0), (std::vector<std::string>{"гр. Петров", "ок. Сидорова", "св. Кузнецов", "зн. Орлова"}));
}

TEST_F(JournalDay, ChoosingASubstitute) {
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1, 2}));
    const auto candidates = day.CandidatesForRow(1);
    ASSERT_FALSE(candidates.empty());
    ASSERT_TRUE(day.SetSubstitute(1, candidates[0]).done);
    EXPECT_EQ(day.rows()[1].texts[kColSubstitute], "Петров");
    EXPECT_EQ(day.rows()[1].tags[kColSubstitute], 1);
    EXPECT_TRUE(day.busy().IsSubstituting(T::Petrov, 2));
    ASSERT_TRUE(day.SetSubstitute(0, candidates.back()).done);
    EXPECT_EQ(day.rows()[0].tags[kColSubstitute], 0);

    // A lesson the open variant does not have is named, and nothing is offered.
    ASSERT_TRUE(day.EditCell(0, kColNote, "замена").done);
    auto saved = day.day();
    saved.rows[0].texts[kColLesson] = "4";
    ASSERT_EQ(memory.archive->SaveDay(kMonday + 7, saved), ArchiveSave::Saved);
    ASSERT_TRUE(day.Show(kMonday + 7).done);
    std::string message;
    EXPECT_TRUE(day.CandidatesForRow(0, &message).empty());
    EXPECT_EQ(message, "Замещаемый урок не обнаружен в открытом варианте расписания. Откройте нужный вариант расписания.");
    EXPECT_EQ(memory.archive->ReadDay(kMonday).rows[0].texts[kColNote], "замена");
}

TEST_F(JournalDay, OnlyReasonSubjectAndNoteAreEditedByHand) {
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1}));
    for (int c = 0; c < kJournalColumns; ++c) {
        SCOPED_TRACE(c);
        const auto before = day.rows()[0].texts[static_cast<std::size_t>(c)];
        day.EditCell(0, c, "x");
        EXPECT_EQ(day.rows()[0].texts[static_cast<std::size_t>(c)] == "x", JournalDayModel::IsEditableColumn(c));
        day.EditCell(0, c, before);
    }
}

// The archive holds Windows-1251: a text it would turn into "?" is refused with the
// characters named, and the cell and the saved day keep what they had.
TEST_F(JournalDay, TextsTheArchiveCannotKeepAreRefused) {
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1}));
    ASSERT_TRUE(day.EditCell(0, kColNote, "Урок проведён №1 — «да»").done);
    const auto refused = day.EditCell(0, kColReason, "болен ✓ ✓ 😷");
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message, "Журнал замещений хранит тексты в кодировке Windows-1251 и не может сохранить эти "
                               "символы: ✓😷. Замените или удалите их.");
    EXPECT_EQ(day.rows()[0].texts[kColReason], "Больничный");
    ASSERT_TRUE(day.Show(kMonday + 1).done);
    const auto saved = memory.archive->ReadDay(kMonday).rows;
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].texts[kColReason], "Больничный");
    EXPECT_EQ(saved[0].texts[kColNote], "Урок проведён №1 — «да»");
}

// An absent teacher entered twice counts as away at every lesson of both entries.
TEST(JournalBusy, AbsencesOfEveryRowOfATeacher) {
    std::vector<JournalRow> rows(2);
    rows[0].texts[kColLesson] = "1";
    rows[0].texts[kColAbsent] = "Иванова";
    rows[0].tags[kColAbsent] = 0b11;
    rows[1].texts[kColLesson] = "5";
    rows[1].texts[kColAbsent] = "ИВАНОВА";
    rows[1].tags[kColAbsent] = 0b10000;
    JournalBusyTable busy;
    busy.Rebuild(rows, {"Петров", "Иванова"});
    for (int n : {1, 2, 5}) EXPECT_TRUE(busy.IsAbsent(1, n)) << n;
    EXPECT_FALSE(busy.IsAbsent(1, 3));
    // More pairs than teachers x lessons per day fit: the table grows.
    rows[1].tags[kColAbsent] = -1;
    busy.Rebuild(rows, {"Петров", "Иванова"});
    EXPECT_TRUE(busy.IsAbsent(1, 32));
    EXPECT_EQ(busy.pairs().size(), 32u);
}

// Refusals come before anything is added, so that no typing is lost at saving.
TEST_F(JournalDay, FullDirectoryAndFullDayRefuseAdding) {
    JournalRow row;
    row.texts[kColLesson] = "1";
    row.texts[kColAbsent] = "Кто-то";
    ASSERT_EQ(memory.archive->SaveDay(kMonday + 7, TZamDataStrings{std::vector<JournalRow>(100, row)}), ArchiveSave::Saved);
    ASSERT_TRUE(day.Show(kMonday + 7).done);
    const auto full = day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1}));
    EXPECT_FALSE(full.done);
    EXPECT_EQ(full.message, "Журнал замещений не может содержать более 100 записей за один день.");
    EXPECT_EQ(day.rowCount(), 100);

    for (int i = 1; i < kArchiveEntries; ++i)
        ASSERT_EQ(memory.archive->SaveDay(kMonday + 7 + i, {{row}}), ArchiveSave::Saved);
    ASSERT_TRUE(day.Show(kMonday).done);
    const auto refused = day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1}));
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message.rfind("Журнал замещений не может содержать более 2000 записей.", 0), 0u);
    EXPECT_FALSE(day.changed());
    // A day that has its entry may still grow.
    ASSERT_TRUE(day.Show(kMonday + 8).done);
    EXPECT_TRUE(day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1})).done);
    EXPECT_TRUE(day.Show(kMonday).done);
}

class FailingStorage : public MemoryStorage {
public:
    using MemoryStorage::MemoryStorage;
    bool failing = false;
    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        return !failing && MemoryStorage::writeAt(offset, bytes);
    }
};

// A save that fails is told, the day stays shown with its changes, and a later save keeps them.
TEST(JournalSave, AFailedSaveKeepsTheDayAndItsChanges) {
    JournalSchool school;
    auto owned = std::make_unique<FailingStorage>(EmptyArchiveBytes());
    auto* storage = owned.get();
    auto archive = SubstitutionArchive::OpenStorage(std::move(owned));
    JournalDayModel day(*archive, school.timetable.get());
    ASSERT_TRUE(day.Show(kMonday).done);
    day.AddAbsence(T::Ivanova, ticked(*school.timetable, T::Ivanova, {1}));
    storage->failing = true;
    const auto outcome = day.Show(kMonday + 1);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.message, "Ошибка при записи журнала замещений. Изменения дня не сохранены.");
    EXPECT_EQ(day.date(), kMonday);
    EXPECT_TRUE(day.changed());
    EXPECT_EQ(day.rowCount(), 1);
    storage->failing = false;
    ASSERT_TRUE(day.Show(kMonday + 1).done);
    EXPECT_EQ(archive->ReadDay(kMonday).rowCount(), 1);
}

TEST(JournalSave, ShowingRefusesDatesOutsideTheJournal) {
    MemoryArchive memory;
    JournalDayModel day(*memory.archive);
    EXPECT_FALSE(day.Show(0).done);
    EXPECT_FALSE(day.Show(kLastJournalDate + 1).done);
    EXPECT_TRUE(day.Show(kMonday).done);
}

}  // namespace
}  // namespace lovaris
