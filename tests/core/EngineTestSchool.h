#pragma once
// Small schools built in code for the planning engine tests, and a timetable grid
// of their own that the planning states read.
#include <map>
#include <tuple>

#include "core/data/Project.h"
#include "core/engine/TRTIKlassesCollection.h"
#include "core/engine/VariantDayReader.h"

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

// Hours placed by (class, day, lesson number); everything else is empty.
class FakeVariant : public VariantDayReader {
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
