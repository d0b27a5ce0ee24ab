// Weighing a place of a waiting block: what stands in its way in its classes and with
// its teachers, and what would then be cut off from a class's day, leaves; the place
// costs the class hours that leave.
#include <algorithm>
#include <climits>

#include "EjectionWork.h"

namespace lovaris {
namespace {

NumberMask Below(int number) { return ((NumberMask{1} << number) - 1) & ~NumberMask{1}; }
NumberMask Above(int number) { return ~((NumberMask{1} << (number + 1)) - 1); }

// The numbers of `taken` that a gap separates from low..high, walking outwards; the
// numbers of `closed` are no gap.
NumberMask CutOff(NumberMask taken, NumberMask closed, int low, int high, int lessonsPerDay) {
    NumberMask cut = 0;
    for (int n = high + 1; n <= lessonsPerDay; ++n) {
        const NumberMask bit = NumberMask{1} << n;
        if (!(taken & bit) && !(closed & bit)) {
            cut |= taken & Above(n);
            break;
        }
    }
    for (int n = low - 1; n >= 1; --n) {
        const NumberMask bit = NumberMask{1} << n;
        if (!(taken & bit) && !(closed & bit)) {
            cut |= taken & Below(n);
            break;
        }
    }
    return cut;
}

bool Holds(const std::vector<LessonRef>& refs, int klass) {
    return std::any_of(refs.begin(), refs.end(), [klass](const LessonRef& r) { return r.owner == klass; });
}

}  // namespace

std::uint64_t EjectionWork::TabuKey(const CompletionUnit& unit) const {
    const LessonRef& first = unit.klassLessons.front();
    return static_cast<std::uint64_t>(first.owner) << 32 | static_cast<std::uint32_t>(first.lesson);
}

const CompletionUnit& EjectionWork::LinkSetOf(int klass, int lesson) {
    auto& cached = linkSets_[static_cast<std::size_t>(klass)][static_cast<std::size_t>(lesson)];
    if (!cached) cached = work_.UnitOf(klass, lesson, 1, 0);
    return *cached;
}

bool EjectionWork::DayOpenFor(const CompletionUnit& unit, int day) const {
    return std::all_of(unit.teachers.begin(), unit.teachers.end(),
                       [&](int t) { return work_.TeacherMayWorkOn(t, day); });
}

std::optional<PlacedBlock> EjectionWork::BlockAt(int klass, int day, int number) {
    const LessonSlot slot = variant_.GetCleanSlot(klass, day, number);
    if (!slot.occupied() || slot.lessonIndex >= session_.klasses().at(klass).lessonCount()) return std::nullopt;
    const int lesson = slot.lessonIndex;
    int start = number;
    while (start > 1 && variant_.GetCleanSlot(klass, day, start - 1).lessonIndex == lesson) --start;
    int end = number;
    while (end < variant_.lessonsPerDay() && variant_.GetCleanSlot(klass, day, end + 1).lessonIndex == lesson) ++end;
    CompletionUnit unit = LinkSetOf(klass, lesson);
    unit.hours = end - start + 1;
    if (!work_.WithinVariant(unit) || (unit.klassLessons.size() > 1 && !work_.StandsAlike(unit, day, start)))
        return std::nullopt;
    UnitPlacement placement = work_.PlacementInClean(unit, day, start);
    return PlacedBlock{std::move(unit), std::move(placement)};
}

int EjectionWork::KlassTeachingAt(int teacher, int day, int number) const {
    if (teacher < 0 || teacher >= static_cast<int>(teacherClasses_.size())) return -1;
    for (int k : teacherClasses_[static_cast<std::size_t>(teacher)]) {
        const LessonSlot slot = variant_.GetCleanSlot(k, day, number);
        if (!slot.occupied() || slot.lessonIndex >= session_.klasses().at(k).lessonCount()) continue;
        for (const auto& sub : session_.klasses().at(k).lesson(slot.lessonIndex).subgroups)
            if (sub.teacher == teacher) return k;
    }
    return -1;
}

std::optional<EjectionMove> EjectionWork::BestMove(const CompletionUnit& unit, long long step) {
    std::optional<EjectionMove> best;
    int ties = 0;
    const CompletionGrid& grid = work_.grid_;
    std::vector<std::pair<int, int>> sameLesson;  // (class, number) of a block of the unit's lesson
    for (int day = 1; day <= kVariantDays; ++day) {
        if (!DayOpenFor(unit, day)) continue;
        sameLesson.clear();
        for (const LessonRef& ref : unit.klassLessons)
            for (int n = 1; n <= grid.lessonsPerDay(); ++n)
                if (variant_.GetCleanSlot(ref.owner, day, n).lessonIndex == ref.lesson) sameLesson.emplace_back(ref.owner, n);
        for (int start = 1; start + unit.hours - 1 <= grid.lessonsPerDay(); ++start) {
            if (!grid.open(unit, day, start)) continue;
            ++evaluated_;
            auto move = Weigh(unit, day, start, step, best ? best->cost + 1 : INT_MAX, sameLesson);
            if (!move) continue;
            if (best && move->cost == best->cost) {
                // Each of the equally cheap places has the same chance.
                if (random_.below(static_cast<std::size_t>(++ties) + 1) == 0) best = std::move(move);
            } else if (!best || move->cost < best->cost) {
                best = std::move(move);
                ties = 0;
            }
        }
    }
    return best;
}

std::optional<EjectionMove> EjectionWork::Weigh(const CompletionUnit& unit, int day, int start, long long step,
                                                int bound, const std::vector<std::pair<int, int>>& sameLesson) {
    CompletionGrid& grid = work_.grid_;
    EjectionMove move;
    move.day = day;
    // Every class whose day changes, with the first number of its day before.
    std::vector<std::pair<int, int>> touched;
    const auto touch = [&](int klass) {
        if (std::none_of(touched.begin(), touched.end(), [&](const auto& t) { return t.first == klass; })) {
            const NumberMask taken = grid.klassDay(klass, day);
            touched.emplace_back(klass, taken ? FirstNumber(taken) : 0);
        }
    };
    bool possible = true;
    const auto eject = [&](int klass, int number) {
        if (!possible || !(grid.klassDay(klass, day) & (NumberMask{1} << number))) return;
        auto block = BlockAt(klass, day, number);
        const auto tabu = block ? tabuUntil_.find(TabuKey(block->first)) : tabuUntil_.end();
        if (!block || (tabu != tabuUntil_.end() && tabu->second > step)) {
            possible = false;
            return;
        }
        for (const LessonRef& ref : block->first.klassLessons) touch(ref.owner);
        grid.take(block->first, day, block->second);
        move.cost += HoursOf(block->first) * EjectionWeight(block->first);
        possible = move.cost < bound;
        move.ejected.push_back(std::move(*block));
    };
    for (const LessonRef& ref : unit.klassLessons) {
        touch(ref.owner);
        for (int n = start; n < start + unit.hours; ++n) eject(ref.owner, n);
    }
    // One block of a lesson a day: another block of it on the day makes way.
    for (const auto& [klass, number] : sameLesson) eject(klass, number);
    for (int t : unit.teachers)
        for (int n = start; n < start + unit.hours && possible; ++n)
            if (grid.teacherDay(t, day) & (NumberMask{1} << n)) {
                const int klass = KlassTeachingAt(t, day, n);
                if (klass < 0) possible = false;
                else eject(klass, n);
            }
    // A class's day that ends short of the unit is carried up to it first, so that
    // nothing of it stands cut off.
    for (std::size_t i = 0; i < unit.klassLessons.size() && possible; ++i)
        possible = Bridge(unit.klassLessons[i], day, start, step, move);
    // What a gap cuts off from each class's day leaves too; the unit's classes keep the
    // run around the unit, the others the run from their first number.
    // The unit stands in its place only while what it cuts off is found: a place still
    // taken must not be marked and cleared.
    const UnitPlacement bare{start, {}};
    if (possible) grid.put(unit, day, bare);
    const bool standing = possible;
    for (std::size_t i = 0; i < touched.size() && possible; ++i) {
        const auto [klass, firstBefore] = touched[i];
        const NumberMask taken = grid.klassDay(klass, day);
        if (!taken) continue;
        int low = start;
        int high = start + unit.hours - 1;
        if (!Holds(unit.klassLessons, klass)) {
            low = high = firstBefore > 0 && (taken & (NumberMask{1} << firstBefore)) ? firstBefore : FirstNumber(taken);
        }
        NumberMask cut = CutOff(taken, grid.klassClosed(klass, day), low, high, grid.lessonsPerDay());
        // A day left beginning past its starting lessons leaves whole.
        if (!Holds(unit.klassLessons, klass) && !grid.klassStartsRight(klass, day)) cut = taken;
        for (int n = 1; n <= grid.lessonsPerDay() && possible; ++n)
            if (cut & (NumberMask{1} << n)) eject(klass, n);
    }
    if (standing) grid.take(unit, day, bare);
    if (possible) {
        for (const auto& [klass, firstBefore] : touched)
            if (!Holds(unit.klassLessons, klass) && (!grid.klassStartsRight(klass, day) || grid.klassGaps(klass, day) > 0))
                possible = false;
    }
    std::optional<UnitPlacement> placement;
    if (possible) placement = grid.place(unit, day, start, true);
    if (placement) {
        grid.put(unit, day, *placement);
        const bool gapless = std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
            return grid.klassGaps(ref.owner, day) == 0 && grid.klassStartsRight(ref.owner, day);
        });
        grid.take(unit, day, *placement);
        if (!gapless) placement.reset();
    }
    TakeBridgesBack(day, move);
    for (auto it = move.ejected.rbegin(); it != move.ejected.rend(); ++it) grid.put(it->first, day, it->second);
    if (!placement) return std::nullopt;
    move.placement = std::move(*placement);
    // An hour pushed out weighs more than a subgroup going without a room.
    move.cost += move.placement.roomless;
    return move;
}

