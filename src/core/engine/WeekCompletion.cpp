#include "WeekCompletion.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <optional>
#include <set>
#include <tuple>

#include "BlockArrangement.h"
#include "CompletionGrid.h"
#include "RoomAssignmentSubgroups.h"

namespace lovaris {
namespace {

// Enough for every order of the eight or so blocks of a class's day.
constexpr int kArrangementNodes = 20000;
// Arranging a day afresh only to close gaps or windows is worth less.
constexpr int kImprovementNodes = 20000;
constexpr int kImprovementRounds = 5;
// Rounds of placing what is left, each followed by days arranged afresh.
constexpr int kRounds = 4;
// Blocks that may make way for one block at a time.
constexpr std::size_t kMostEjected = 4;

int HoursOf(const CompletionUnit& unit) { return unit.hours * static_cast<int>(unit.klassLessons.size()); }

using PlacedBlock = std::pair<CompletionUnit, UnitPlacement>;

class Completion {
public:
    Completion(const PlanningSession& session, TTableVarItem& variant)
        : session_(session), variant_(variant), grid_(session, variant) {
        const int classes = std::min(session.klasses().count(), variant.classCount());
        for (int k = 0; k < classes; ++k) dayLimit_.push_back(DayLimit(k));
    }

    void Run(WeekCompletion& result) {
        const int draftBefore = DraftHours();
        for (int day = 1; day <= kVariantDays; ++day) PlaceOnTheirDay(day);
        // Days arranged afresh open new places for what is still left.
        for (int round = 0; round < kRounds; ++round) {
            if (!PlaceWhatIsLeft(result)) break;
            ImproveDays(false);
        }
        ImproveDays(true);
        result.draftHoursPlaced = draftBefore - DraftHours();
    }

private:
    int classCount() const { return static_cast<int>(dayLimit_.size()); }

    // A class's day takes no more hours than its heaviest day of the week has, or than
    // its weekly hours spread evenly over its open days, rounded up.
    int DayLimit(int klass) const {
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

    int DraftHours() const {
        int hours = 0;
        for (int k = 0; k < classCount(); ++k) hours += variant_.CountClassLessons(k, 0).draft;
        return hours;
    }

    bool InDraft(const CompletionUnit& unit) const {
        return std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
            return variant_.CountLessonHoursInDraft(ref.owner, ref.lesson, unit.sourceDay) == unit.hours;
        });
    }

