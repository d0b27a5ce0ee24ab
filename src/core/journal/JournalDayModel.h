#pragma once
// The day the journal window shows and edits: its rows (at least one, an empty row
// standing for a day without records), adding an absent teacher's lessons, deleting
// rows, choosing substitutes, editing cells, and saving the day into the archive
// whenever another day is shown or the window closes.
#include <optional>
#include <string>
#include <vector>

#include "JournalBusyTable.h"
#include "JournalDate.h"
#include "JournalTimetable.h"
#include "SubstituteCandidates.h"
#include "SubstitutionArchive.h"
#include "TZamDataStrings.h"

namespace lovaris {

// What an operation came to: done, or refused with the system's message.
struct JournalOutcome {
    bool done = true;
    std::string message;
    static JournalOutcome Refused(std::string message) { return {false, std::move(message)}; }
};

class JournalDayModel {
public:
    // Without a timetable the journal can show, delete and edit, not add or substitute.
    explicit JournalDayModel(SubstitutionArchive& archive, const JournalTimetable* timetable = nullptr);

    SerialDate date() const { return date_; }
    int weekday() const { return WeekdayOf(date_); }
    bool changed() const { return changed_; }
    const std::vector<JournalRow>& rows() const { return rows_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const JournalBusyTable& busy() const { return busy_; }
    const JournalTimetable* timetable() const { return timetable_; }

    // Saves a changed day first; when that fails the shown day stays, still changed.
    JournalOutcome Show(SerialDate date);
    // Saves the shown day if it has unsaved changes.
    JournalOutcome SaveIfChanged();

    // The absent teacher's ticked lesson lines (the absent-teacher dialog's answer).
    // Lines already in the journal are skipped. A new day is refused when the
    // archive's directory is full, and any day beyond 100 rows.
    JournalOutcome AddAbsence(int teacher, const std::vector<LessonLine>& ticked);
    bool CanDelete(int row) const;
    JournalOutcome DeleteRow(int row);
    // The lesson a row's substitute is chosen for; the system's message when the
    // open variant has no such lesson of the absent teacher.
    std::optional<SubstitutedLesson> LessonOfRow(int row, std::string* message = nullptr) const;
    std::vector<SubstituteCandidate> CandidatesForRow(int row, std::string* message = nullptr) const;
    JournalOutcome SetSubstitute(int row, const SubstituteCandidate& candidate);
    // Reason, substitution subject and note; other columns are not edited by hand.
    static bool IsEditableColumn(int column);
    bool IsEditableCell(int row, int column) const;
    // A text with characters the archive cannot keep is refused and the cell keeps its text.
    JournalOutcome EditCell(int row, int column, const std::string& text);

    TZamDataStrings day() const { return {rows_}; }

private:
    JournalOutcome save();
    void rebuildBusy();
    void markChanged();
    bool validRow(int row) const { return row >= 0 && row < rowCount(); }

    SubstitutionArchive& archive_;
    const JournalTimetable* timetable_;
    SerialDate date_ = 0;
    std::vector<JournalRow> rows_;
    JournalBusyTable busy_;
    bool changed_ = false;
};

}  // namespace lovaris
