#pragma once
// Small schools built in code for the planning engine tests, and a timetable grid
// of their own that the planning states read.
#include <map>
#include <tuple>

#include "core/data/Project.h"
#include "core/planning/TRTIKlassesCollection.h"
#include "core/variant/OptimisationVariant.h"
#include "core/planning/TRTITeachersCollection.h"

namespace lovaris::test {

class EngineSchool {
public:
    explicit EngineSchool(int lessonsPerDay = 8) {
        project.params.lessonsPerDay = static_cast<std::uint16_t>(lessonsPerDay);
        project.params.classMinLessons = 4;
    }
    int room(const std::string& name) {
        auto& r = project.rooms.add();
        r.name = name;
        return r.id;
    }
    int subject(const std::string& name, int coefficient = 5) {
        auto& s = project.subjects.add();
        s.name = name;
        s.sanitaryCoefficient = static_cast<std::uint16_t>(coefficient);
        return s.id;
    }
    int klass(const std::string& name, std::vector<int> startingLessons = {1}) {
        auto& k = project.klasses.add();
        k.name = name;
        k.startingLessons = std::move(startingLessons);
        return k.id;
    }
    int teacher(const std::string& name, int attachedRoom = -1) {
        auto& t = project.teachers.add();
        t.name = name;
        t.attachedRoom = attachedRoom;
        return t.id;
    }
    // A lesson with one subgroup per (subject, teacher) pair.
    TLessonItem& lesson(int klassId, const std::vector<int>& spread, const std::vector<std::pair<int, int>>& subgroups) {
        auto& l = project.lessons.add();
        l.klass = klassId;
        l.setSpread(spread);
        l.subgroups.clear();
        for (auto [subjectId, teacherId] : subgroups) {
            TLessonSubItem s;
            s.subject = subjectId;
            s.teacher = teacherId;
            l.subgroups.push_back(s);
        }
        return l;
    }
    // By ID: adding a lesson moves the earlier ones.
    TLessonItem& lessonById(int id) { return *project.lessons.findById(id); }
    void linkBoth(int a, int subA, int b, int subB) {
        lessonById(a).subgroups[static_cast<std::size_t>(subA)].addLink({b, subB});
        lessonById(b).subgroups[static_cast<std::size_t>(subB)].addLink({a, subA});
    }

    Project project;
};

// Every teacher in one group, the day's closed hours read in and as many windows
// allowed as the day has lessons: only the timetable itself limits a search.
inline void GroupEveryTeacher(TRTITeachersCollection& teachers, int lessonsPerDay) {
    std::vector<int> everyone;
    for (int t = 0; t < teachers.count(); ++t) everyone.push_back(t);
    teachers.groups.rows = {everyone};
    teachers.SetupDay();
    for (int t = 0; t < teachers.count(); ++t) {
        teachers.ResetDay(t);
        teachers.at(t).maxFree = lessonsPerDay;
    }
}

// Hours placed by (class, day, lesson number); everything else is empty.
class FakeVariant : public OptimisationVariant {
public:
    explicit FakeVariant(const TRTIKlassesCollection& klasses) : klasses_(klasses) {}

    // A block of `hours` of the lesson from `start`, in the clean copy or the draft.
    void place(int klass, int day, int start, int hours, int lesson, bool clean = true, std::uint16_t mask = 0) {
        for (int h = 0; h < hours; ++h) {
            PlacedHour hour{h == 0 ? -1 : start + h - 1, lesson, mask};
            (clean ? clean_ : draft_)[{klass, day, start + h}] = hour;
        }
    }
    PlacedHour CleanHour(int klass, int day, int lesson) const override { return find(clean_, klass, day, lesson); }
    PlacedHour DraftHour(int klass, int day, int lesson) const override { return find(draft_, klass, day, lesson); }
    int CountLessonHoursOnDay(int klass, int lesson, int day) const override {
        int n = 0;
        for (const auto* grid : {&clean_, &draft_})
            for (const auto& [key, hour] : *grid)
                if (std::get<0>(key) == klass && std::get<1>(key) == day && hour.lessonIndex == lesson) ++n;
        return n;
    }
    int TeacherLongestBlockOnDay(int teacher, int day) const override {
        int longest = 0;
        for (const auto* grid : {&clean_, &draft_})
            for (const auto& [key, hour] : *grid) {
                if (std::get<1>(key) != day) continue;
                const auto& lesson = klasses_.at(std::get<0>(key)).lesson(hour.lessonIndex);
                for (const auto& sub : lesson.subgroups)
                    if (sub.teacher == teacher)
                        longest = std::max(longest, CountLessonHoursOnDay(std::get<0>(key), hour.lessonIndex, day));
            }
        return longest;
    }

    void ClearDay(int day) override {
        for (auto* grid : {&clean_, &draft_}) std::erase_if(*grid, [day](const auto& e) { return std::get<1>(e.first) == day; });
    }
    void PlaceDayFromPositions(int day) override {
        for (int k = 0; k < klasses_.count(); ++k) {
            int draftNumber = 1;
            const auto& klass = klasses_.at(k);
            for (int pass = 0; pass < 2; ++pass)
                for (int l = 0; l < klass.lessonCount(); ++l) {
                    const auto& lesson = klass.lesson(l);
                    const int hours = lesson.hoursToday();
                    const int start = lesson.fixed ? lesson.fixedStart : lesson.plannedStart;
                    if (hours <= 0 || (start != 0) != (pass == 0)) continue;
                    if (start != 0) {
                        place(k, day, start, hours, l);
                    } else {
                        place(k, day, draftNumber, hours, l, false);
                        draftNumber += hours;
                    }
                }
        }
    }
    int GroupWindowsTotal() const override {
        const auto& teachers = klasses_.teachers();
        int windows = 0;
        for (int t : teachers.groups.row(klasses_.state().selectedGroup)) {
            std::vector<int> taught;
            for (const auto& [key, hour] : clean_) {
                if (std::get<1>(key) != klasses_.state().currentDay) continue;
                for (const auto& sub : klasses_.at(std::get<0>(key)).lesson(hour.lessonIndex).subgroups)
                    if (sub.teacher == t) taught.push_back(std::get<2>(key));
            }
            if (taught.empty()) continue;
            std::sort(taught.begin(), taught.end());
            taught.erase(std::unique(taught.begin(), taught.end()), taught.end());
            windows += taught.back() - taught.front() + 1 - static_cast<int>(taught.size());
        }
        return windows;
    }
    // The lesson at (class, day, number) of the clean copy, -1 when none.
    int cleanLesson(int klass, int day, int lesson) const { return CleanHour(klass, day, lesson).lessonIndex; }
    int draftLesson(int klass, int day, int lesson) const { return DraftHour(klass, day, lesson).lessonIndex; }

private:
    using Key = std::tuple<int, int, int>;
    static PlacedHour find(const std::map<Key, PlacedHour>& grid, int klass, int day, int lesson) {
        auto it = grid.find({klass, day, lesson});
        return it == grid.end() ? PlacedHour{} : it->second;
    }
    const TRTIKlassesCollection& klasses_;
    std::map<Key, PlacedHour> clean_;
    std::map<Key, PlacedHour> draft_;
};

}  // namespace lovaris::test
