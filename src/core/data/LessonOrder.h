#pragma once
// The order in which the lesson dialogs list lessons: class by class, the classes
// by name as the lessons editor's class list shows them, then the class IDs that
// only lessons know (-1 among them) in the order the lessons first use them.
#include <cstdint>
#include <vector>

#include "Project.h"

namespace lovaris {

struct ClassLessons {
    std::int32_t klass = -1;
    // Lesson positions in collection order; a lesson's number in its class is its index + 1.
    std::vector<int> positions;
};

std::vector<ClassLessons> LessonsByClass(const Project& project);

}  // namespace lovaris
