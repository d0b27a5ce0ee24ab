// What the variant says about teachers and teacher groups.
#include <algorithm>

#include "VariantPlanning.h"

namespace lovaris {

TeacherLessonAt VariantPlanning::findTeacherLessonOn(int teacher, int day, int lesson) const {
    for (int c = 0; c < variant_.classCount(); ++c) {
        const LessonSlot slot = variant_.GetCleanSlot(c, day, lesson);
        if (!slot.occupied()) continue;
        const int s = teacherSubgroup(c, slot.lessonIndex, teacher);
        if (s < 0) continue;
        const auto& sub = lessonAt(c, slot.lessonIndex)->subgroups[static_cast<std::size_t>(s)];
        return TeacherLessonAt{c, s, static_cast<int>(sub.links.size()), 0};
    }
    return {};
}

// A linked lesson is counted once, in the first of its classes.
TeacherLessonAt VariantPlanning::findTeacherDraftLessonOn(int teacher, int day, int ordinal, int* countedOut) const {
    int local = 0;
    int& counted = countedOut ? *countedOut : local;
    counted = 0;
    for (int c = 0; c < variant_.classCount(); ++c)
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
            const LessonSlot slot = variant_.GetDraftSlot(c, day, n);
            if (!slot.occupied()) continue;
            const int s = teacherSubgroup(c, slot.lessonIndex, teacher);
            if (s < 0) continue;
            const auto& links = lessonAt(c, slot.lessonIndex)->subgroups[static_cast<std::size_t>(s)].links;
            if (std::any_of(links.begin(), links.end(), [c](const LessonRef& l) { return l.owner < c; })) continue;
            if (++counted == ordinal) return TeacherLessonAt{c, s, static_cast<int>(links.size()), n};
        }
    return {};
}

TeacherLessonAt VariantPlanning::FindTeacherLessonAt(int teacher, int lesson) const {
    return findTeacherLessonOn(teacher, selectedDay(), lesson);
}

TeacherLessonAt VariantPlanning::FindTeacherDraftLessonAt(int teacher, int ordinal) const {
    return findTeacherDraftLessonOn(teacher, selectedDay(), ordinal);
}

int VariantPlanning::CountTeacherCleanLessons(int teacher, int day) const {
    int count = 0;
    for (int n = 1; n <= variant_.lessonsPerDay(); ++n) count += findTeacherLessonOn(teacher, day, n).found() ? 1 : 0;
    return count;
}

// Ordinal n is found for n = 1..L exactly when the teacher has n draft hours: one walk
// over the draft counts them all (the views ask for it per header cell).
int VariantPlanning::CountTeacherDraftLessons(int teacher, int day) const {
    int counted = 0;
    findTeacherDraftLessonOn(teacher, day, 0, &counted);
    return std::min(counted, variant_.lessonsPerDay());
}

TeacherLessonCounts VariantPlanning::CountTeacherLessons(int teacher, int day) const {
    TeacherLessonCounts counts;
    const int first = day == 0 ? 1 : day;
    const int last = day == 0 ? kVariantDays : day;
    for (int d = first; d <= last; ++d) {
        counts.clean += CountTeacherCleanLessons(teacher, d);
        counts.draft += CountTeacherDraftLessons(teacher, d);
    }
    return counts;
}

// A block is a run of hours of one lesson in which every later hour continues the one before.
int VariantPlanning::TeacherLongestBlockOnDay(int teacher, int day) const {
    if (day < 1 || day > kVariantDays) return 0;
    int longest = 0;
    for (int c = 0; c < variant_.classCount(); ++c)
        for (const bool draft : {false, true}) {
            int length = 0;
            int lesson = -1;
            for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
                const LessonSlot slot = draft ? variant_.GetDraftSlot(c, day, n) : variant_.GetCleanSlot(c, day, n);
                if (!slot.occupied()) {
                    length = 0;
                    lesson = -1;
                    continue;
                }
                const bool continues = slot.lessonIndex == lesson && slot.prevPosition >= 0;
                length = continues ? length + 1 : 1;
                lesson = slot.lessonIndex;
                if (teacherSubgroup(c, lesson, teacher) >= 0) longest = std::max(longest, length);
            }
        }
    return longest;
}

int VariantPlanning::TeacherWindowsOnDay(int teacher) const {
    int first = 0;
    int last = 0;
    int taught = 0;
    for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
        if (!FindTeacherLessonAt(teacher, n).found()) continue;
        if (first == 0) first = n;
        last = n;
        ++taught;
    }
    return first == 0 ? 0 : last - first + 1 - taught;
}

int VariantPlanning::GroupWindowsTotal() const {
    int windows = 0;
    for (int t : teachers_.groups.row(state_.selectedGroup)) windows += TeacherWindowsOnDay(t);
    return windows;
}

bool VariantPlanning::IsDayFreeOfGroup(int day, int group) const {
    const auto row = teachers_.groups.row(group);
    for (int c = 0; c < variant_.classCount(); ++c)
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n)
            for (const LessonSlot& slot : {variant_.GetCleanSlot(c, day, n), variant_.GetDraftSlot(c, day, n)}) {
                const PlanningLesson* lesson = slot.occupied() ? lessonAt(c, slot.lessonIndex) : nullptr;
                if (!lesson) continue;
                for (const auto& sub : lesson->subgroups)
                    if (sub.teacher >= 0 && std::find(row.begin(), row.end(), sub.teacher) != row.end()) return false;
            }
    return true;
}

bool VariantPlanning::teacherHasHourOn(int teacher, int day) const {
    for (int c = 0; c < variant_.classCount(); ++c)
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n)
            for (const LessonSlot& slot : {variant_.GetCleanSlot(c, day, n), variant_.GetDraftSlot(c, day, n)})
                if (slot.occupied() && teacherSubgroup(c, slot.lessonIndex, teacher) >= 0) return true;
    return false;
}

void VariantPlanning::CountFreeDays(bool byGroup) {
    for (int t = 0; t < teachers_.count(); ++t) {
        const int row = byGroup ? teachers_.groups.rowOf(t) : -1;
        int freeDays = 0;
        for (int d = 1; d <= kVariantDays; ++d) {
            if (d == selectedDay()) continue;
            const bool planned = row >= 0 ? !IsDayFreeOfGroup(d, row) : !variant_.IsDayEmpty(d);
            if (planned && !teacherHasHourOn(t, d)) ++freeDays;
        }
        teachers_.at(t).freeDaysTaken = freeDays;
    }
}

}  // namespace lovaris
