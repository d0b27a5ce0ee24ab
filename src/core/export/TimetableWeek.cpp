#include "TimetableWeek.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "../common/StringTable.h"

namespace lovaris {
namespace {

// Lessons tied by subgroup links, as (class, lesson index) pairs, joined into sets.
class LinkGroups {
public:
    explicit LinkGroups(const PlanningSession& s) {
        for (int k = 0; k < s.klasses().count(); ++k)
            for (int l = 0; l < s.klasses().at(k).lessonCount(); ++l) index_[{k, l}] = static_cast<int>(index_.size());
        parent_.resize(index_.size());
        std::iota(parent_.begin(), parent_.end(), 0);
        linked_.assign(index_.size(), false);
        for (const auto& [key, i] : index_)
            for (const auto& sub : s.klasses().at(key.first).lesson(key.second).subgroups)
                for (const auto& link : sub.links) {
                    const auto other = index_.find({link.owner, link.lesson});
                    if (other == index_.end()) continue;
                    linked_[static_cast<std::size_t>(i)] = linked_[static_cast<std::size_t>(other->second)] = true;
                    parent_[static_cast<std::size_t>(root(i))] = root(other->second);
                }
    }

    // Numbered 1, 2, ... in the order they are first asked for; 0 for a lesson without links.
    int number(int klass, int lesson) {
        const auto it = index_.find({klass, lesson});
        if (it == index_.end() || !linked_[static_cast<std::size_t>(it->second)]) return 0;
        const auto [num, added] = numbers_.emplace(root(it->second), static_cast<int>(numbers_.size()) + 1);
        return num->second;
    }

private:
    int root(int i) {
        while (parent_[static_cast<std::size_t>(i)] != i) i = parent_[static_cast<std::size_t>(i)] = parent_[static_cast<std::size_t>(parent_[static_cast<std::size_t>(i)])];
        return i;
    }

    std::map<std::pair<int, int>, int> index_;
    std::vector<int> parent_;
    std::vector<bool> linked_;
    std::map<int, int> numbers_;
};

// The hours one of whose subgroups is the page's, by day and lesson (then class).
template <typename Pick>
std::vector<const TimetableHour*> HoursWhere(const std::vector<TimetableHour>& hours, Pick pick) {
    std::vector<const TimetableHour*> found;
    for (const auto& h : hours)
        if (std::any_of(h.subgroups.begin(), h.subgroups.end(), pick)) found.push_back(&h);
    std::stable_sort(found.begin(), found.end(), [](const TimetableHour* a, const TimetableHour* b) {
        return a->day != b->day ? a->day < b->day : a->lesson < b->lesson;
    });
    return found;
}

}  // namespace

std::vector<const TimetableHour*> TimetableWeek::hoursOfTeacher(int teacher) const {
    return HoursWhere(hours, [teacher](const TimetableSubgroup& s) { return s.teacherIndex == teacher; });
}

std::vector<const TimetableHour*> TimetableWeek::hoursInRoom(int room) const {
    return HoursWhere(hours, [room](const TimetableSubgroup& s) { return s.roomIndex == room; });
}

TimetableWeek CollectTimetableWeek(const PlanningSession& session, const TTableVarItem& variant) {
    TimetableWeek week;
    week.projectDescription = session.params().description;
    week.lessonsPerDay = variant.lessonsPerDay();
    for (const auto& k : session.klasses()) week.classNames.push_back(k.displayName());
    for (const auto& t : session.teachers()) week.teacherNames.push_back(t.displayName());
    for (int r = 0; r < session.rooms().count(); ++r) week.roomNames.push_back(session.rooms().at(r).displayName());

    LinkGroups groups(session);
    for (int k = 0; k < variant.classCount() && k < session.klasses().count(); ++k) {
        const TRTIKlassItem& klass = session.klasses().at(k);
        for (int day = 1; day <= kVariantDays; ++day)
            for (int number = 1; number <= variant.lessonsPerDay(); ++number) {
                const LessonSlot slot = variant.GetCleanSlot(k, day, number);
                if (!slot.occupied() || slot.lessonIndex >= klass.lessonCount()) continue;
                const PlanningLesson& lesson = klass.lesson(slot.lessonIndex);
                TimetableHour hour{day, number, k, lesson.id, groups.number(k, slot.lessonIndex), {}};
                for (std::size_t g = 0; g < lesson.subgroups.size(); ++g) {
                    const PlanningSubgroup& sub = lesson.subgroups[g];
                    TimetableSubgroup placed;
                    placed.subject = sub.subject >= 0 && sub.subject < session.subjects().count()
                                         ? session.subjects().at(sub.subject).record.displayName()
                                         : LoadResText(TextId::NotSetLong);
                    if (sub.teacher >= 0 && sub.teacher < session.teachers().count()) {
                        placed.teacherIndex = sub.teacher;
                        placed.teacher = session.teachers().at(sub.teacher).displayName();
                    }
                    const int room = g < slot.rooms.size() && slot.rooms[g] != kNoRoom ? slot.rooms[g] : -1;
                    if (!sub.fictiveRoom.empty()) {
                        placed.room = sub.fictiveRoom;
                    } else if (room >= 0 && room < session.rooms().count()) {
                        placed.roomIndex = room;
                        placed.room = session.rooms().at(room).displayName();
                    }
                    hour.subgroups.push_back(std::move(placed));
                }
                if (day == kVariantDays) week.days = kVariantDays;
                week.hours.push_back(std::move(hour));
            }
    }
    return week;
}

}  // namespace lovaris
