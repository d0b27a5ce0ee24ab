// Saving and loading the project file of a school of common size: 30 classes,
// 60 teachers, 40 rooms, 30 subjects and 600 lessons of one or two subgroups.
#include <benchmark/benchmark.h>

#include <string>

#include "core/data/ProjectFile.h"

namespace {

using namespace lovaris;

Project MakeSchool() {
    Project p;
    p.params.description = "Средняя школа";
    for (int i = 0; i < 40; ++i) {
        auto& room = p.rooms.add();
        room.setName("Кабинет " + std::to_string(100 + i));
        room.specialization = static_cast<std::uint8_t>(i % 5);
        room.busy.set(1 + i % 6, 1 + i % 8, 1);
    }
    for (int i = 0; i < 30; ++i) {
        auto& subject = p.subjects.add();
        subject.setName("Предмет " + std::to_string(i + 1));
        subject.sanitaryCoefficient = static_cast<std::uint16_t>(1 + i % 12);
        subject.insertWishedRoom(0, i % 40);
        subject.insertWishedRoom(1, (i + 7) % 40);
    }
    const char* letters[] = {"А", "Б", "В"};
    for (int i = 0; i < 30; ++i) {
        auto& klass = p.klasses.add();
        klass.setName(std::to_string(1 + i / 3) + letters[i % 3]);
        klass.attachedRoom = i % 40;
        klass.insertStartingLesson(1);
        klass.appendParallel(i % 3 == 0 ? i + 1 : i - 1);
        klass.stage = i / 10;
    }
    for (int i = 0; i < 60; ++i) {
        auto& teacher = p.teachers.add();
        teacher.setName("Учитель " + std::to_string(i + 1));
        teacher.freeDays = i % 2;
        teacher.plannedHours = 18;
        teacher.busy.set(1 + i % 6, 1, kTeacherWishHigh);
    }
    for (int i = 0; i < 600; ++i) {
        auto& lesson = p.lessons.add();
        lesson.klass = i % 30;
        lesson.setSpread({1, 1, 2});
        lesson.setSubgroupCount(1 + i % 2);
        for (int g = 0; g < lesson.subgroupCount(); ++g) {
            auto& sub = lesson.subgroups[static_cast<std::size_t>(g)];
            sub.subject = i % 30;
            sub.teacher = (i + g) % 60;
            sub.children = 15;
        }
    }
    p.refreshSectionHeaders();
    return p;
}

void BM_SerializeProject(benchmark::State& state) {
    const Project school = MakeSchool();
    for (auto _ : state) benchmark::DoNotOptimize(SerializeProject(school));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(SerializeProject(school).size()));
}
BENCHMARK(BM_SerializeProject);

void BM_ParseProject(benchmark::State& state) {
    const auto bytes = SerializeProject(MakeSchool());
    for (auto _ : state) benchmark::DoNotOptimize(ParseProject(bytes));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseProject);

}  // namespace
