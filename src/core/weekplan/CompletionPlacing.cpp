// How the completion places the blocks still waiting: day by day, then the hardest
// first, on their day or another, as the day stands, arranged afresh, or with
// others making way.
#include "CompletionWork.h"

#include <algorithm>

#include "BlockArrangement.h"

namespace lovaris {

bool CompletionWork::PlaceWhatIsLeft(WeekCompletion& result) {
    std::vector<CompletionUnit> left = UnplacedUnits();
    for (int day : dayOrder_)
        for (CompletionUnit& unit : DraftUnits(day)) left.push_back(std::move(unit));
    std::stable_sort(left.begin(), left.end(),
                     [](const CompletionUnit& a, const CompletionUnit& b) { return Difficulty(a) > Difficulty(b); });
    bool placedAny = false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        const CompletionUnit& unit = left[i];
        if (unit.sourceDay != 0 ? !InDraft(unit) : !Unplaced(unit)) continue;
        // A block that fits nowhere leaves the blocks after it their share of the searches.
        const long long share = budget_.placingLeft / static_cast<long long>(left.size() - i);
        budget_.unit = std::clamp(share, kLeastUnitNodes, kMostUnitNodes);
        const bool placed = PlaceAnywhere(unit, result) != 0;
        placedAny = placedAny || placed;
        if (placed && unit.sourceDay == 0) result.unplacedHoursPlaced += HoursOf(unit);
    }
    budget_.unit = kNoLimit;
    return placedAny;
}

std::tuple<std::size_t, std::size_t, int> CompletionWork::Difficulty(const CompletionUnit& unit) {
    return {unit.klassLessons.size(), unit.teachers.size(), unit.hours};
}

std::vector<int> CompletionWork::KlassesHardestFirst(const std::vector<CompletionUnit>& units) const {
    std::vector<std::tuple<std::size_t, std::size_t, int>> hardest(static_cast<std::size_t>(classCount()));
    for (const CompletionUnit& unit : units)
        for (const LessonRef& ref : unit.klassLessons)
            hardest[static_cast<std::size_t>(ref.owner)] = std::max(hardest[static_cast<std::size_t>(ref.owner)], Difficulty(unit));
    std::vector<int> order = klassOrder_;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return hardest[static_cast<std::size_t>(a)] > hardest[static_cast<std::size_t>(b)];
    });
    return order;
}

void CompletionWork::PlaceOnTheirDay(int day) {
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
        const auto placements = Arrange(day, mine);
        for (std::size_t i = 0; i < mine.size(); ++i) {
            if (!placements[i]) continue;
            Commit(*mine[i], day, *placements[i]);
            placed[indexes[i]] = true;
        }
    }
}

bool CompletionWork::PlaceOnDay(const CompletionUnit& unit, int day) {
    if (const auto placement = Arrange(day, {&unit}).front()) {
        Commit(unit, day, *placement);
        return true;
    }
    return RepackDay(unit, day);
}

int CompletionWork::PlaceAnywhere(const CompletionUnit& unit, WeekCompletion& result) {
    for (int day : DaysFor(unit))
        if (PlaceOnDay(unit, day)) return day;
    for (int day = 1; day <= kVariantDays; ++day)
        if (PlaceByDisplacing(unit, day, result)) return day;
    for (int day : DaysFor(unit))
        if (PlaceByEjecting(unit, day, result)) return day;
    return 0;
}

bool CompletionWork::PlaceOnOtherDay(const CompletionUnit& unit) {
    for (int day : DaysFor(unit))
        if (day != unit.sourceDay && PlaceOnDay(CompletionUnit{unit.klassLessons, unit.teachers, unit.hours, 0}, day))
            return true;
    return false;
}

bool CompletionWork::RepackDay(const CompletionUnit& waiting, int day) {
    auto blocks = CleanBlocksOf(waiting, day);
    std::vector<const CompletionUnit*> units;
    for (auto& [unit, at] : blocks) {
        grid_.take(unit, day, at);
        units.push_back(&unit);
    }
    units.push_back(&waiting);
    const std::vector<CompletionUnit> others = DraftUnitsBeside(waiting, day);
    for (const CompletionUnit& unit : others) units.push_back(&unit);
    const auto placements = Arrange(day, units, static_cast<int>(blocks.size()));
    for (auto& [unit, at] : blocks) grid_.put(unit, day, at);
    if (!std::all_of(placements.begin(), placements.begin() + static_cast<long>(blocks.size() + 1),
                     [](const auto& p) { return p.has_value(); }))
        return false;
    for (auto& [unit, at] : blocks) Displace(unit, day, at);
    for (std::size_t u = 0; u < units.size(); ++u)
        if (placements[u]) Commit(*units[u], day, *placements[u]);
    return true;
}

