// The steps of one run of the improvement: a move drawn, tried against the week's
// placement checks, weighed by the classes and teachers it touches, and kept or
// given back as the temperature has it.
#include "ImprovementWork.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <set>
#include <tuple>

namespace lovaris {
namespace {

bool Contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

ImprovementWork::ImprovementWork(const PlanningSession& session, TTableVarItem& variant,
                                 const VariantOptions& options, std::uint64_t seed)
    : session_(session), variant_(variant), work_(session, variant, 0), weights_(QualityWeights::From(options)),
      random_(seed), klassWeeks_(KlassWeeksOf(session, variant)),
      teacherWeeks_(TeacherWeeksOf(session, variant, options)) {
    const int classes = work_.classCount();
    hourLoads_.resize(static_cast<std::size_t>(classes));
    lessonDays_.resize(static_cast<std::size_t>(classes));
    klassBlocks_.resize(static_cast<std::size_t>(classes));
    for (int k = 0; k < classes; ++k) {
        const int lessons = session.klasses().at(k).lessonCount();
        lessonDays_[static_cast<std::size_t>(k)].assign(static_cast<std::size_t>(lessons), {});
        for (int l = 0; l < lessons; ++l) hourLoads_[static_cast<std::size_t>(k)].push_back(HourLoad(session, k, l));
    }
    teacherClasses_.resize(static_cast<std::size_t>(session.teachers().count()));
    for (int k = 0; k < classes; ++k)
        for (const auto& lesson : session.klasses().at(k).lessonCopies)
            for (const auto& sub : lesson.subgroups)
                if (sub.teacher >= 0 && sub.teacher < session.teachers().count() &&
                    !Contains(teacherClasses_[static_cast<std::size_t>(sub.teacher)], k))
                    teacherClasses_[static_cast<std::size_t>(sub.teacher)].push_back(k);
    blockAt_.assign(static_cast<std::size_t>(classes) * (kVariantDays + 1) * (kMaxNumber + 1), -1);
    FindBlocks();
    for (const KlassWeek& week : klassWeeks_) klassCosts_.push_back(KlassCost(JudgeKlassWeek(week), weights_));
    for (const TeacherWeek& week : teacherWeeks_) {
        const TeacherJudged judged = JudgeTeacherWeek(week, weights_.maxWindows);
        teacherCosts_.push_back(TeacherCost(judged, weights_));
        teacherShort_.push_back(judged.freeDaysShort);
    }
    cost_ = cost();
}

double ImprovementWork::cost() const {
    double sum = 0;
    for (double c : klassCosts_) sum += c;
    for (double c : teacherCosts_) sum += c;
    return sum;
}

void ImprovementWork::FindBlocks() {
    std::set<std::tuple<int, int, int, int>> seen;  // (first class, its lesson, day, start)
    for (int k = 0; k < work_.classCount(); ++k)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant_.lessonsPerDay(); ++n) {
                const int lesson = variant_.GetCleanSlot(k, d, n).lessonIndex;
                if (!variant_.GetCleanSlot(k, d, n).occupied() || lesson >= session_.klasses().at(k).lessonCount() ||
                    (n > 1 && variant_.GetCleanSlot(k, d, n - 1).lessonIndex == lesson))
                    continue;
                int hours = 1;
                while (n + hours <= variant_.lessonsPerDay() && variant_.GetCleanSlot(k, d, n + hours).lessonIndex == lesson)
                    ++hours;
                CompletionUnit unit = work_.UnitOf(k, lesson, hours, 0);
                const LessonRef& first = unit.klassLessons.front();
                if (!seen.insert({first.owner, first.lesson, d, n}).second) continue;
                // A set whose classes do not hold it alike stays where it is.
                if (!work_.WithinVariant(unit) || (unit.klassLessons.size() > 1 && !work_.StandsAlike(unit, d, n)))
                    continue;
                UnitPlacement at = work_.PlacementInClean(unit, d, n);
                Block block{std::move(unit), d, std::move(at)};
                CountLesson(block, d, 1);
                for (const LessonRef& ref : block.unit.klassLessons)
                    klassBlocks_[static_cast<std::size_t>(ref.owner)].push_back(blocks_.size());
                blocks_.push_back(std::move(block));
                MarkBlock(blocks_.size() - 1, static_cast<int>(blocks_.size() - 1));
            }
}

void ImprovementWork::CountLesson(const Block& block, int day, int change) {
    for (const LessonRef& ref : block.unit.klassLessons)
        lessonDays_[static_cast<std::size_t>(ref.owner)][static_cast<std::size_t>(ref.lesson)]
                   [static_cast<std::size_t>(day)] += static_cast<std::uint8_t>(change);
}

int ImprovementWork::LessonDays(const LessonRef& ref, int day) const {
    return lessonDays_[static_cast<std::size_t>(ref.owner)][static_cast<std::size_t>(ref.lesson)]
                      [static_cast<std::size_t>(day)];
}

bool ImprovementWork::DayGapless(int klass, int day) const {
    return work_.grid_.klassGaps(klass, day) == 0 && work_.grid_.klassStartsRight(klass, day);
}

ImprovementResult ImprovementWork::Run(long long steps, const std::function<bool()>& timeUp) {
    ImprovementResult result;
    result.costBefore = cost_;
    TTableVarItem best = variant_;
    double bestCost = cost_;
    long long kept = 0;
    long long step = 0;
    for (; step < steps; ++step) {
        if (step % kPollSteps == 0 && timeUp && timeUp()) break;
        const double progress = static_cast<double>(step) / static_cast<double>(steps);
        Step(kFirstTemperature * std::pow(kLastTemperature / kFirstTemperature, progress));
        if (cost_ < bestCost - 1e-9 && step - kept >= kKeepEvery) {
            best = variant_;
            bestCost = cost_;
            kept = step;
        }
    }
    cost_ = cost();
    result.steps = step;
    result.movesMade = made_;
    if (bestCost < cost_ - 1e-9) {
        variant_.Assign(best);
        result.costAfter = bestCost;
    } else {
        result.costAfter = cost_;
    }
    return result;
}

void ImprovementWork::Step(double temperature) {
    if (blocks_.empty()) return;
    std::vector<Move> moves;
    if (!(random_.below(2) == 0 ? RelocateMove(moves) : SwapMove(moves))) return;
    std::vector<Placed> placed;
    if (!TryMoves(moves, placed)) return;
    const double change = Rejudge(moves);
    // A teacher's free days are kept as the week gives them: a move never takes one.
    if (!takesFreeDay_ && (change <= 0 || Draw() < std::exp(-change / temperature))) {
        KeepMoves(placed);
        cost_ += change;
        ++made_;
        return;
    }
    for (std::size_t i = 0; i < touchedKlasses_.size(); ++i) {
        klassWeeks_[static_cast<std::size_t>(touchedKlasses_[i])] = oldKlassWeeks_[i];
        klassCosts_[static_cast<std::size_t>(touchedKlasses_[i])] = oldKlassCosts_[i];
    }
    for (std::size_t i = 0; i < touchedTeachers_.size(); ++i) {
        teacherWeeks_[static_cast<std::size_t>(touchedTeachers_[i])] = oldTeacherWeeks_[i];
        teacherCosts_[static_cast<std::size_t>(touchedTeachers_[i])] = oldTeacherCosts_[i];
        teacherShort_[static_cast<std::size_t>(touchedTeachers_[i])] = oldTeacherShort_[i];
    }
    UndoMoves(moves, placed);
}

// A block first or last in its class's day goes to the start or the end of a day.
bool ImprovementWork::RelocateMove(std::vector<Move>& moves) {
    const std::size_t b = static_cast<std::size_t>(random_.below(blocks_.size()));
    const Block& block = blocks_[b];
    const int klass = block.unit.klassLessons.front().owner;
    const CompletionGrid& grid = work_.grid_;
    const NumberMask own = CompletionGrid::blockMask(block.at.start, block.unit.hours);
    const NumberMask before = grid.klassDay(klass, block.day);
    if (FirstNumber(before) != block.at.start && LastNumber(before) != block.at.start + block.unit.hours - 1)
        return false;
    const int day = 1 + random_.below(kVariantDays);
    const NumberMask taken = grid.klassDay(klass, day) & (day == block.day ? ~own : ~NumberMask{0});
    int start = 0;
    if (taken == 0) {
        const auto& starts = session_.klasses().at(klass).startingLessons;
        start = starts.empty() ? 1 : starts[static_cast<std::size_t>(random_.below(starts.size()))];
    } else {
        start = random_.below(2) == 0 ? FirstNumber(taken) - block.unit.hours : LastNumber(taken) + 1;
    }
    if (start < 1 || start + block.unit.hours - 1 > grid.lessonsPerDay()) return false;
    if (day == block.day && start == block.at.start) return false;
    moves.push_back({b, day, start});
    return true;
}

// Two blocks of a class as long as each other change places, and with them, as a
// chain, every block standing in their way at the other place: the blocks of their
// classes and of their teachers' other classes there, as long and starting alike.
bool ImprovementWork::SwapMove(std::vector<Move>& moves) {
    const std::size_t b = static_cast<std::size_t>(random_.below(blocks_.size()));
    const Block& block = blocks_[b];
    const int klass = block.unit.klassLessons.front().owner;
    const auto& own = klassBlocks_[static_cast<std::size_t>(klass)];
    const Block& partner = blocks_[own[static_cast<std::size_t>(random_.below(own.size()))]];
    if (&partner == &block || partner.unit.hours != block.unit.hours) return false;
    const int hours = block.unit.hours;
    const std::array<std::pair<int, int>, 2> sides{std::pair{block.day, block.at.start},
                                                   std::pair{partner.day, partner.at.start}};
    std::vector<std::pair<std::size_t, int>> chain{{b, 0}};  // block, the side it leaves
    // The block standing at the number of the other side joins the chain; false when
    // one stands there that cannot go across whole.
    const auto join = [&](int blockAt, int side) {
        if (blockAt == kStuck) return false;
        if (blockAt < 0) return true;
        const auto index = static_cast<std::size_t>(blockAt);
        const auto found = std::find_if(chain.begin(), chain.end(), [&](const auto& c) { return c.first == index; });
        if (found != chain.end()) return found->second == side;
        const Block& other = blocks_[index];
        const auto [day, start] = sides[static_cast<std::size_t>(side)];
        if (other.day != day || other.at.start != start || other.unit.hours != hours || chain.size() >= kLongestChain)
            return false;
        chain.emplace_back(index, side);
        return true;
    };
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const auto [index, side] = chain[i];
        const auto [day, start] = sides[static_cast<std::size_t>(1 - side)];
        const CompletionUnit& unit = blocks_[index].unit;
        for (int n = start; n < start + hours; ++n) {
            for (const LessonRef& ref : unit.klassLessons)
                if (!join(BlockAt(ref.owner, day, n), 1 - side)) return false;
            for (int t : unit.teachers)
                if (!join(TeacherBlockAt(t, day, n), 1 - side)) return false;
        }
    }
    for (const auto& [index, side] : chain) {
        const auto [day, start] = sides[static_cast<std::size_t>(1 - side)];
        moves.push_back({index, day, start});
    }
    return true;
}

