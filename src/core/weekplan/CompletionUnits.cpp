// What the completion reads of the variant: the blocks of the drafts, of the clean
// copy and of no day, the days that may take a block, and writing a block in or out.
#include "CompletionWork.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "../planning/BlockDays.h"
#include "../rooms/RoomAssignmentSubgroups.h"

namespace lovaris {

int CompletionWork::DayLimit(int klass) const {
    const auto& item = session_.klasses().at(klass);
    int heaviest = 0;
    int openDays = 0;
    for (int d = 1; d <= kVariantDays; ++d) {
        heaviest = std::max(heaviest, KlassHours(klass, d));
        bool open = false;
        for (int n = 1; n <= variant_.lessonsPerDay() && !open; ++n) open = !item.busyAt(d, n);
        openDays += open ? 1 : 0;
    }
    int weekly = 0;
    for (const auto& lesson : item.lessonCopies) weekly += lesson.weeklyHours();
    return std::max(heaviest, openDays > 0 ? (weekly + openDays - 1) / openDays : 0);
}

int CompletionWork::DraftHours() const {
    int hours = 0;
    for (int k = 0; k < classCount(); ++k) hours += variant_.CountClassLessons(k, 0).draft;
    return hours;
}

bool CompletionWork::InDraft(const CompletionUnit& unit) const {
    return std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
        return variant_.CountLessonHoursInDraft(ref.owner, ref.lesson, unit.sourceDay) == unit.hours;
    });
}

bool CompletionWork::Unplaced(const CompletionUnit& unit) const {
    return std::any_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
        int found = 0;
        for (int d = 1; d <= kVariantDays; ++d) found += variant_.CountLessonHoursOnDay(ref.owner, ref.lesson, d);
        return found < session_.klasses().at(ref.owner).lesson(ref.lesson).weeklyHours();
    });
}

int CompletionWork::KlassHours(int klass, int day) const {
    const ClassLessonCounts counts = variant_.CountClassLessons(klass, day);
    return counts.clean + counts.draft;
}

CompletionUnit CompletionWork::UnitOf(int klass, int lesson, int hours, int sourceDay) const {
    CompletionUnit unit;
    unit.klassLessons = session_.klasses().BuildLinkSet(klass, lesson).klassLessons;
    // One order whichever class the set is found from.
    std::sort(unit.klassLessons.begin(), unit.klassLessons.end(), [](const LessonRef& a, const LessonRef& b) {
        return std::pair(a.owner, a.lesson) < std::pair(b.owner, b.lesson);
    });
    unit.hours = hours;
    unit.sourceDay = sourceDay;
    for (const LessonRef& ref : unit.klassLessons)
        for (const auto& sub : session_.klasses().at(ref.owner).lesson(ref.lesson).subgroups)
            if (sub.teacher >= 0) unit.teachers.push_back(sub.teacher);
    std::sort(unit.teachers.begin(), unit.teachers.end());
    unit.teachers.erase(std::unique(unit.teachers.begin(), unit.teachers.end()), unit.teachers.end());
    return unit;
}

bool CompletionWork::WithinVariant(const CompletionUnit& unit) const {
    return std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(),
                       [&](const LessonRef& ref) { return ref.owner >= 0 && ref.owner < classCount(); });
}

std::vector<CompletionUnit> CompletionWork::DraftUnits(int day) const {
    std::vector<CompletionUnit> units;
    std::set<std::pair<int, int>> seen;
    for (int k = 0; k < classCount(); ++k)
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
            const LessonSlot slot = variant_.GetDraftSlot(k, day, n);
            if (!slot.occupied() || slot.lessonIndex >= session_.klasses().at(k).lessonCount() ||
                !seen.insert({k, slot.lessonIndex}).second)
                continue;
            const int hours = variant_.CountLessonHoursInDraft(k, slot.lessonIndex, day);
            CompletionUnit unit = UnitOf(k, slot.lessonIndex, hours, day);
            bool alike = WithinVariant(unit);
            for (const LessonRef& ref : unit.klassLessons) {
                seen.insert({ref.owner, ref.lesson});
                alike = alike && variant_.CountLessonHoursInDraft(ref.owner, ref.lesson, day) == hours &&
                        variant_.CountLessonHoursInClean(ref.owner, ref.lesson, day) == 0;
            }
            if (alike) units.push_back(std::move(unit));
        }
    return units;
}

std::vector<CompletionUnit> CompletionWork::UnplacedUnits() const {
    std::vector<CompletionUnit> units;
    for (int k = 0; k < classCount(); ++k) {
        const auto& klass = session_.klasses().at(k);
        for (int l = 0; l < klass.lessonCount(); ++l) {
            const CompletionUnit set = UnitOf(k, l, 1, 0);
            const LessonRef& key = set.klassLessons.front();  // the set's first lesson answers for it
            if (key.owner != k || key.lesson != l || !WithinVariant(set)) continue;
            const auto& spread = klass.lesson(l).spread;
            const DayHours hours = LessonHoursPerDay(variant_, k, l);
            const std::vector<int> days = AssignBlockDays(spread, hours);
            std::vector<int> open;
            for (std::size_t e = 0; e < spread.size(); ++e)
                if (days[e] == 0) open.push_back(spread[e]);
            const int found = std::accumulate(hours.begin() + 1, hours.end(), 0);
            const int missing = klass.lesson(l).weeklyHours() - found;
            if (missing <= 0) continue;
            const bool matched = std::accumulate(open.begin(), open.end(), 0) == missing;
            for (int hours : matched ? open : std::vector<int>(static_cast<std::size_t>(missing), 1)) {
                if (hours <= 0) continue;
                CompletionUnit unit = set;
                unit.hours = hours;
                units.push_back(std::move(unit));
            }
        }
    }
    return units;
}

