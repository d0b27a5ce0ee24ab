#pragma once
// What a variant and its file need to know of the planning copies: the classes in
// class order with their planning lesson lists, and the rooms in room order. A
// variant refers to lessons and rooms by index; its file refers to them by ID.
#include <cstdint>
#include <vector>

namespace lovaris {

// A lesson of a class's planning list. A separated lesson carries its parent's
// ID + 1000000 and the separated hours as its spread.
struct VariantLesson {
    std::int32_t id = -1;
    int subgroupCount = 1;
    std::vector<int> spread;  // hours of each day block
};

struct VariantClass {
    std::int32_t id = -1;
    std::vector<VariantLesson> lessons;
};

struct VariantCatalog {
    int lessonsPerDay = 8;
    std::vector<VariantClass> classes;
    std::vector<std::int32_t> roomIds;

    int classCount() const { return static_cast<int>(classes.size()); }
    int roomCount() const { return static_cast<int>(roomIds.size()); }
    // -1 when the class has no such lesson.
    int lessonIndexOfId(int klass, std::int32_t lessonId) const;
    int roomIndexOfId(std::int32_t roomId) const;
    // 0 for an index outside the class's list.
    int subgroupCount(int klass, int lessonIndex) const;
};

}  // namespace lovaris