int ImprovementWork::BlockAt(int klass, int day, int number) const {
    const int found = blockAt_[(static_cast<std::size_t>(klass) * (kVariantDays + 1) + static_cast<std::size_t>(day)) *
                                   static_cast<std::size_t>(kMaxNumber + 1) +
                               static_cast<std::size_t>(number)];
    // An hour taken by what is no block of ours (a set standing apart) stays.
    if (found < 0 && (work_.grid_.klassDay(klass, day) & (NumberMask{1} << number))) return kStuck;
    return found;
}

void ImprovementWork::MarkBlock(std::size_t block, int value) {
    const Block& b = blocks_[block];
    for (const LessonRef& ref : b.unit.klassLessons)
        for (int n = b.at.start; n < b.at.start + b.unit.hours; ++n)
            blockAt_[(static_cast<std::size_t>(ref.owner) * (kVariantDays + 1) + static_cast<std::size_t>(b.day)) *
                         static_cast<std::size_t>(kMaxNumber + 1) +
                     static_cast<std::size_t>(n)] = value;
}

int ImprovementWork::TeacherBlockAt(int teacher, int day, int number) const {
    if (!(work_.grid_.teacherDay(teacher, day) & (NumberMask{1} << number))) return -1;
    for (int k : teacherClasses_[static_cast<std::size_t>(teacher)]) {
        const int found = BlockAt(k, day, number);
        if (found >= 0 && Contains(blocks_[static_cast<std::size_t>(found)].unit.teachers, teacher)) return found;
    }
    return kStuck;
}

