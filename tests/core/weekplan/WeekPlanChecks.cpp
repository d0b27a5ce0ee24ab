#include "WeekPlanChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "core/data/ProjectJson.h"
#include "core/rooms/RoomAssignmentSubgroups.h"

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

namespace {

std::string At(int klass, int day, int number) {
    return " class " + std::to_string(klass) + " day " + std::to_string(day) + " lesson " + std::to_string(number) + "\n";
}

// The lesson's hours on each day, each day's hours in one block.
std::string LessonDays(const PlanningSession& session, const TTableVarItem& variant, int k, int l) {
    std::string found;
    std::vector<int> hours;
    for (int d = 1; d <= kVariantDays; ++d) {
        int blocks = 0, count = 0;
        for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
            const bool here = variant.GetCleanSlot(k, d, n).lessonIndex == l;
            count += here ? 1 : 0;
            blocks += here && (n == 1 || variant.GetCleanSlot(k, d, n - 1).lessonIndex != l) ? 1 : 0;
        }
        if (blocks > 1) found += "lesson " + std::to_string(l) + " in two blocks" + At(k, d, 0);
        if (count > 0) hours.push_back(count);
    }
    // The days' hours are some of the spread's blocks.
    std::vector<int> spread = session.klasses().at(k).lesson(l).spread;
    for (int h : hours) {
        const auto it = std::find(spread.begin(), spread.end(), h);
        if (it == spread.end()) {
            found += "lesson " + std::to_string(l) + " off its spread" + At(k, 0, 0);
            break;
        }
        spread.erase(it);
    }
    return found;
}

std::string KlassDay(const PlanningSession& session, const TTableVarItem& variant, int k, int d) {
    const auto& klass = session.klasses().at(k);
    std::string found;
    int first = 0, last = 0;
    for (int n = 1; n <= variant.lessonsPerDay(); ++n)
        if (variant.GetCleanSlot(k, d, n).occupied()) {
            first = first == 0 ? n : first;
            last = n;
        }
    if (first == 0) return found;
    const auto& starts = klass.startingLessons;
    const bool startsRight = starts.empty() ? first == 1 : std::find(starts.begin(), starts.end(), first) != starts.end();
    if (!startsRight) found += "day begins at no starting lesson" + At(k, d, first);
    for (int n = first; n <= last; ++n)
        if (!variant.GetCleanSlot(k, d, n).occupied() && !klass.busyAt(d, n)) found += "gap" + At(k, d, n);
    return found;
}

std::string Hour(const PlanningSession& session, const TTableVarItem& variant, int k, int d, int n) {
    const auto& klasses = session.klasses();
    const LessonSlot slot = variant.GetCleanSlot(k, d, n);
    if (!slot.occupied()) return "";
    std::string found;
    const auto& lesson = klasses.at(k).lesson(slot.lessonIndex);
    if (klasses.at(k).busyAt(d, n) || lesson.busy.at(d, n) != 0) found += "closed hour used" + At(k, d, n);
    for (int s = 0; s < lesson.subgroupCount(); ++s) {
        const PlanningSubgroup& sub = lesson.subgroups[static_cast<std::size_t>(s)];
        if (sub.teacher >= 0 && session.teachers().IsClosed(sub.teacher, d, n))
            found += "teacher " + std::to_string(sub.teacher) + " closed" + At(k, d, n);
        for (const LessonRef& link : sub.links)
            if (link.owner >= 0 && link.owner < variant.classCount() &&
                variant.GetCleanSlot(link.owner, d, n).lessonIndex != link.lesson)
                found += "taught together apart" + At(k, d, n);
        const std::uint16_t room = s < kSlotRooms ? slot.rooms[static_cast<std::size_t>(s)] : kNoRoom;
        if (room == kNoRoom || sub.subject < 0) continue;
        const TRoomItem& item = session.rooms().at(room);
        const TSubjectItem& subject = session.subjects().at(sub.subject).record;
        const bool kind = !(IsStrictlySpecialized(subject) && item.specialization != subject.specialization) &&
                          !(IsStrictlySpecialized(item) && subject.specialization != item.specialization);
        if (!kind || item.seats < SubgroupPupils(klasses, k, slot.lessonIndex, s))
            found += "room " + std::to_string(room) + " unfit" + At(k, d, n);
    }
    return found;
}

}  // namespace

std::string BrokenRules(const PlanningSession& session, const TTableVarItem& variant) {
    std::string found;
    for (int k = 0; k < variant.classCount(); ++k) {
        for (int l = 0; l < session.klasses().at(k).lessonCount(); ++l) found += LessonDays(session, variant, k, l);
        for (int d = 1; d <= kVariantDays; ++d) {
            found += KlassDay(session, variant, k, d);
            for (int n = 1; n <= variant.lessonsPerDay(); ++n) found += Hour(session, variant, k, d, n);
        }
    }
    return found;
}

}  // namespace lovaris::test