bool CompletionWork::PlaceByDisplacing(const CompletionUnit& unit, int day, WeekCompletion& result) {
    std::vector<std::vector<PlacedBlock>> choices;
    for (const LessonRef& ref : unit.klassLessons) {
        choices.emplace_back();
        for (PlacedBlock& block : CleanBlocks(ref.owner, day))
            if (block.first.klassLessons.front().lesson != ref.lesson) choices.back().push_back(std::move(block));
    }
    // chosen[i]: index in choices[i], or -1 when class i gives nothing up.
    std::vector<int> chosen(choices.size(), -1);
    while (NextCombination(chosen, choices)) {
        const Saved saved = Save();
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
        Restore(saved);
    }
    return false;
}

bool CompletionWork::NextCombination(std::vector<int>& chosen, const std::vector<std::vector<PlacedBlock>>& choices) {
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (++chosen[i] < static_cast<int>(choices[i].size())) return true;
        chosen[i] = -1;
    }
    return false;
}

bool CompletionWork::BlockersAt(const CompletionUnit& unit, int day, int start, std::vector<PlacedBlock>& blockers) const {
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

bool CompletionWork::PlaceByEjecting(const CompletionUnit& unit, int day, WeekCompletion& result) {
    for (int start = 1; start + unit.hours - 1 <= grid_.lessonsPerDay(); ++start)
        if (EjectAt(unit, day, start, result)) return true;
    return false;
}

bool CompletionWork::EjectAt(const CompletionUnit& unit, int day, int start, WeekCompletion& result) {
    std::vector<PlacedBlock> blockers;
    if (!grid_.open(unit, day, start) || !BlockersAt(unit, day, start, blockers) || blockers.empty()) return false;
    const Saved saved = Save();
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
    Restore(saved);
    return false;
}

bool CompletionWork::PlaceAgain(const CompletionUnit& block, int day, int gaps) {
    if (RepackDay(block, day)) return true;
    CompletionUnit leaving = block;
    leaving.sourceDay = day;
    const int klass = block.klassLessons.front().owner;
    return PlaceOnOtherDay(leaving) && (grid_.klassGaps(klass, day) <= gaps || CloseGaps(klass, day, gaps));
}

bool CompletionWork::CloseGaps(int klass, int day, int gaps) {
    auto blocks = CleanBlocks(klass, day);
    return Rearrange(blocks, day) && grid_.klassGaps(klass, day) <= gaps;
}

bool CompletionWork::Rearrange(std::vector<PlacedBlock>& blocks, int day, std::optional<int> enoughWindows) {
    std::vector<const CompletionUnit*> units;
    for (auto& [unit, at] : blocks) {
        Displace(unit, day, at);
        units.push_back(&unit);
    }
    const auto placements =
        Arrange(day, units, static_cast<int>(units.size()), kArrangementNodes, enoughWindows);
    if (!std::all_of(placements.begin(), placements.end(), [](const auto& p) { return p.has_value(); })) return false;
    for (std::size_t u = 0; u < units.size(); ++u) Commit(*units[u], day, *placements[u]);
    return true;
}

std::vector<std::optional<UnitPlacement>> CompletionWork::Arrange(int day, std::vector<const CompletionUnit*> units,
                                                                 int required, int nodeLimit,
                                                                 std::optional<int> enoughWindows) {
    if (timeUp_ && timeUp_()) budget_.placingLeft = budget_.improvingLeft = 0;
    BlockArrangement arrangement(grid_, day, std::move(units), required);
    long long& stage = budget_.improving ? budget_.improvingLeft : budget_.placingLeft;
    const long long allowed = std::max(0LL, std::min(stage, budget_.unit));
    auto placements = arrangement.Search(static_cast<int>(std::min<long long>(nodeLimit, allowed)), enoughWindows);
    stage -= arrangement.nodesVisited();
    budget_.unit -= arrangement.nodesVisited();
    return placements;
}

}  // namespace lovaris
