#include "JournalDayModel.h"

#include <algorithm>

#include "../common/Cp1251.h"
#include "../common/JournalTexts.h"
#include "../common/MessageFormat.h"
#include "../common/NumberText.h"
#include "../common/TextCompare.h"

namespace lovaris {
namespace {

JournalOutcome refused(JournalText text) { return JournalOutcome::Refused(LoadResText(text)); }

bool sameLine(const JournalRow& row, const std::string& teacher, const LessonLine& line) {
    return row.texts[kColLesson] == std::to_string(line.number) && row.texts[kColAbsent] == teacher &&
           row.texts[kColSubject] == line.subject && row.texts[kColClass] == line.classText &&
           row.texts[kColRoom] == line.room;
}

}  // namespace

JournalDayModel::JournalDayModel(SubstitutionArchive& archive, const JournalTimetable* timetable)
    : archive_(archive), timetable_(timetable), rows_(1) {}

JournalOutcome JournalDayModel::Show(SerialDate date) {
    if (!IsJournalDate(date)) return refused(JournalText::DateError);
    if (const auto saved = SaveIfChanged(); !saved.done) return saved;
    if (date == date_) return {};
    date_ = date;
    rows_ = archive_.ReadDay(date).rows;
    if (rows_.empty()) rows_.resize(1);
    rebuildBusy();
    changed_ = false;
    return {};
}

JournalOutcome JournalDayModel::SaveIfChanged() { return changed_ ? save() : JournalOutcome{}; }

JournalOutcome JournalDayModel::save() {
    if (rows_.size() == 1 && !rows_.front().hasLesson()) {
        if (!archive_.FreeDay(date_)) return refused(JournalText::ArchiveWriteError);
        changed_ = false;
        return {};
    }
    switch (archive_.SaveDay(date_, day())) {
        case ArchiveSave::Saved: changed_ = false; return {};
        case ArchiveSave::DirectoryFull: return refused(JournalText::DirectoryFull);
        case ArchiveSave::WriteFailed: break;
    }
    return refused(JournalText::ArchiveWriteError);
}

void JournalDayModel::rebuildBusy() {
    busy_.Rebuild(rows_, timetable_ ? timetable_->TeacherNames() : std::vector<std::string>());
}

void JournalDayModel::markChanged() {
    changed_ = true;
    rebuildBusy();
}

JournalOutcome JournalDayModel::AddAbsence(int teacher, const std::vector<LessonLine>& ticked) {
    if (!timetable_ || teacher < 0 || teacher >= timetable_->teacherCount()) return {};
    const std::string name = timetable_->teacherName(teacher);
    std::int32_t lessons = 0;
    for (const auto& line : ticked)
        if (line.number >= 1 && line.number <= 32) lessons |= static_cast<std::int32_t>(1u << (line.number - 1));

    std::vector<const LessonLine*> fresh;
    for (const auto& line : ticked) {
        if (!line.hasLesson()) continue;
        const auto known = [&](const JournalRow& row) { return sameLine(row, name, line); };
        const bool twice = std::any_of(fresh.begin(), fresh.end(), [&](const LessonLine* l) { return l->number == line.number; });
        if (!twice && std::none_of(rows_.begin(), rows_.end(), known)) fresh.push_back(&line);
    }
    if (fresh.empty()) return {};
    const bool startsDay = rows_.size() == 1 && !rows_.front().hasLesson();
    // A full directory is told before anything is typed into a new day.
    if (startsDay && archive_.FindEntry(date_) < 0 && !archive_.HasFreeEntry()) return refused(JournalText::DirectoryFull);
    const std::size_t kept = startsDay ? 0 : rows_.size();
    if (kept + fresh.size() > static_cast<std::size_t>(kMaxJournalRows)) return refused(JournalText::DayRowsFull);

    for (const LessonLine* line : fresh) {
        if (!rows_.empty() && !rows_.back().hasLesson()) rows_.pop_back();
        JournalRow row;
        row.texts = {std::to_string(line->number), name, line->subject, line->classText, line->room,
                     LoadResText(JournalText::ReasonSickLeave), "", line->subject, ""};
        row.tags[kColAbsent] = lessons;
        row.tags[kColClass] = line->stage;
        rows_.push_back(std::move(row));
    }
    markChanged();
    return {};
}

bool JournalDayModel::CanDelete(int row) const { return validRow(row) && rows_[static_cast<std::size_t>(row)].hasLesson(); }

JournalOutcome JournalDayModel::DeleteRow(int row) {
    if (!CanDelete(row)) return {};
    if (rows_.size() == 1)
        rows_.front() = JournalRow{};
    else
        rows_.erase(rows_.begin() + row);
    markChanged();
    return {};
}

std::optional<SubstitutedLesson> JournalDayModel::LessonOfRow(int row, std::string* message) const {
    std::optional<SubstitutedLesson> found;
    if (timetable_ && validRow(row)) {
        const auto& r = rows_[static_cast<std::size_t>(row)];
        const auto number = ParseDecimal(r.texts[kColLesson]);
        SubstitutedLesson s;
        s.weekday = weekday();
        s.number = number ? static_cast<int>(*number) : 0;
        s.absentTeacher = timetable_->IndexOfTeacher(r.texts[kColAbsent]);
        if (s.absentTeacher >= 0 && s.number > 0 && s.number <= timetable_->lessonsPerDay()) {
            s.lesson = timetable_->TeacherLessonAt(s.absentTeacher, s.weekday, s.number);
            if (s.lesson.found()) found = s;
        }
    }
    if (!found && message) *message = LoadResText(JournalText::LessonNotFound);
    return found;
}

std::vector<SubstituteCandidate> JournalDayModel::CandidatesForRow(int row, std::string* message) const {
    const auto lesson = LessonOfRow(row, message);
    return lesson ? SubstituteCandidates(*timetable_, busy_, *lesson) : std::vector<SubstituteCandidate>{};
}

JournalOutcome JournalDayModel::SetSubstitute(int row, const SubstituteCandidate& candidate) {
    if (!CanDelete(row)) return {};
    auto& r = rows_[static_cast<std::size_t>(row)];
    r.texts[kColSubstitute] = candidate.name;
    r.tags[kColSubstitute] = candidate.sameLesson() ? 1 : 0;
    markChanged();
    return {};
}

bool JournalDayModel::IsEditableColumn(int column) {
    return column == kColReason || column == kColSubstituteSubject || column == kColNote;
}

bool JournalDayModel::IsEditableCell(int row, int column) const { return CanDelete(row) && IsEditableColumn(column); }

JournalOutcome JournalDayModel::EditCell(int row, int column, const std::string& text) {
    if (!IsEditableCell(row, column)) return {};
    // The archive would turn them into "?": the cell keeps its text until the planner mends theirs.
    if (const std::string unkept = cp1251Unkept(text); !unkept.empty())
        return JournalOutcome::Refused(FormatMessage(LoadResText(JournalText::TextUnkept), unkept));
    auto& cell = rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(column)];
    if (cell == text) return {};
    cell = text;
    markChanged();
    return {};
}

}  // namespace lovaris