bool EjectionWork::LessonStandsOn(int klass, int lesson, int day) const {
    const NumberMask taken = work_.grid_.klassDay(klass, day);
    for (int n = 1; n <= work_.grid_.lessonsPerDay(); ++n)
        if ((taken & (NumberMask{1} << n)) && variant_.GetCleanSlot(klass, day, n).lessonIndex == lesson) return true;
    return false;
}

bool EjectionWork::BridgeAllowed(const CompletionUnit& candidate, const LessonRef& own, int day, int next,
                                 int room, const EjectionMove& move) const {
    const LessonRef& ref = candidate.klassLessons.front();
    return candidate.klassLessons.size() == 1 && ref.owner == own.owner && candidate.hours <= room &&
           ref.lesson != own.lesson && !LessonStandsOn(own.owner, ref.lesson, day) &&
           // One block of a lesson a day: two blocks of a lesson never carry a day together.
           std::none_of(move.bridges.begin(), move.bridges.end(),
                        [&](const EjectionMove::Bridging& b) {
                            return b.unit.klassLessons.front().owner == own.owner &&
                                   b.unit.klassLessons.front().lesson == ref.lesson;
                        }) &&
           DayOpenFor(candidate, day) && work_.grid_.open(candidate, day, next);
}

bool EjectionWork::BridgeAt(const LessonRef& own, int day, int next, int room, long long step, EjectionMove& move) {
    CompletionGrid& grid = work_.grid_;
    for (std::size_t w = 0; w < waiting_.size(); ++w) {
        const CompletionUnit& candidate = waiting_[w];
        if (!BridgeAllowed(candidate, own, day, next, room, move) ||
            std::any_of(move.bridges.begin(), move.bridges.end(),
                        [&](const EjectionMove::Bridging& b) { return b.fromDay == 0 && b.waiting == w; }))
            continue;
        auto placement = grid.place(candidate, day, next, true);
        if (!placement) continue;
        grid.put(candidate, day, *placement);
        move.cost += placement->roomless;
        move.bridges.push_back({candidate, std::move(*placement), w, 0, {}});
        return true;
    }
    for (int other = 1; other <= kVariantDays; ++other) {
        const NumberMask taken = grid.klassDay(own.owner, other);
        if (other == day || !taken) continue;
        auto block = BlockAt(own.owner, other, LastNumber(taken));
        if (!block || !BridgeAllowed(block->first, own, day, next, room, move)) continue;
        const auto tabu = tabuUntil_.find(TabuKey(block->first));
        if (tabu != tabuUntil_.end() && tabu->second > step) continue;
        grid.take(block->first, other, block->second);
        auto placement = grid.place(block->first, day, next, true);
        if (!placement) {
            grid.put(block->first, other, block->second);
            continue;
        }
        grid.put(block->first, day, *placement);
        // A block moved weighs as an hour pushed out: the search moves none for nothing.
        move.cost += HoursOf(block->first) + placement->roomless;
        move.bridges.push_back({std::move(block->first), std::move(*placement), 0, other, std::move(block->second)});
        return true;
    }
    return false;
}

bool EjectionWork::Bridge(const LessonRef& own, int day, int start, long long step, EjectionMove& move) {
    CompletionGrid& grid = work_.grid_;
    const NumberMask closed = grid.klassClosed(own.owner, day);
    int bridged = 0;
    for (;;) {
        const NumberMask taken = grid.klassDay(own.owner, day);
        // An empty day begins at the block itself, which must be a starting lesson.
        if (!taken || LastNumber(taken) >= start - 1) return true;
        int next = LastNumber(taken) + 1;
        while (next < start && (closed & (NumberMask{1} << next))) ++next;
        if (next >= start) return true;
        if (!BridgeAt(own, day, next, std::min(start - next, kMostBridged - bridged), step, move)) return false;
        bridged += move.bridges.back().unit.hours;
    }
}

void EjectionWork::TakeBridgesBack(int day, EjectionMove& move) {
    CompletionGrid& grid = work_.grid_;
    for (auto it = move.bridges.rbegin(); it != move.bridges.rend(); ++it) {
        grid.take(it->unit, day, it->to);
        if (it->fromDay != 0) grid.put(it->unit, it->fromDay, it->from);
    }
}

}  // namespace lovaris
