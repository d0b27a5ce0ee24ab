#include "WeekPlanChecks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/data/ProjectJson.h"

namespace lovaris::test {
namespace {

// The first lesson of the link set an hour belongs to: hours taught together count once.
LessonRef LinkSetKey(const PlanningSession& session, int klass, int lesson) {
    LessonRef key{klass, lesson, -1};
    for (const LessonRef& ref : session.klasses().BuildLinkSet(klass, lesson).klassLessons)
        if (std::pair(ref.owner, ref.lesson) < std::pair(key.owner, key.lesson)) key = {ref.owner, ref.lesson, -1};
    return key;
}

}  // namespace

Project SampleSchool() {
    std::ifstream in(LOVARIS_EXAMPLES_DIR "/school.json");
    std::stringstream text;
    text << in.rdbuf();
    ProjectFromJsonResult read = ProjectFromJson(nlohmann::json::parse(text.str()));
    EXPECT_TRUE(read.project) << read.error;
    return read.project.value_or(Project{});
}

std::string Collisions(const PlanningSession& session, const TTableVarItem& variant) {
    std::string found;
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
            std::map<int, std::set<std::pair<int, int>>> teachers, rooms;
            for (int k = 0; k < variant.classCount(); ++k) {
                const LessonSlot slot = variant.GetCleanSlot(k, d, n);
                if (!slot.occupied()) continue;
                const LessonRef key = LinkSetKey(session, k, slot.lessonIndex);
                const auto& lesson = session.klasses().at(k).lesson(slot.lessonIndex);
                for (int s = 0; s < lesson.subgroupCount(); ++s) {
                    const int teacher = lesson.subgroups[static_cast<std::size_t>(s)].teacher;
                    if (teacher >= 0) teachers[teacher].insert({key.owner, key.lesson});
                    if (s < kSlotRooms && slot.rooms[static_cast<std::size_t>(s)] != kNoRoom)
                        rooms[slot.rooms[static_cast<std::size_t>(s)]].insert({key.owner, key.lesson});
                }
            }
            for (const auto& [teacher, lessons] : teachers)
                if (lessons.size() > 1) found += "teacher " + std::to_string(teacher) + " day " + std::to_string(d) + " lesson " + std::to_string(n) + "\n";
            for (const auto& [room, lessons] : rooms)
                if (lessons.size() > 1) found += "room " + std::to_string(room) + " day " + std::to_string(d) + " lesson " + std::to_string(n) + "\n";
        }
    return found;
}

std::string ClosedRoomUses(const PlanningSession& session, const TTableVarItem& variant) {
    std::string found;
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= variant.lessonsPerDay(); ++n)
            for (int k = 0; k < variant.classCount(); ++k)
                for (const std::uint16_t room : variant.GetCleanSlot(k, d, n).rooms)
                    if (room != kNoRoom && session.rooms().at(room).busy.at(d, n) != 0)
                        found += "room " + std::to_string(room) + " day " + std::to_string(d) + " lesson " +
                                 std::to_string(n) + " class " + std::to_string(k) + "\n";
    return found;
}

}  // namespace lovaris::test