std::vector<PlacedBlock> CompletionWork::CleanBlocks(int klass, int day, bool linked) const {
    std::vector<PlacedBlock> blocks;
    const auto& item = session_.klasses().at(klass);
    for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
        const LessonSlot slot = variant_.GetCleanSlot(klass, day, n);
        if (!slot.occupied() || slot.lessonIndex >= item.lessonCount()) continue;
        if (n > 1 && variant_.GetCleanSlot(klass, day, n - 1).lessonIndex == slot.lessonIndex) continue;
        int hours = 1;
        while (n + hours <= variant_.lessonsPerDay() &&
               variant_.GetCleanSlot(klass, day, n + hours).lessonIndex == slot.lessonIndex)
            ++hours;
        CompletionUnit unit = UnitOf(klass, slot.lessonIndex, hours, 0);
        if (unit.klassLessons.size() != 1 && !(linked && StandsAlike(unit, day, n))) continue;
        UnitPlacement placement = PlacementInClean(unit, day, n);
        blocks.emplace_back(std::move(unit), std::move(placement));
    }
    if (blocks.size() > 2) std::swap(blocks[1], blocks.back());
    return blocks;
}

UnitPlacement CompletionWork::PlacementInClean(const CompletionUnit& unit, int day, int start) const {
    // The rooms hour by hour: a later hour may stand in other rooms than the first.
    UnitPlacement placement{start, {}};
    for (int h = start; h < start + unit.hours; ++h)
        for (const LessonRef& ref : unit.klassLessons) {
            const LessonSlot at = variant_.GetCleanSlot(ref.owner, day, h);
            for (int s = 0; s < kSlotRooms; ++s) {
                const std::uint16_t room = at.rooms[static_cast<std::size_t>(s)];
                const bool known = std::any_of(placement.rooms.begin(), placement.rooms.end(),
                                               [&](const UnitRoom& r) { return r.room == room && r.number == h; });
                if (room != kNoRoom && !known) placement.rooms.push_back({ref.owner, ref.lesson, s, room, h});
            }
        }
    return placement;
}

bool CompletionWork::StandsAlike(const CompletionUnit& unit, int day, int start) const {
    return WithinVariant(unit) &&
           std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
               for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
                   const bool inside = n >= start && n < start + unit.hours;
                   if ((variant_.GetCleanSlot(ref.owner, day, n).lessonIndex == ref.lesson) != inside) return false;
               }
               return true;
           });
}

std::vector<PlacedBlock> CompletionWork::DayBlocks(std::vector<int>& classes, int day) const {
    std::vector<PlacedBlock> blocks;
    for (std::size_t i = 0; i < classes.size(); ++i)
        for (PlacedBlock& block : CleanBlocks(classes[i], day, true)) {
            const auto& lessons = block.first.klassLessons;
            for (const LessonRef& ref : lessons)
                if (std::find(classes.begin(), classes.end(), ref.owner) == classes.end()) classes.push_back(ref.owner);
            const bool known = std::any_of(blocks.begin(), blocks.end(), [&](const PlacedBlock& b) {
                return b.first.klassLessons == lessons;
            });
            if (!known) blocks.push_back(std::move(block));
        }
    return blocks;
}

std::vector<PlacedBlock> CompletionWork::CleanBlocksOf(const CompletionUnit& unit, int day) const {
    std::vector<int> classes;
    for (const LessonRef& ref : unit.klassLessons) classes.push_back(ref.owner);
    std::vector<PlacedBlock> blocks = DayBlocks(classes, day);
    std::erase_if(blocks, [&](const PlacedBlock& b) { return b.first.klassLessons == unit.klassLessons; });
    return blocks;
}

std::vector<CompletionUnit> CompletionWork::DraftUnitsBeside(const CompletionUnit& unit, int day) const {
    std::vector<CompletionUnit> beside;
    for (CompletionUnit& other : DraftUnits(day)) {
        if (other.klassLessons == unit.klassLessons) continue;
        const bool shared = std::any_of(other.klassLessons.begin(), other.klassLessons.end(), [&](const LessonRef& o) {
            return std::any_of(unit.klassLessons.begin(), unit.klassLessons.end(),
                               [&](const LessonRef& u) { return u.owner == o.owner; });
        });
        if (shared) beside.push_back(std::move(other));
    }
    return beside;
}

