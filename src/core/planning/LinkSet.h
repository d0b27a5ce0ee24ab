#pragma once
// A lesson with every lesson tied to it by subgroup links: the classes' lessons
// (list A, the lesson itself first) and the teachers with their copies (list B).
#include <vector>

#include "PlanningLesson.h"

namespace lovaris {

struct LinkSet {
    static constexpr std::size_t kMaxEntries = 26;

    std::vector<LessonRef> klassLessons;    // (class, lesson), subgroup unused
    std::vector<LessonRef> teacherCopies;   // (teacher, copy), subgroup unused

    bool containsKlass(int klass) const {
        for (const auto& r : klassLessons)
            if (r.owner == klass) return true;
        return false;
    }
    bool containsTeacher(int teacher) const {
        for (const auto& r : teacherCopies)
            if (r.owner == teacher) return true;
        return false;
    }
    bool empty() const { return klassLessons.empty(); }
};

}  // namespace lovaris
