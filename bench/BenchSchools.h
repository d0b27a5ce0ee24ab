#pragma once
// The schools the benchmarks plan: the sample school (LOVARIS_SAMPLE_SCHOOL) and a
// generated school of 30 classes and 60 teachers, 8 lessons a day, whose lessons come
// in blocks of 2 and 1 hours; every teacher shares a two-subgroup lesson with one
// other, so the week falls into pairs. It keeps no rooms.
#include <stdexcept>
#include <string>
#include <vector>

#include "core/common/FileIO.h"
#include "core/data/Project.h"
#include "core/data/ProjectFile.h"

namespace lovaris::bench {

inline Project GeneratedSchool() {
    Project p;
    p.params.lessonsPerDay = 8;
    p.params.classMinLessons = 4;
    for (int s = 0; s < 12; ++s) p.subjects.add().setName("Предмет " + std::to_string(s + 1));
    for (int t = 0; t < 60; ++t) p.teachers.add().setName("Учитель " + std::to_string(t + 1));
    for (int k = 0; k < 30; ++k) {
        auto& klass = p.klasses.add();
        klass.setName(std::to_string(5 + k / 5) + "-" + std::to_string(k % 5 + 1));
        klass.insertStartingLesson(1);
    }
    auto add = [&p](int klass, int subject, std::vector<int> spread, std::vector<int> teachers) {
        auto& lesson = p.lessons.add();
        lesson.klass = klass;
        lesson.setSpread(spread);
        lesson.setSubgroupCount(static_cast<int>(teachers.size()));
        for (std::size_t g = 0; g < teachers.size(); ++g) {
            lesson.subgroups[g].subject = subject;
            lesson.subgroups[g].teacher = teachers[g];
            lesson.subgroups[g].children = 12;
        }
    };
    // Five lessons of single teachers and a language in two subgroups: 20 hours a
    // class, about 20 a teacher.
    const std::vector<std::vector<int>> spreads = {{2, 1, 1}, {1, 1, 1, 1}, {2, 1}, {1, 1, 1}, {2, 2}};
    for (int k = 0; k < 30; ++k) {
        for (int j = 0; j < 5; ++j) add(k, j, spreads[static_cast<std::size_t>(j)], {(k * 5 + j * 13) % 60});
        add(k, 6 + k % 6, {1, 1, 1}, {2 * k, 2 * k + 1});
    }
    p.refreshSectionHeaders();
    return p;
}

inline Project SampleSchool() {
    const auto bytes = ReadWholeFile(LOVARIS_SAMPLE_SCHOOL);
    if (!bytes) throw std::runtime_error("the sample school is missing: build the target sample_school");
    return *ParseProject(*bytes);
}

}  // namespace lovaris::bench
