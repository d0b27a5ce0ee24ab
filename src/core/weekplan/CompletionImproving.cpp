// How the completion improves the days once the blocks are in: class days arranged
// afresh, gaps filled, lessons moved to other days for the teachers' windows.
#include "CompletionWork.h"

#include <algorithm>
#include <numeric>

namespace lovaris {

void CompletionWork::ImproveDays(bool acrossDays) {
    budget_.improving = true;
    bool improved = true;
    for (int round = 0; round < kImprovementRounds && improved; ++round) {
        improved = false;
        for (int k : klassOrder_)
            for (int day : dayOrder_)
                improved = ImproveDay(k, day) || FillGap(k, day) || (acrossDays && MoveForWindows(k, day)) ||
                           improved;
    }
    budget_.improving = false;
}

bool CompletionWork::ImproveDay(int klass, int day) {
    std::vector<int> classes = {klass};
    auto blocks = DayBlocks(classes, day);
    const auto gapsOf = [&] {
        std::vector<int> gaps;
        for (int k : classes) gaps.push_back(grid_.klassGaps(k, day));
        return gaps;
    };
    const std::vector<int> gapsBefore = gapsOf();
    const int gaps = std::accumulate(gapsBefore.begin(), gapsBefore.end(), 0);
    const int windows = TeacherWindows(blocks, day);
    if (blocks.size() < 2 || (gaps == 0 && windows == 0)) return false;
    const Saved saved = Save();
    if (Rearrange(blocks, day, gaps > 0 ? windows : windows - 1)) {
        // No class's day gains a gap, even where another one loses more.
        const std::vector<int> after = gapsOf();
        const int gapsNow = std::accumulate(after.begin(), after.end(), 0);
        bool noneWorse = true;
        for (std::size_t i = 0; i < after.size(); ++i) noneWorse = noneWorse && after[i] <= gapsBefore[i];
        if (noneWorse && (gapsNow < gaps || (gapsNow == gaps && TeacherWindows(blocks, day) < windows))) return true;
    }
    Restore(saved);
    return false;
}

bool CompletionWork::FillGap(int klass, int day) {
    const int gaps = grid_.klassGaps(klass, day);
    const NumberMask taken = grid_.klassDay(klass, day);
    if (gaps == 0) return false;
    const int first = FirstNumber(taken);
    const int last = LastNumber(taken);
    for (int from = 1; from <= kVariantDays; ++from) {
        if (from == day) continue;
        const NumberMask edges = grid_.klassDay(klass, from);
        auto blocks = CleanBlocks(klass, from);
        if (blocks.size() < 2) continue;
        for (auto& [edge, at] : blocks) {
            const bool atEdge = at.start == FirstNumber(edges) || at.start + edge.hours - 1 == LastNumber(edges);
            CompletionUnit moving = edge;
            moving.sourceDay = from;
            if (!atEdge || !DayTakesUnit(moving, day)) continue;
            const Saved saved = Save();
            const int gapsThere = grid_.klassGaps(klass, from);
            Displace(edge, from, at);
            moving.sourceDay = 0;
            if (grid_.klassStartsRight(klass, from) && grid_.klassGaps(klass, from) <= gapsThere)
                for (int start = first + 1; start + moving.hours - 1 < last; ++start) {
                    if (taken & CompletionGrid::blockMask(start, moving.hours)) continue;  // not a gap
                    if (const auto placement = grid_.place(moving, day, start)) {
                        Commit(moving, day, *placement);
                        return true;
                    }
                    WeekCompletion ignored;
                    if (EjectAt(moving, day, start, ignored)) return true;
                }
            Restore(saved);
        }
    }
    return false;
}

bool CompletionWork::MoveForWindows(int klass, int day) {
    const NumberMask taken = grid_.klassDay(klass, day);
    if (taken == 0) return false;
    const int first = FirstNumber(taken);
    const int last = LastNumber(taken);
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
            const Saved saved = Save();
            Displace(unit, day, at);
            CompletionUnit moving = unit;
            moving.sourceDay = 0;
            if (grid_.klassGaps(klass, day) <= gaps && grid_.klassStartsRight(klass, day))
                if (const auto placement = Arrange(to, {&moving}).front()) {
                    Commit(moving, to, *placement);
                    if (TeacherWindows(alone, day) + TeacherWindows(alone, to) < before) return true;
                }
            Restore(saved);
        }
    }
    return false;
}

}  // namespace lovaris
