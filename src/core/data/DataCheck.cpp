#include "DataCheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "../common/StringTable.h"
#include "WeekAvailability.h"

namespace lovaris {
namespace {

std::string NoErrorsLine() { return "1. " + LoadResText(TextId::CheckNoErrors); }

// One page of the report: numbered findings, or the single "no errors" line.
class Page {
public:
    explicit Page(std::vector<std::string>& lines) : lines_(lines) { lines_.clear(); }

    void add(const std::string& finding) { lines_.push_back(std::to_string(++counter_) + ". " + finding); }
    void add(const std::string& name, TextId text) { add(name + ": " + LoadResText(text)); }
    bool hasFindings() const { return counter_ > 0; }
    void finish() {
        if (!hasFindings()) add(LoadResText(TextId::CheckNoErrors));
    }

private:
    std::vector<std::string>& lines_;
    int counter_ = 0;
};

std::vector<std::string>& PageLines(DataCheckReport& report, EditorKind kind) {
    return report.pages[static_cast<std::size_t>(kind)];
}

// The record a reference names; none when the reference is not set (-1) or the record is gone.
template <typename Collection>
auto Referenced(const Collection& records, std::int32_t id) -> decltype(records.findById(id)) {
    return id == -1 ? nullptr : records.findById(id);
}

template <typename Item>
bool IsUnnamed(const Item& item, TextId placeholder) {
    return item.displayName() == LoadResText(placeholder);
}

void CheckRooms(const Project& project, Page& page) {
    for (const auto& room : project.rooms) {
        const std::string name = room.displayName();
        if (IsUnnamed(room, TextId::RoomPlaceholder)) page.add(name, TextId::CheckSetName);
        if (room.specialization == 0 && room.generalUse == 0) page.add(name, TextId::CheckRoomGeneralStrict);
        if (room.seats == 0) page.add(name, TextId::CheckRoomSeats);
    }
}

void CheckSubjects(const Project& project, Page& page) {
    for (const auto& subject : project.subjects) {
        const std::string name = subject.displayName();
        if (IsUnnamed(subject, TextId::SubjectPlaceholder)) page.add(name, TextId::CheckSetName);
        if (subject.specialization == 0 && subject.generalUse == 0) page.add(name, TextId::CheckSubjectGeneralStrict);
        if (subject.sanitaryCoefficient == 0) page.add(name, TextId::CheckSubjectCoefficient);
        const bool badRoom = std::any_of(subject.wishedRooms.begin(), subject.wishedRooms.end(),
                                         [&](std::int32_t id) { return project.rooms.findById(id) == nullptr; });
        if (badRoom) page.add(name, TextId::CheckSubjectWishedRoom);
    }
}

void CheckClasses(const Project& project, Page& page) {
    for (const auto& klass : project.klasses) {
        const std::string name = klass.displayName();
        if (IsUnnamed(klass, TextId::ClassPlaceholder)) page.add(name, TextId::CheckSetName);
        if (klass.children == 0) page.add(name, TextId::CheckClassChildren);
        if (klass.startingLessons.empty()) page.add(name, TextId::CheckClassStartingLessons);
        if (klass.attachedRoom != -1 && !Referenced(project.rooms, klass.attachedRoom))
            page.add(name, TextId::CheckAttachedRoom);
        const bool badParallel = std::any_of(klass.parallels.begin(), klass.parallels.end(),
                                             [&](std::int32_t id) { return project.klasses.findById(id) == nullptr; });
        if (badParallel) page.add(name, TextId::CheckClassParallel);
    }
}

void CheckTeachers(const Project& project, Page& page) {
    for (const auto& teacher : project.teachers) {
        const std::string name = teacher.displayName();
        if (IsUnnamed(teacher, TextId::TeacherPlaceholder)) page.add(name, TextId::CheckSetName);
        if (teacher.attachedRoom != -1 && !Referenced(project.rooms, teacher.attachedRoom))
            page.add(name, TextId::CheckAttachedRoom);
        if (TeacherAvailableHours(teacher, project.params.lessonsPerDay) < teacher.plannedHours)
            page.add(name, TextId::CheckTeacherFreeHours);
    }
}

// The lesson as findings name it: its class, then its subgroups' subjects joined by "/".
std::string LessonTitle(const Project& project, const TLessonItem& lesson) {
    const TKlassItem* klass = Referenced(project.klasses, lesson.klass);
    std::string title = klass ? klass->displayName() : LoadResText(TextId::ClassPlaceholder);
    title += ", ";
    for (std::size_t k = 0; k < lesson.subgroups.size(); ++k) {
        if (k > 0) title += "/";
        const TSubjectItem* subject = Referenced(project.subjects, lesson.subgroups[k].subject);
        title += subject ? subject->displayName() : LoadResText(TextId::NotSetShort);
    }
    return title;
}

// The first link finding of a subgroup, if any; each link is checked in order.
std::optional<TextId> CheckLinks(const Project& project, const TLessonItem& lesson, int k) {
    const TLessonSubItem& sub = lesson.subgroups[static_cast<std::size_t>(k)];
    for (const LessonLink& link : sub.links) {
        const TLessonItem* other = project.lessons.findById(link.lessonId);
        if (!other || link.subgroup >= other->subgroupCount()) return TextId::CheckLinkBad;
        const auto back = std::find_if(other->subgroups.begin(), other->subgroups.end(),
                                       [&](const TLessonSubItem& s) { return s.hasLinkTo(lesson.id, k); });
        if (back == other->subgroups.end()) return TextId::CheckLinkNotMutual;
        if (back->teacher != sub.teacher) return TextId::CheckLinkOtherTeacher;
        if (back->subject != sub.subject) return TextId::CheckLinkOtherSubject;
        if (other->hourEntries != lesson.hourEntries) return TextId::CheckLinkOtherSpread;
    }
    return std::nullopt;
}

void CheckLesson(const Project& project, const TLessonItem& lesson, std::vector<std::uint16_t>& countedHours,
                 Page& page) {
    const int lessonsPerDay = project.params.lessonsPerDay;
    const std::string title = LessonTitle(project, lesson);

    // 1. The class.
    const TKlassItem* klass = Referenced(project.klasses, lesson.klass);
    if (lesson.klass == -1)
        page.add(LoadResText(TextId::ClassPlaceholder), TextId::CheckLessonNoClass);
    else if (!klass)
        page.add(LoadResText(TextId::ClassPlaceholder), TextId::CheckLessonBadClass);

    // 2. and 3. The spread and the separated hours.
    const std::vector<int> spread = lesson.spread();
    const std::vector<int> separated = lesson.separatedHours();
    if (spread.empty()) page.add(title, TextId::CheckLessonNoSpread);
    if (lesson.hasSeparatedHours()) {
        const bool missing = std::any_of(separated.begin(), separated.end(), [&](int hours) {
            return std::find(spread.begin(), spread.end(), hours) == spread.end();
        });
        if (missing) page.add(title, TextId::SeparatedHoursMissing);
    }

    // 4. The days the spread needs.
    const int n = static_cast<int>(spread.size());
    const int m = static_cast<int>(separated.size());
    const int requiredDays = std::max(n - m, m);

    // 5. to 7. The class's days and pupils, the subgroups as a whole.
    if (klass && ClassWorkingDays(*klass, lessonsPerDay) < requiredDays)
        page.add(title, TextId::CheckLessonClassDays);
    if (std::all_of(lesson.subgroups.begin(), lesson.subgroups.end(),
                    [](const TLessonSubItem& s) { return s.isEmpty(); }))
        page.add(title, TextId::CheckLessonAllEmpty);
    if (klass) {
        int children = 0;
        for (const auto& sub : lesson.subgroups) children += sub.children;
        if (children != klass->children) page.add(title, TextId::CheckLessonChildren);
    }

    // 8. Each subgroup.
    for (int k = 0; k < lesson.subgroupCount(); ++k) {
        const TLessonSubItem& sub = lesson.subgroups[static_cast<std::size_t>(k)];
        const std::string name = title + ", " + LoadResText(TextId::GroupWord) + " " + std::to_string(k + 1);
        if (!sub.isEmpty()) {
            if (sub.subject == -1)
                page.add(name, TextId::CheckSubgroupNoSubject);
            else if (!Referenced(project.subjects, sub.subject))
                page.add(name, TextId::CheckSubgroupBadSubject);
            const int teacherPos = sub.teacher == -1 ? -1 : project.teachers.indexOfId(sub.teacher);
            if (sub.teacher == -1)
                page.add(name, TextId::CheckSubgroupNoTeacher);
            else if (teacherPos < 0)
                page.add(name, TextId::CheckSubgroupBadTeacher);

            if (teacherPos >= 0) {
                const TTeacherItem& teacher = project.teachers.at(teacherPos);
                if (TeacherWorkingDays(teacher, lessonsPerDay) < requiredDays)
                    page.add(name, TextId::CheckSubgroupTeacherDays);
                // Linked subgroups are taught together: their hours count once, at the smallest lesson ID.
                const bool countedElsewhere = std::any_of(sub.links.begin(), sub.links.end(),
                                                          [&](const LessonLink& l) { return l.lessonId < lesson.id; });
                if (!countedElsewhere) {
                    auto& hours = countedHours[static_cast<std::size_t>(teacherPos)];
                    hours = static_cast<std::uint16_t>(hours + lesson.weeklyHours());
                }
            }
        }
        if (const auto linkFinding = CheckLinks(project, lesson, k)) page.add(name, *linkFinding);
    }
}

void CheckLessons(const Project& project, Page& page) {
    std::vector<std::uint16_t> countedHours(static_cast<std::size_t>(project.teachers.count()), 0);
    for (const auto& lesson : project.lessons) CheckLesson(project, lesson, countedHours, page);

    for (int i = 0; i < project.teachers.count(); ++i) {
        const TTeacherItem& teacher = project.teachers.at(i);
        const std::uint16_t counted = countedHours[static_cast<std::size_t>(i)];
        if (counted == teacher.plannedHours) continue;
        page.add(teacher.displayName() + ": " + LoadResText(TextId::CheckTeacherHoursBegin) + std::to_string(counted) +
                 LoadResText(TextId::CheckTeacherHoursMiddle) + std::to_string(teacher.plannedHours) +
                 LoadResText(TextId::CheckTeacherHoursEnd));
    }
}

}  // namespace

bool DataCheckReport::clean() const {
    const std::string noErrors = NoErrorsLine();
    return std::all_of(pages.begin(), pages.end(), [&](const std::vector<std::string>& lines) {
        return std::all_of(lines.begin(), lines.end(), [&](const std::string& line) { return line == noErrors; });
    });
}

DataCheckReport RunDataCheck(const Project& project) {
    DataCheckReport report;
    const std::pair<EditorKind, void (*)(const Project&, Page&)> checks[] = {
        {EditorKind::Rooms, CheckRooms},       {EditorKind::Subjects, CheckSubjects},
        {EditorKind::Classes, CheckClasses},   {EditorKind::Teachers, CheckTeachers},
        {EditorKind::Lessons, CheckLessons},
    };
    for (const auto& [kind, check] : checks) {
        Page page(PageLines(report, kind));
        check(project, page);
        page.finish();
    }
    return report;
}

}  // namespace lovaris
