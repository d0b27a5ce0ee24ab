// The steps of the ejection search: a waiting block drawn, put at its cheapest place,
// what it pushed out waiting in its turn; the best week kept and gone back to.
#include "EjectionWork.h"

#include <algorithm>

namespace lovaris {

int EjectionWork::EjectionWeight(const CompletionUnit& unit) const {
    const auto found = ejections_.find(TabuKey(unit));
    return kEjectedHourWeight + (found == ejections_.end() ? 0 : found->second / kEjectionsPerWeight);
}

EjectionWork::EjectionWork(const PlanningSession& session, TTableVarItem& variant, std::uint64_t seed)
    : session_(session), variant_(variant), work_(session, variant, 0), random_(seed) {
    linkSets_.resize(static_cast<std::size_t>(work_.classCount()));
    for (int k = 0; k < work_.classCount(); ++k)
        linkSets_[static_cast<std::size_t>(k)].resize(static_cast<std::size_t>(session.klasses().at(k).lessonCount()));
    teacherClasses_.resize(static_cast<std::size_t>(session.teachers().count()));
    for (int k = 0; k < work_.classCount(); ++k)
        for (const auto& lesson : session.klasses().at(k).lessonCopies)
            for (const auto& sub : lesson.subgroups)
                if (sub.teacher >= 0 && sub.teacher < session.teachers().count()) {
                    auto& classes = teacherClasses_[static_cast<std::size_t>(sub.teacher)];
                    if (classes.empty() || classes.back() != k) classes.push_back(k);
                }
    TakeOutBrokenBlocks();
    bool drafts = work_.DraftHours() > 0;
    waiting_ = work_.UnplacedUnits();
    if (drafts || !waiting_.empty()) {
        EmptyDrafts();
        waiting_ = work_.UnplacedUnits();
    }
    for (const CompletionUnit& unit : waiting_) hoursWaiting_ += HoursOf(unit);
}

void EjectionWork::TakeOutPiece(int klass, int day, int number) {
    const int lesson = variant_.GetCleanSlot(klass, day, number).lessonIndex;
    if (lesson < 0 || lesson >= session_.klasses().at(klass).lessonCount()) {
        // No lesson of the class: only the class's hour to clear.
        work_.grid_.take(CompletionUnit{{LessonRef{klass, lesson, -1}}, {}, 1, 0}, day, UnitPlacement{number, {}});
        variant_.SetCleanSlot(klass, day, LessonSlot::Empty(), number);
        return;
    }
    int start = number;
    while (start > 1 && variant_.GetCleanSlot(klass, day, start - 1).lessonIndex == lesson) --start;
    CompletionUnit piece = work_.UnitOf(klass, lesson, 1, 0);
    piece.klassLessons = {LessonRef{klass, lesson, -1}};
    piece.hours = 0;
    while (start + piece.hours <= variant_.lessonsPerDay() &&
           variant_.GetCleanSlot(klass, day, start + piece.hours).lessonIndex == lesson)
        ++piece.hours;
    work_.Displace(piece, day, work_.PlacementInClean(piece, day, start));
}

void EjectionWork::TakeOutBrokenBlocks() {
    for (int k = 0; k < work_.classCount(); ++k)
        for (int d = 1; d <= kVariantDays; ++d) {
            // Lessons taught together that stand apart leave in every class.
            for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
                const LessonSlot slot = variant_.GetCleanSlot(k, d, n);
                if (!slot.occupied() || slot.lessonIndex >= session_.klasses().at(k).lessonCount()) continue;
                if (BlockAt(k, d, n)) continue;
                for (const LessonRef& ref : LinkSetOf(k, slot.lessonIndex).klassLessons)
                    for (int m = 1; ref.owner < work_.classCount() && m <= variant_.lessonsPerDay(); ++m)
                        if (variant_.GetCleanSlot(ref.owner, d, m).lessonIndex == ref.lesson) TakeOutPiece(ref.owner, d, m);
            }
        }
    // Days beginning past their starting lessons lose their first blocks, days with a
    // gap their last ones.
    // A block taught together leaves other classes too: again until no day changes.
    const CompletionGrid& grid = work_.grid_;
    for (bool changed = true; changed;) {
        changed = false;
        for (int k = 0; k < work_.classCount(); ++k)
            for (int d = 1; d <= kVariantDays; ++d)
                for (; !grid.klassStartsRight(k, d) || grid.klassGaps(k, d) > 0; changed = true) {
                    const NumberMask taken = grid.klassDay(k, d);
                    TakeOutSet(k, d, grid.klassStartsRight(k, d) ? LastNumber(taken) : FirstNumber(taken));
                }
    }
}

