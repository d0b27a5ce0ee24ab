#include "JournalTimetable.h"

#include "../common/JournalTexts.h"
#include "../common/TextCompare.h"

namespace lovaris {

std::string JournalTimetable::teacherName(int teacher) const {
    return teacher >= 0 && teacher < teacherCount() ? session_.teachers().at(teacher).displayName() : std::string();
}

int JournalTimetable::IndexOfTeacher(std::string_view name) const {
    for (int t = 0; t < teacherCount(); ++t)
        if (ListTextEqual(teacherName(t), name)) return t;
    return -1;
}

std::vector<std::string> JournalTimetable::TeacherNames() const {
    std::vector<std::string> names;
    for (int t = 0; t < teacherCount(); ++t) names.push_back(teacherName(t));
    return names;
}

std::vector<std::string> JournalTimetable::SubjectNames() const {
    std::vector<std::string> names;
    for (int s = 0; s < session_.subjects().count(); ++s) names.push_back(session_.subjects().at(s).record.displayName());
    return names;
}

JournalLesson JournalTimetable::TeacherLessonAt(int teacher, int weekday, int lesson) const {
    if (teacher < 0 || weekday < 1 || weekday > kVariantDays) return {};
    for (int c = 0; c < variant_.classCount() && c < session_.klasses().count(); ++c) {
        const LessonSlot slot = variant_.GetCleanSlot(c, weekday, lesson);
        const auto& klass = session_.klasses().at(c);
        if (!slot.occupied() || slot.lessonIndex >= klass.lessonCount()) continue;
        const auto& subgroups = klass.lesson(slot.lessonIndex).subgroups;
        for (std::size_t s = 0; s < subgroups.size(); ++s)
            if (subgroups[s].teacher == teacher) return {c, slot.lessonIndex, static_cast<int>(s)};
    }
    return {};
}

int JournalTimetable::CleanLessonCount(int teacher, int weekday) const {
    int count = 0;
    for (int n = 1; n <= lessonsPerDay(); ++n) count += TeacherLessonAt(teacher, weekday, n).found() ? 1 : 0;
    return count;
}

bool JournalTimetable::TeachesLesson(int teacher, int klass, int lessonIndex) const {
    if (klass < 0 || klass >= session_.klasses().count()) return false;
    const auto& k = session_.klasses().at(klass);
    if (lessonIndex < 0 || lessonIndex >= k.lessonCount()) return false;
    for (const auto& sub : k.lesson(lessonIndex).subgroups)
        if (sub.teacher == teacher) return true;
    return false;
}

bool JournalTimetable::BusyMarkCounts(int teacher, int weekday, int lesson) const {
    if (teacher < 0 || teacher >= teacherCount()) return false;
    return session_.teachers().at(teacher).closedAt(weekday, lesson, session_.teachers().wishesMode);
}

LessonLine JournalTimetable::Line(int teacher, int weekday, int lesson) const {
    LessonLine line;
    line.number = lesson;
    line.lesson = TeacherLessonAt(teacher, weekday, lesson);
    const std::string prefix = std::to_string(lesson) + ". ";
    if (!line.lesson.found()) {
        line.text = prefix + LoadResText(JournalText::NoLesson);
        return line;
    }
    const auto& klass = session_.klasses().at(line.lesson.klass);
    const auto& sub = klass.lesson(line.lesson.lessonIndex).subgroups[static_cast<std::size_t>(line.lesson.subgroup)];
    line.classText = klass.displayName();
    for (const auto& link : sub.links)
        line.classText += "/" + (link.owner >= 0 && link.owner < session_.klasses().count()
                                     ? session_.klasses().at(link.owner).displayName()
                                     : LoadResText(JournalText::NoName));
    line.stage = klass.stage;
    line.subject = sub.subject >= 0 && sub.subject < session_.subjects().count()
                       ? session_.subjects().at(sub.subject).record.displayName()
                       : LoadResText(JournalText::NoName);
    if (!sub.fictiveRoom.empty()) {
        line.room = sub.fictiveRoom;
    } else {
        const LessonSlot slot = variant_.GetCleanSlot(line.lesson.klass, weekday, lesson);
        const auto s = static_cast<std::size_t>(line.lesson.subgroup);
        const int room = s < slot.rooms.size() && slot.rooms[s] != kNoRoom ? slot.rooms[s] : -1;
        if (room >= 0 && room < session_.rooms().count()) line.room = session_.rooms().at(room).displayName();
    }
    line.text = prefix + line.classText + " " + line.subject;
    return line;
}

std::vector<LessonLine> JournalTimetable::LessonLines(int teacher, int weekday) const {
    std::vector<LessonLine> lines;
    if (teacher < 0 || teacher >= teacherCount() || weekday < 1 || weekday > kVariantDays) return lines;
    for (int n = 1; n <= lessonsPerDay(); ++n) lines.push_back(Line(teacher, weekday, n));
    return lines;
}

}  // namespace lovaris