bool ImprovementWork::TryMoves(const std::vector<Move>& moves, std::vector<Placed>& placed) {
    for (const Move& move : moves) {
        const Block& block = blocks_[move.block];
        if (move.day == block.day) continue;
        // One block of a lesson a day.
        for (const LessonRef& ref : block.unit.klassLessons)
            if (LessonDays(ref, move.day) > 0) return false;
    }
    CompletionGrid& grid = work_.grid_;
    for (const Move& move : moves) grid.take(blocks_[move.block].unit, blocks_[move.block].day, blocks_[move.block].at);
    bool possible = true;
    for (const Move& move : moves) {
        const Block& block = blocks_[move.block];
        auto at = grid.place(block.unit, move.day, move.start);
        if (!at) {
            possible = false;
            break;
        }
        grid.put(block.unit, move.day, *at);
        placed.push_back({move.block, move.day, std::move(*at)});
    }
    for (std::size_t i = 0; possible && i < moves.size(); ++i) {
        const Block& block = blocks_[moves[i].block];
        for (const LessonRef& ref : block.unit.klassLessons)
            possible = possible && DayGapless(ref.owner, block.day) && DayGapless(ref.owner, moves[i].day);
    }
    if (!possible) UndoMoves(moves, placed);
    return possible;
}

void ImprovementWork::UndoMoves(const std::vector<Move>& moves, const std::vector<Placed>& placed) {
    CompletionGrid& grid = work_.grid_;
    for (const Placed& p : placed) grid.take(blocks_[p.block].unit, p.day, p.at);
    // A refused move may have taken out more blocks than it placed: all go back.
    for (const Move& move : moves) grid.put(blocks_[move.block].unit, blocks_[move.block].day, blocks_[move.block].at);
}