bool CompletionWork::TeachesInDraft(int teacher, int day) const {
    for (int k = 0; k < classCount(); ++k) {
        const auto& klass = session_.klasses().at(k);
        for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
            const LessonSlot slot = variant_.GetDraftSlot(k, day, n);
            if (!slot.occupied()) break;  // the draft is packed from number 1
            if (slot.lessonIndex >= klass.lessonCount()) continue;
            for (const auto& sub : klass.lesson(slot.lessonIndex).subgroups)
                if (sub.teacher == teacher) return true;
        }
    }
    return false;
}

bool CompletionWork::TeacherMayWorkOn(int teacher, int day) const {
    int worked = 0;
    bool works = false;
    for (int d = 1; d <= kVariantDays; ++d) {
        const bool teaches = grid_.teacherDay(teacher, d) != 0 || TeachesInDraft(teacher, d);
        worked += teaches ? 1 : 0;
        if (d == day) works = teaches;
    }
    return works || kVariantDays - (worked + 1) >= session_.teachers().at(teacher).freeDays;
}

bool CompletionWork::DayTakesUnit(const CompletionUnit& unit, int day) const {
    if (day == unit.sourceDay) return true;
    for (const LessonRef& ref : unit.klassLessons) {
        if (variant_.CountLessonHoursOnDay(ref.owner, ref.lesson, day) > 0) return false;
        if (KlassHours(ref.owner, day) + unit.hours > dayLimit_[static_cast<std::size_t>(ref.owner)]) return false;
    }
    return std::all_of(unit.teachers.begin(), unit.teachers.end(),
                       [&](int t) { return TeacherMayWorkOn(t, day); });
}

std::vector<int> CompletionWork::DaysFor(const CompletionUnit& unit) const {
    std::vector<int> days;
    for (int d = 1; d <= kVariantDays; ++d)
        if (DayTakesUnit(unit, d)) days.push_back(d);
    const int klass = unit.klassLessons.front().owner;
    const auto order = [&](int day) {
        const int hours = KlassHours(klass, day);
        return std::tuple(day != unit.sourceDay, hours == 0, hours);
    };
    std::stable_sort(days.begin(), days.end(), [&](int a, int b) { return order(a) < order(b); });
    return days;
}

int CompletionWork::TeacherWindows(const std::vector<PlacedBlock>& blocks, int day) const {
    std::vector<int> teachers;
    for (const auto& [unit, at] : blocks) teachers.insert(teachers.end(), unit.teachers.begin(), unit.teachers.end());
    std::sort(teachers.begin(), teachers.end());
    teachers.erase(std::unique(teachers.begin(), teachers.end()), teachers.end());
    int windows = 0;
    for (int t : teachers) windows += grid_.teacherWindows(t, day);
    return windows;
}

std::optional<PlacedBlock> CompletionWork::TeacherBlockAt(int teacher, int day, int number) const {
    for (int k = 0; k < classCount(); ++k) {
        const LessonSlot slot = variant_.GetCleanSlot(k, day, number);
        if (!slot.occupied() || slot.lessonIndex >= session_.klasses().at(k).lessonCount()) continue;
        const auto& subgroups = session_.klasses().at(k).lesson(slot.lessonIndex).subgroups;
        if (std::none_of(subgroups.begin(), subgroups.end(), [&](const auto& sub) { return sub.teacher == teacher; }))
            continue;
        return KlassBlockAt(k, day, number);
    }
    return std::nullopt;
}

std::optional<PlacedBlock> CompletionWork::KlassBlockAt(int klass, int day, int number) const {
    for (PlacedBlock& block : CleanBlocks(klass, day))
        if (block.second.start <= number && number < block.second.start + block.first.hours) return block;
    return std::nullopt;
}

void CompletionWork::Displace(const CompletionUnit& unit, int day, const UnitPlacement& placement) {
    grid_.take(unit, day, placement);
    for (const LessonRef& ref : unit.klassLessons)
        for (int n = placement.start; n < placement.start + unit.hours; ++n)
            variant_.SetCleanSlot(ref.owner, day, LessonSlot::Empty(), n);
}

void CompletionWork::Commit(const CompletionUnit& unit, int day, const UnitPlacement& placement) {
    grid_.put(unit, day, placement);
    const int start = placement.start;
    for (const LessonRef& ref : unit.klassLessons) {
        for (int n = start; n < start + unit.hours; ++n)
            variant_.SetCleanSlot(ref.owner, day, LessonSlot::BlockHour(ref.lesson, start, n), n);
        if (unit.sourceDay == 0) continue;
        for (int n = variant_.lessonsPerDay(); n >= 1; --n)
            if (variant_.GetDraftSlot(ref.owner, unit.sourceDay, n).lessonIndex == ref.lesson)
                variant_.RemoveDraftHour(ref.owner, unit.sourceDay, n);
    }
    for (const UnitRoom& room : placement.rooms)
        for (int n = start; n < start + unit.hours; ++n)
            if (room.number == 0 || room.number == n)
                SetSubgroupRoom(variant_, session_.klasses(), room.klass, day, n, room.subgroup,
                                static_cast<std::uint16_t>(room.room));
}

}  // namespace lovaris
