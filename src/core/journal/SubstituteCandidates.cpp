#include "SubstituteCandidates.h"

#include <algorithm>
#include <optional>

#include "../common/JournalTexts.h"

namespace lovaris {
namespace {

std::optional<CandidateGroup> groupOf(const JournalTimetable& timetable, const JournalBusyTable& busy,
                                      const SubstitutedLesson& s, int teacher, int classLesson) {
    if (busy.IsAbsent(teacher, s.number)) return std::nullopt;
    if (timetable.TeachesLesson(teacher, s.lesson.klass, classLesson)) return CandidateGroup::SameLesson;
    if (busy.IsSubstituting(teacher, s.number)) return std::nullopt;
    if (timetable.BusyMarkCounts(teacher, s.weekday, s.number)) return CandidateGroup::BusyMark;
    if (timetable.TeacherLessonAt(teacher, s.weekday, s.number).found()) return std::nullopt;
    return timetable.CleanLessonCount(teacher, s.weekday) > 0 ? CandidateGroup::Gap : CandidateGroup::FreeDay;
}

}  // namespace

std::string CandidateMark(CandidateGroup group) {
    switch (group) {
        case CandidateGroup::SameLesson: return LoadResText(JournalText::MarkSameLesson);
        case CandidateGroup::Gap: return LoadResText(JournalText::MarkGap);
        case CandidateGroup::FreeDay: return LoadResText(JournalText::MarkFreeDay);
        case CandidateGroup::BusyMark: return LoadResText(JournalText::MarkBusy);
    }
    return {};
}

std::vector<SubstituteCandidate> SubstituteCandidates(const JournalTimetable& timetable, const JournalBusyTable& busy,
                                                      const SubstitutedLesson& substituted) {
    // The class lesson standing at the hour, which a "гр. " candidate teaches a subgroup of.
    const LessonSlot slot = timetable.variant().GetCleanSlot(substituted.lesson.klass, substituted.weekday, substituted.number);
    const int classLesson = slot.occupied() ? slot.lessonIndex : -1;
    std::vector<SubstituteCandidate> candidates;
    for (int t = 0; t < timetable.teacherCount(); ++t) {
        if (t == substituted.absentTeacher) continue;
        const auto group = groupOf(timetable, busy, substituted, t, classLesson);
        if (!group) continue;
        const std::string name = timetable.teacherName(t);
        candidates.push_back({t, *group, CandidateMark(*group) + name, name});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const SubstituteCandidate& a, const SubstituteCandidate& b) { return a.group < b.group; });
    return candidates;
}

}  // namespace lovaris