void ImprovementWork::KeepMoves(const std::vector<Placed>& placed) {
    CompletionGrid& grid = work_.grid_;
    for (const Placed& p : placed) grid.take(blocks_[p.block].unit, p.day, p.at);
    for (const Placed& p : placed) grid.put(blocks_[p.block].unit, blocks_[p.block].day, blocks_[p.block].at);
    for (const Placed& p : placed) {
        work_.Displace(blocks_[p.block].unit, blocks_[p.block].day, blocks_[p.block].at);
        MarkBlock(p.block, -1);
    }
    for (const Placed& p : placed) {
        Block& block = blocks_[p.block];
        work_.Commit(block.unit, p.day, p.at);
        CountLesson(block, block.day, -1);
        CountLesson(block, p.day, 1);
        block.day = p.day;
        block.at = p.at;
        MarkBlock(p.block, static_cast<int>(p.block));
    }
}

double ImprovementWork::Rejudge(const std::vector<Move>& moves) {
    touchedKlasses_.clear();
    touchedTeachers_.clear();
    for (const Move& move : moves) {
        const Block& block = blocks_[move.block];
        for (const LessonRef& ref : block.unit.klassLessons)
            if (!Contains(touchedKlasses_, ref.owner)) touchedKlasses_.push_back(ref.owner);
        for (int t : block.unit.teachers)
            if (!Contains(touchedTeachers_, t)) touchedTeachers_.push_back(t);
    }
    oldKlassWeeks_.clear();
    oldKlassCosts_.clear();
    oldTeacherWeeks_.clear();
    oldTeacherCosts_.clear();
    oldTeacherShort_.clear();
    takesFreeDay_ = false;
    double change = 0;
    for (int k : touchedKlasses_) {
        oldKlassWeeks_.push_back(klassWeeks_[static_cast<std::size_t>(k)]);
        oldKlassCosts_.push_back(klassCosts_[static_cast<std::size_t>(k)]);
    }
    for (const Move& move : moves) {
        const Block& block = blocks_[move.block];
        for (const LessonRef& ref : block.unit.klassLessons) {
            auto& load = klassWeeks_[static_cast<std::size_t>(ref.owner)].load;
            const double hours =
                block.unit.hours * hourLoads_[static_cast<std::size_t>(ref.owner)][static_cast<std::size_t>(ref.lesson)];
            load[static_cast<std::size_t>(block.day)] -= hours;
            load[static_cast<std::size_t>(move.day)] += hours;
        }
    }
    for (int k : touchedKlasses_) {
        RejudgeKlass(k);
        change += klassCosts_[static_cast<std::size_t>(k)];
    }
    for (double c : oldKlassCosts_) change -= c;
    for (int t : touchedTeachers_) {
        oldTeacherWeeks_.push_back(teacherWeeks_[static_cast<std::size_t>(t)]);
        oldTeacherCosts_.push_back(teacherCosts_[static_cast<std::size_t>(t)]);
        oldTeacherShort_.push_back(teacherShort_[static_cast<std::size_t>(t)]);
        RejudgeTeacher(t);
        takesFreeDay_ = takesFreeDay_ || teacherShort_[static_cast<std::size_t>(t)] > oldTeacherShort_.back();
        change += teacherCosts_[static_cast<std::size_t>(t)] - oldTeacherCosts_.back();
    }
    return change;
}

void ImprovementWork::RejudgeKlass(int klass) {
    KlassWeek& week = klassWeeks_[static_cast<std::size_t>(klass)];
    for (int d = 1; d <= kVariantDays; ++d)
        week.hours[static_cast<std::size_t>(d)] = std::popcount(work_.grid_.klassDay(klass, d));
    klassCosts_[static_cast<std::size_t>(klass)] = KlassCost(JudgeKlassWeek(week), weights_);
}

void ImprovementWork::RejudgeTeacher(int teacher) {
    TeacherWeek& week = teacherWeeks_[static_cast<std::size_t>(teacher)];
    for (int d = 1; d <= kVariantDays; ++d) week.taught[static_cast<std::size_t>(d)] = work_.grid_.teacherDay(teacher, d);
    const TeacherJudged judged = JudgeTeacherWeek(week, weights_.maxWindows);
    teacherCosts_[static_cast<std::size_t>(teacher)] = TeacherCost(judged, weights_);
    teacherShort_[static_cast<std::size_t>(teacher)] = judged.freeDaysShort;
}

}  // namespace lovaris