void EjectionWork::TakeOutSet(int klass, int day, int number) {
    if (const auto block = BlockAt(klass, day, number)) {
        work_.Displace(block->first, day, block->second);
    } else {
        TakeOutPiece(klass, day, number);
    }
}

void EjectionWork::EmptyDrafts() {
    for (int k = 0; k < work_.classCount(); ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = variant_.lessonsPerDay(); n >= 1; --n)
                if (variant_.GetDraftSlot(k, d, n).occupied()) variant_.RemoveDraftHour(k, d, n);
}

EjectionResult EjectionWork::Run(long long steps, EjectionControl& control) {
    EjectionResult result;
    result.hoursWaitingBefore = hoursWaiting_;
    KeepBest();
    long long step = 0;
    for (; step < steps && hoursWaiting_ > 0; ++step) {
        if (step % kPollSteps == 0 && control.stop({step, hoursWaiting_, best_->hoursWaiting})) break;
        Step(step);
        if (hoursWaiting_ < best_->hoursWaiting) {
            KeepBest();
        } else if (++sinceBest_ > kPatience) {
            BackToBest();
        }
    }
    if (best_->hoursWaiting < hoursWaiting_) BackToBest();
    result.steps = step;
    result.movesEvaluated = evaluated_;
    result.hoursWaitingAfter = hoursWaiting_;
    return result;
}

void EjectionWork::Step(long long step) {
    const std::size_t drawn = static_cast<std::size_t>(random_.below(waiting_.size()));
    std::swap(waiting_[drawn], waiting_.back());
    const CompletionUnit unit = std::move(waiting_.back());
    waiting_.pop_back();
    if (const auto move = BestMove(unit, step)) {
        Apply(unit, *move, step);
    } else {
        waiting_.push_back(unit);
    }
}

void EjectionWork::Apply(const CompletionUnit& unit, const EjectionMove& move, long long step) {
    for (const auto& [block, at] : move.ejected) {
        ++ejections_[TabuKey(block)];
        work_.Displace(block, move.day, at);
        waiting_.push_back(block);
        hoursWaiting_ += HoursOf(block);
    }
    // The blocks carrying a class's day up to the unit go in before it; the waiting
    // ones then leave the waiting list from the back, so that the places of the
    // others hold.
    std::vector<std::size_t> bridged;
    for (const EjectionMove::Bridging& b : move.bridges) {
        if (b.fromDay != 0) {
            work_.Displace(b.unit, b.fromDay, b.from);
        } else {
            hoursWaiting_ -= HoursOf(b.unit);
            bridged.push_back(b.waiting);
        }
        work_.Commit(b.unit, move.day, b.to);
        tabuUntil_[TabuKey(b.unit)] = step + kTabuSteps;
    }
    std::sort(bridged.rbegin(), bridged.rend());
    for (std::size_t w : bridged) waiting_.erase(waiting_.begin() + static_cast<std::ptrdiff_t>(w));
    work_.Commit(unit, move.day, move.placement);
    hoursWaiting_ -= HoursOf(unit);
    // Longer when many wait, so that a chain does not undo itself.
    tabuUntil_[TabuKey(unit)] = step + kTabuSteps + static_cast<long long>(random_.below(waiting_.size() + 1));
}

void EjectionWork::KeepBest() {
    best_ = Best{work_.grid_, variant_, waiting_, hoursWaiting_};
    sinceBest_ = 0;
}

void EjectionWork::BackToBest() {
    work_.grid_ = best_->grid;
    variant_.Assign(best_->variant);
    waiting_ = best_->waiting;
    hoursWaiting_ = best_->hoursWaiting;
    sinceBest_ = 0;
}

long long EjectionWork::WeighAll() {
    const long long before = evaluated_;
    for (const CompletionUnit& unit : waiting_) BestMove(unit, 0);
    return evaluated_ - before;
}

}  // namespace lovaris
