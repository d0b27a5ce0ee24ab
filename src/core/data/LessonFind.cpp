#include "LessonFind.h"

#include "../common/StringTable.h"
#include "LessonOrder.h"
#include "LessonRowTexts.h"

namespace lovaris {
namespace {

std::string hoursText(const TLessonItem& lesson) {
    std::string text = std::to_string(lesson.weeklyHours());
    if (lesson.hasSeparatedHours()) text += LoadResText(TextId::SeparatedHoursMark);
    return text;
}

}  // namespace

LessonFindRows BuildLessonFindRows(const Project& project, int shownPosition, int shownSubgroup) {
    LessonFindRows result;
    for (const auto& group : LessonsByClass(project)) {
        const std::string klass = ClassRowText(project.klasses, group.klass);
        for (std::size_t i = 0; i < group.positions.size(); ++i) {
            const int pos = group.positions[i];
            const auto& lesson = project.lessons.at(pos);
            const std::string hours = hoursText(lesson);
            for (int s = 0; s < lesson.subgroupCount(); ++s) {
                const auto& sub = lesson.subgroups[static_cast<std::size_t>(s)];
                if (pos == shownPosition && s == shownSubgroup) result.shownRow = static_cast<int>(result.rows.size());
                LessonFindRow row;
                row.lessonPosition = pos;
                row.subgroup = s;
                row.hasLinks = !sub.links.empty();
                row.klass = klass;
                row.number = RecordNumberText(static_cast<int>(i) + 1, s, lesson.subgroupCount());
                row.subject = SubjectRowText(project.subjects, sub.subject);
                row.hours = hours;
                row.teacher = TeacherRowText(project.teachers, sub.teacher);
                row.links = YesNoText(row.hasLinks);
                result.rows.push_back(std::move(row));
            }
        }
    }
    return result;
}

int CopyLessonAsNew(Project& project, int position) {
    auto& lessons = project.lessons;
    if (position < 0 || position >= lessons.count()) return -1;
    const std::int32_t id = lessons.nextId();
    TLessonItem copy = lessons.at(position).copyAs(id);
    copy.klass = -1;
    lessons.setNextId(id + 1);
    lessons.append(std::move(copy));
    return lessons.count() - 1;
}

}  // namespace lovaris