    // Some class of the unit still misses hours of the lesson.
    bool Unplaced(const CompletionUnit& unit) const {
        return std::any_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
            int found = 0;
            for (int d = 1; d <= kVariantDays; ++d) found += variant_.CountLessonHoursOnDay(ref.owner, ref.lesson, d);
            return found < session_.klasses().at(ref.owner).lesson(ref.lesson).weeklyHours();
        });
    }

    int KlassHours(int klass, int day) const {
        const ClassLessonCounts counts = variant_.CountClassLessons(klass, day);
        return counts.clean + counts.draft;
    }

    // The unit of the lesson's link set, its teachers taken from every lesson of the set.
    CompletionUnit UnitOf(int klass, int lesson, int hours, int sourceDay) const {
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

    bool WithinVariant(const CompletionUnit& unit) const {
        return std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(),
                           [&](const LessonRef& ref) { return ref.owner >= 0 && ref.owner < classCount(); });
    }

    // The blocks in the draft of `day`, each link set once; a set whose classes do not
    // all hold it there alike is left alone.
    std::vector<CompletionUnit> DraftUnits(int day) const {
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

    // The spread entries of each lesson that match no day's hours; a lesson whose days
    // match its spread in no way gives its missing hours one by one.
    std::vector<CompletionUnit> UnplacedUnits() const {
        std::vector<CompletionUnit> units;
        for (int k = 0; k < classCount(); ++k) {
            const auto& klass = session_.klasses().at(k);
            for (int l = 0; l < klass.lessonCount(); ++l) {
                const CompletionUnit set = UnitOf(k, l, 1, 0);
                const LessonRef& key = *std::min_element(
                    set.klassLessons.begin(), set.klassLessons.end(), [](const LessonRef& a, const LessonRef& b) {
                        return std::pair(a.owner, a.lesson) < std::pair(b.owner, b.lesson);
                    });
                if (key.owner != k || key.lesson != l || !WithinVariant(set)) continue;
                std::vector<int> open = klass.lesson(l).spread;
                int found = 0;
                for (int d = 1; d <= kVariantDays; ++d) {
                    const int hours = variant_.CountLessonHoursOnDay(k, l, d);
                    found += hours;
                    if (const auto it = std::find(open.begin(), open.end(), hours); hours > 0 && it != open.end())
                        open.erase(it);
                }
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

    // The clean blocks of a class's day taught in that class alone (with `linked`, and
    // those taught together with other classes, standing alike in each of them), with
    // their rooms; the first and the last block of the day first.
    std::vector<PlacedBlock> CleanBlocks(int klass, int day, bool linked = false) const {
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
            UnitPlacement placement{n, {}};
            for (const LessonRef& ref : unit.klassLessons) {
                const LessonSlot at = variant_.GetCleanSlot(ref.owner, day, n);
                for (int s = 0; s < kSlotRooms; ++s) {
                    const std::uint16_t room = at.rooms[static_cast<std::size_t>(s)];
                    const bool known = std::any_of(placement.rooms.begin(), placement.rooms.end(),
                                                   [room](const UnitRoom& r) { return r.room == room; });
                    if (room != kNoRoom && !known) placement.rooms.push_back({ref.owner, ref.lesson, s, room});
                }
            }
            blocks.emplace_back(std::move(unit), std::move(placement));
        }
        if (blocks.size() > 2) std::swap(blocks[1], blocks.back());
        return blocks;
    }

    // Each class of the unit holds its lesson on the day exactly at the unit's numbers.
    bool StandsAlike(const CompletionUnit& unit, int day, int start) const {
        return WithinVariant(unit) &&
               std::all_of(unit.klassLessons.begin(), unit.klassLessons.end(), [&](const LessonRef& ref) {
                   for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
                       const bool inside = n >= start && n < start + unit.hours;
                       if ((variant_.GetCleanSlot(ref.owner, day, n).lessonIndex == ref.lesson) != inside) return false;
                   }
                   return true;
               });
    }

    // The clean blocks of the day in the classes and in every class taught together
    // with them that day, each block once; `classes` grows by those classes.
    std::vector<PlacedBlock> DayBlocks(std::vector<int>& classes, int day) const {
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

    // Every class's draft of the day, class by class: the arrangement placing the most
    // hours.
    // What is left, the hardest to place first; a block may have gone in beside
    // another one by the time its turn comes. False when nothing is left.
    bool PlaceWhatIsLeft(WeekCompletion& result) {
        std::vector<CompletionUnit> left = UnplacedUnits();
        for (int day = 1; day <= kVariantDays; ++day)
            for (CompletionUnit& unit : DraftUnits(day)) left.push_back(std::move(unit));
        std::stable_sort(left.begin(), left.end(),
                         [](const CompletionUnit& a, const CompletionUnit& b) { return Difficulty(a) > Difficulty(b); });
        for (const CompletionUnit& unit : left) {
            if (unit.sourceDay != 0 ? !InDraft(unit) : !Unplaced(unit)) continue;
            if (PlaceAnywhere(unit, result) != 0 && unit.sourceDay == 0) result.unplacedHoursPlaced += HoursOf(unit);
        }
        return !left.empty();
    }

    // A day arranged better may let another one be arranged better too.
    // Moving blocks to other days for the teachers' windows waits until nothing is left
    // to place: it fills the days the blocks still waiting would need.
    void ImproveDays(bool acrossDays) {
        bool improved = true;
        for (int round = 0; round < kImprovementRounds && improved; ++round) {
            improved = false;
            for (int k = 0; k < classCount(); ++k)
                for (int day = 1; day <= kVariantDays; ++day)
                    improved = ImproveDay(k, day) || FillGap(k, day) || (acrossDays && MoveForWindows(k, day)) ||
                               improved;
        }
    }

    // The first or the last block of a class's day moved to another day where that
    // leaves its teachers fewer windows, the day it leaves still gapless and beginning
    // at a starting lesson.
    bool MoveForWindows(int klass, int day) {
        const NumberMask taken = grid_.klassDay(klass, day);
        if (taken == 0) return false;
        const int first = std::countr_zero(taken);
        const int last = 31 - std::countl_zero(taken);
        for (PlacedBlock& block : CleanBlocks(klass, day)) {
            auto& [unit, at] = block;
            if (at.start != first && at.start + unit.hours - 1 != last) continue;
            std::vector<PlacedBlock> alone = {block};
            const int windowsHere = TeacherWindows(alone, day);
            if (windowsHere == 0) continue;
            CompletionUnit leaving = unit;
            leaving.sourceDay = day;
            const std::vector<int> days = DaysFor(leaving);
            const int gaps = grid_.klassGaps(klass, day);
            for (int to : days) {
                if (to == day) continue;
                const int before = windowsHere + TeacherWindows(alone, to);
                const CompletionGrid grid = grid_;
                const TTableVarItem variant = variant_;
                Displace(unit, day, at);
                CompletionUnit moving = unit;
                moving.sourceDay = 0;
                if (grid_.klassGaps(klass, day) <= gaps && grid_.klassStartsRight(klass, day))
                    if (const auto placement = BlockArrangement(grid_, to, {&moving}).Search(kArrangementNodes).front()) {
                        Commit(moving, to, *placement);
                        if (TeacherWindows(alone, day) + TeacherWindows(alone, to) < before) return true;
                    }
                grid_ = grid;
                variant_.Assign(variant);
            }
        }
        return false;
    }

    // A gap of a class's day filled with the last block of another of its days.
    bool FillGap(int klass, int day) {
        if (grid_.klassGaps(klass, day) == 0) return false;
        for (int from = 1; from <= kVariantDays; ++from) {
            if (from == day) continue;
            auto blocks = CleanBlocks(klass, from);
            const int lastNumber = 31 - std::countl_zero(grid_.klassDay(klass, from));
            const auto ending = std::find_if(blocks.begin(), blocks.end(), [&](const PlacedBlock& b) {
                return b.second.start + b.first.hours - 1 == lastNumber;
            });
            if (blocks.size() < 2 || ending == blocks.end()) continue;
            auto& [last, at] = *ending;
            CompletionUnit moving = last;
            moving.sourceDay = from;
            if (!DayTakesUnit(moving, day)) continue;
            const CompletionGrid grid = grid_;
            const TTableVarItem variant = variant_;
            const int gaps = grid_.klassGaps(klass, day);
            Displace(last, from, at);
            moving.sourceDay = 0;
            for (int start = 1; start + moving.hours - 1 <= grid_.lessonsPerDay(); ++start) {
                const auto placement = grid_.place(moving, day, start);
                if (!placement) continue;
                Commit(moving, day, *placement);
                if (grid_.klassGaps(klass, day) < gaps) return true;
                Displace(moving, day, *placement);
            }
            grid_ = grid;
            variant_.Assign(variant);
        }
        return false;
    }

    // Lessons taught together, then those of more teachers, then longer blocks.
    static std::tuple<std::size_t, std::size_t, int> Difficulty(const CompletionUnit& unit) {
        return {unit.klassLessons.size(), unit.teachers.size(), unit.hours};
    }

    // The classes whose hardest draft block of the day is the hardest first.
    std::vector<int> KlassesHardestFirst(const std::vector<CompletionUnit>& units) const {
        std::vector<std::tuple<std::size_t, std::size_t, int>> hardest(static_cast<std::size_t>(classCount()));
        for (const CompletionUnit& unit : units)
            for (const LessonRef& ref : unit.klassLessons)
                hardest[static_cast<std::size_t>(ref.owner)] = std::max(hardest[static_cast<std::size_t>(ref.owner)], Difficulty(unit));
        std::vector<int> order(static_cast<std::size_t>(classCount()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return hardest[static_cast<std::size_t>(a)] > hardest[static_cast<std::size_t>(b)];
        });
        return order;
    }

    void PlaceOnTheirDay(int day) {
        std::vector<CompletionUnit> units = DraftUnits(day);
        std::vector<bool> placed(units.size(), false);
        for (int k : KlassesHardestFirst(units)) {
            std::vector<const CompletionUnit*> mine;
            std::vector<std::size_t> indexes;
            for (std::size_t u = 0; u < units.size(); ++u) {
                if (placed[u]) continue;
                for (const LessonRef& ref : units[u].klassLessons)
                    if (ref.owner == k) {
                        mine.push_back(&units[u]);
                        indexes.push_back(u);
                        break;
                    }
            }
            if (mine.empty()) continue;
            const auto placements = BlockArrangement(grid_, day, mine).Search(kArrangementNodes);
            for (std::size_t i = 0; i < mine.size(); ++i) {
                if (!placements[i]) continue;
                Commit(*mine[i], day, *placements[i]);
                placed[indexes[i]] = true;
            }
        }
    }

    bool TeachesInDraft(int teacher, int day) const {
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

    // A teacher already working on the day, or one that still keeps its free days.
    bool TeacherMayWorkOn(int teacher, int day) const {
        int worked = 0;
        bool works = false;
        for (int d = 1; d <= kVariantDays; ++d) {
            const bool teaches = grid_.teacherDay(teacher, d) != 0 || TeachesInDraft(teacher, d);
            worked += teaches ? 1 : 0;
            if (d == day) works = teaches;
        }
        return works || kVariantDays - (worked + 1) >= session_.teachers().at(teacher).freeDays;
    }

    // A block's own draft day always takes it; another day only when none of its
    // classes has that lesson there yet (two blocks of one lesson never share a day),
    // each stays within its day limit and every teacher may work then.
    bool DayTakesUnit(const CompletionUnit& unit, int day) const {
        if (day == unit.sourceDay) return true;
        for (const LessonRef& ref : unit.klassLessons) {
            if (variant_.CountLessonHoursOnDay(ref.owner, ref.lesson, day) > 0) return false;
            if (KlassHours(ref.owner, day) + unit.hours > dayLimit_[static_cast<std::size_t>(ref.owner)]) return false;
        }
        return std::all_of(unit.teachers.begin(), unit.teachers.end(),
                           [&](int t) { return TeacherMayWorkOn(t, day); });
    }

    // Its own draft day first, then the days its class already learns on, the lightest
    // first, then the class's empty days.
    std::vector<int> DaysFor(const CompletionUnit& unit) const {
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

    // The block on `day` where it fits as the day stands, else with the blocks of its
    // class's day arranged afresh around it.
    bool PlaceOnDay(const CompletionUnit& unit, int day) {
        if (const auto placement = BlockArrangement(grid_, day, {&unit}).Search(kArrangementNodes).front()) {
            Commit(unit, day, *placement);
            return true;
        }
        return RepackDay(unit, day);
    }

    // The day placed, 0 none: the days that take the block as they stand, then each
    // block of its class's days given up to another day to make way for it.
    int PlaceAnywhere(const CompletionUnit& unit, WeekCompletion& result) {
        for (int day : DaysFor(unit))
            if (PlaceOnDay(unit, day)) return day;
        for (int day = 1; day <= kVariantDays; ++day)
            if (PlaceByDisplacing(unit, day, result)) return day;
        for (int day : DaysFor(unit))
            if (PlaceByEjecting(unit, day, result)) return day;
        return 0;
    }

    // The block of another class standing at (day, number) with the teacher; none when
    // it is taught together with other classes.
    std::optional<PlacedBlock> TeacherBlockAt(int teacher, int day, int number) const {
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

    // The single-class block of the class's day holding the number; none when the
    // number is free or taught together with other classes.
    std::optional<PlacedBlock> KlassBlockAt(int klass, int day, int number) const {
        for (PlacedBlock& block : CleanBlocks(klass, day))
            if (block.second.start <= number && number < block.second.start + block.first.hours) return block;
        return std::nullopt;
    }

    // What stands in the unit's way at a start: the blocks of its own classes there
    // and its teachers' lessons in other classes then. False when something there
    // cannot make way (a lesson taught together) or too much would have to.
    bool BlockersAt(const CompletionUnit& unit, int day, int start, std::vector<PlacedBlock>& blockers) const {
        const auto add = [&](std::optional<PlacedBlock> block) {
            if (!block) return false;
            const bool known = std::any_of(blockers.begin(), blockers.end(), [&](const PlacedBlock& b) {
                return b.first.klassLessons == block->first.klassLessons;
            });
            if (!known) blockers.push_back(std::move(*block));
            return blockers.size() <= kMostEjected;
        };
        for (int n = start; n < start + unit.hours; ++n) {
            for (const LessonRef& ref : unit.klassLessons)
                if ((grid_.klassDay(ref.owner, day) >> n & 1u) && !add(KlassBlockAt(ref.owner, day, n))) return false;
            for (int t : unit.teachers)
                if ((grid_.teacherDay(t, day) >> n & 1u) && !add(TeacherBlockAt(t, day, n))) return false;
        }
        return true;
    }

    // The unit at a start its classes and teachers are open for, whatever stands there:
    // the blocks in its way make way, to another place in their class's day or to
    // another day, and no class's day gains a gap.
    bool PlaceByEjecting(const CompletionUnit& unit, int day, WeekCompletion& result) {
        for (int start = 1; start + unit.hours - 1 <= grid_.lessonsPerDay(); ++start) {
            std::vector<PlacedBlock> blockers;
            if (!grid_.open(unit, day, start) || !BlockersAt(unit, day, start, blockers) || blockers.empty()) continue;
            const CompletionGrid grid = grid_;
            const TTableVarItem variant = variant_;
            std::vector<std::pair<int, int>> gaps;  // (class, gaps before) of every class touched
            const auto touch = [&](int klass) {
                if (std::none_of(gaps.begin(), gaps.end(), [klass](const auto& g) { return g.first == klass; }))
                    gaps.emplace_back(klass, grid_.klassGaps(klass, day));
            };
            for (const LessonRef& ref : unit.klassLessons) touch(ref.owner);
            for (auto& [other, at] : blockers) touch(other.klassLessons.front().owner);
            for (auto& [other, at] : blockers) Displace(other, day, at);
            bool placed = false;
            if (const auto placement = grid_.place(unit, day, start)) {
                Commit(unit, day, *placement);
                placed = true;
                for (std::size_t i = 0; i < blockers.size() && placed; ++i) {
                    const int klass = blockers[i].first.klassLessons.front().owner;
                    const auto before = std::find_if(gaps.begin(), gaps.end(), [klass](const auto& g) { return g.first == klass; });
                    placed = PlaceAgain(blockers[i].first, day, before->second);
                }
                for (const auto& [klass, before] : gaps) placed = placed && grid_.klassGaps(klass, day) <= before;
            }
            if (placed) {
                for (const auto& [other, at] : blockers) result.displacedHours += HoursOf(other);
                return true;
            }
            grid_ = grid;
            variant_.Assign(variant);
        }
        return false;
    }

    // A block taken out of its class's day: back into that day arranged afresh, else
    // onto another day with the day it left closed up to `gaps` gaps.
    bool PlaceAgain(const CompletionUnit& block, int day, int gaps) {
        if (RepackDay(block, day)) return true;
        CompletionUnit leaving = block;
        leaving.sourceDay = day;
        const int klass = block.klassLessons.front().owner;
        return PlaceOnOtherDay(leaving) && (grid_.klassGaps(klass, day) <= gaps || CloseGaps(klass, day, gaps));
    }

    // The class's day arranged afresh with no more than `gaps` gaps.
    bool CloseGaps(int klass, int day, int gaps) {
        auto blocks = CleanBlocks(klass, day);
        std::vector<const CompletionUnit*> units;
        for (auto& [unit, at] : blocks) {
            Displace(unit, day, at);
            units.push_back(&unit);
        }
        const auto placements = BlockArrangement(grid_, day, units, static_cast<int>(units.size())).Search(kArrangementNodes);
        if (!std::all_of(placements.begin(), placements.end(), [](const auto& p) { return p.has_value(); })) return false;
        for (std::size_t u = 0; u < units.size(); ++u) Commit(*units[u], day, *placements[u]);
        return grid_.klassGaps(klass, day) <= gaps;
    }

    // Up to one block of each of the unit's classes leaves the day for another day, and
    // the unit takes their place; every combination is tried until one works.
    bool PlaceByDisplacing(const CompletionUnit& unit, int day, WeekCompletion& result) {
        std::vector<std::vector<PlacedBlock>> choices;
        for (const LessonRef& ref : unit.klassLessons) {
            choices.emplace_back();
            for (PlacedBlock& block : CleanBlocks(ref.owner, day))
                if (block.first.klassLessons.front().lesson != ref.lesson) choices.back().push_back(std::move(block));
        }
        // chosen[i]: index in choices[i], or -1 when class i gives nothing up.
        std::vector<int> chosen(choices.size(), -1);
        while (NextCombination(chosen, choices)) {
            const CompletionGrid grid = grid_;
            const TTableVarItem variant = variant_;
            std::vector<int> gaps;
            std::vector<CompletionUnit> leaving;
            for (std::size_t i = 0; i < chosen.size(); ++i) {
                gaps.push_back(grid_.klassGaps(unit.klassLessons[i].owner, day));
                if (chosen[i] < 0) continue;
                auto& [other, at] = choices[i][static_cast<std::size_t>(chosen[i])];
                Displace(other, day, at);
                leaving.push_back(other);
                leaving.back().sourceDay = day;  // it leaves this day
            }
            bool placed = DayTakesUnit(unit, day) && PlaceOnDay(unit, day);
            for (std::size_t i = 0; i < chosen.size() && placed; ++i)
                placed = grid_.klassGaps(unit.klassLessons[i].owner, day) <= gaps[i];
            for (const CompletionUnit& other : leaving) placed = placed && PlaceOnOtherDay(other);
            if (placed) {
                for (const CompletionUnit& other : leaving) result.displacedHours += HoursOf(other);
                return true;
            }
            grid_ = grid;
            variant_.Assign(variant);
        }
        return false;
    }

    // Counts through every choice of -1..size-1 per class, all -1 left out.
    static bool NextCombination(std::vector<int>& chosen, const std::vector<std::vector<PlacedBlock>>& choices) {
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (++chosen[i] < static_cast<int>(choices[i].size())) return true;
            chosen[i] = -1;
        }
        return false;
    }

    bool PlaceOnOtherDay(const CompletionUnit& unit) {
        for (int day : DaysFor(unit))
            if (day != unit.sourceDay && PlaceOnDay(CompletionUnit{unit.klassLessons, unit.teachers, unit.hours, 0}, day))
                return true;
        return false;
    }

    // The clean blocks of the day in the block's classes and those taught together with
    // them, other than its own lesson's.
    std::vector<PlacedBlock> CleanBlocksOf(const CompletionUnit& unit, int day) const {
        std::vector<int> classes;
        for (const LessonRef& ref : unit.klassLessons) classes.push_back(ref.owner);
        std::vector<PlacedBlock> blocks = DayBlocks(classes, day);
        std::erase_if(blocks, [&](const PlacedBlock& b) { return b.first.klassLessons == unit.klassLessons; });
        return blocks;
    }

    // The days of the block's classes arranged afresh with it and with the other blocks
    // waiting in those classes' drafts of the day: kept when every block of those days
    // stands again and the block has joined them.
    bool RepackDay(const CompletionUnit& waiting, int day) {
        auto blocks = CleanBlocksOf(waiting, day);
        std::vector<const CompletionUnit*> units;
        for (auto& [unit, at] : blocks) {
            grid_.take(unit, day, at);
            units.push_back(&unit);
        }
        units.push_back(&waiting);
        const std::vector<CompletionUnit> others = DraftUnitsBeside(waiting, day);
        for (const CompletionUnit& unit : others) units.push_back(&unit);
        const auto placements =
            BlockArrangement(grid_, day, units, static_cast<int>(blocks.size())).Search(kArrangementNodes);
        for (auto& [unit, at] : blocks) grid_.put(unit, day, at);
        if (!std::all_of(placements.begin(), placements.begin() + static_cast<long>(blocks.size() + 1),
                         [](const auto& p) { return p.has_value(); }))
            return false;
        for (auto& [unit, at] : blocks) Displace(unit, day, at);
        for (std::size_t u = 0; u < units.size(); ++u)
            if (placements[u]) Commit(*units[u], day, *placements[u]);
        return true;
    }

    // The blocks of the day's draft in the block's classes, other than the block itself.
    std::vector<CompletionUnit> DraftUnitsBeside(const CompletionUnit& unit, int day) const {
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

    int TeacherWindows(const std::vector<PlacedBlock>& blocks, int day) const {
        std::vector<int> teachers;
        for (const auto& [unit, at] : blocks) teachers.insert(teachers.end(), unit.teachers.begin(), unit.teachers.end());
        std::sort(teachers.begin(), teachers.end());
        teachers.erase(std::unique(teachers.begin(), teachers.end()), teachers.end());
        int windows = 0;
        for (int t : teachers) windows += grid_.teacherWindows(t, day);
        return windows;
    }

    // A class's day, with the days of the classes taught together with it, arranged
    // afresh once more: kept when they have fewer gaps, or as many and their teachers
    // fewer windows.
    bool ImproveDay(int klass, int day) {
        std::vector<int> classes = {klass};
        auto blocks = DayBlocks(classes, day);
        const auto gapsOf = [&] {
            int gaps = 0;
            for (int k : classes) gaps += grid_.klassGaps(k, day);
            return gaps;
        };
        const int gaps = gapsOf();
        const int windows = TeacherWindows(blocks, day);
        if (blocks.size() < 2 || (gaps == 0 && windows == 0)) return false;
        const CompletionGrid grid = grid_;
        const TTableVarItem variant = variant_;
        std::vector<const CompletionUnit*> units;
        for (auto& [unit, at] : blocks) {
            Displace(unit, day, at);
            units.push_back(&unit);
        }
        const auto placements = BlockArrangement(grid_, day, units, static_cast<int>(units.size()))
                                    .Search(kImprovementNodes, gaps > 0 ? windows : windows - 1);
        const bool stands = std::all_of(placements.begin(), placements.end(), [](const auto& p) { return p.has_value(); });
        if (stands) {
            for (std::size_t u = 0; u < units.size(); ++u) Commit(*units[u], day, *placements[u]);
            const int gapsNow = gapsOf();
            if (gapsNow < gaps || (gapsNow == gaps && TeacherWindows(blocks, day) < windows)) return true;
        }
        grid_ = grid;
        variant_.Assign(variant);
        return false;
    }

    // The block leaves the clean copy, rooms and all.
    void Displace(const CompletionUnit& unit, int day, const UnitPlacement& placement) {
        grid_.take(unit, day, placement);
        for (const LessonRef& ref : unit.klassLessons)
            for (int n = placement.start; n < placement.start + unit.hours; ++n)
                variant_.SetCleanSlot(ref.owner, day, LessonSlot::Empty(), n);
    }

    // The block goes into the clean copy with its rooms, and out of its draft.
    void Commit(const CompletionUnit& unit, int day, const UnitPlacement& placement) {
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
                SetSubgroupRoom(variant_, session_.klasses(), room.klass, day, n, room.subgroup,
                                static_cast<std::uint16_t>(room.room));
    }

    const PlanningSession& session_;
    TTableVarItem& variant_;
    CompletionGrid grid_;
    std::vector<int> dayLimit_;  // by class, as DayLimit found it before the completion
};

}  // namespace

WeekCompletion CompleteWeek(const PlanningSession& session, TTableVarItem& variant) {
    WeekCompletion result;
    Completion(session, variant).Run(result);
    return result;
}

}  // namespace lovaris
