#pragma once
// One day of the substitution journal in memory: its rows of nine cells, each a
// text and a tag. The journal window edits it and the substitution reports read it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lovaris {

// The columns of a journal row, with what their tags carry.
enum JournalColumn : int {
    kColLesson = 0,      // lesson number in the day
    kColAbsent = 1,      // absent teacher; tag: bit n-1 for every lesson n of the same absence entry
    kColSubject = 2,     // subject of the absent teacher's lesson, or "---"
    kColClass = 3,       // class names joined by "/"; tag: the class's stage
    kColRoom = 4,        // the subgroup's fictive room, else the room of the clean copy, else empty
    kColReason = 5,
    kColSubstitute = 6,  // tag 1: the substitute teaches another subgroup of the same lesson
    kColSubstituteSubject = 7,
    kColNote = 8,
};
inline constexpr int kJournalColumns = 9;
// A day holds at most this many rows: the reports' form of a day has no room for more.
inline constexpr int kMaxJournalRows = 100;

struct JournalRow {
    std::array<std::string, kJournalColumns> texts;  // UTF-8
    std::array<std::int32_t, kJournalColumns> tags{};

    bool hasLesson() const { return !texts[kColLesson].empty(); }
    bool operator==(const JournalRow&) const = default;
};

struct TZamDataStrings {
    std::vector<JournalRow> rows;

    int rowCount() const { return static_cast<int>(rows.size()); }
    // Column 0..8 of row 1..rowCount(); an empty text and tag 0 outside.
    const std::string& text(int column, int row) const;
    std::int32_t tag(int column, int row) const;
    bool operator==(const TZamDataStrings&) const = default;
};

}  // namespace lovaris
