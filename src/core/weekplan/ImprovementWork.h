#pragma once
// One run of the improvement of a week (WeekImprovement.h): the blocks of the clean
// copy with the completion's view of the week, the classes' and teachers' figures of
// the measure, and the annealing's steps.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "../planning/WeekQuality.h"
#include "CompletionWork.h"
#include "EjectionWork.h"
#include "WeekImprovement.h"

namespace lovaris {

class ImprovementWork {
public:
    ImprovementWork(const PlanningSession& session, TTableVarItem& variant, const VariantOptions& options,
                    std::uint64_t seed);

    // The variant ends with the best week of the run.
    ImprovementResult Run(long long steps, const std::function<bool()>& timeUp);
    double cost() const;

private:
    static constexpr long long kPollSteps = 256;
    // Steps between two copies of a better week, at least.
    static constexpr long long kKeepEvery = 2'000;
    // The temperature falls from the first to the last, step by step alike.
    static constexpr double kFirstTemperature = 2.0;
    static constexpr double kLastTemperature = 0.02;
    // Blocks a swap may carry along at most.
    static constexpr std::size_t kLongestChain = 12;
    static constexpr int kMaxNumber = 31;
    // An hour taken by what cannot move.
    static constexpr int kStuck = -2;

    struct Block {
        CompletionUnit unit;
        int day = 0;
        UnitPlacement at;
    };
    // A block on its way to a new place.
    struct Move {
        std::size_t block = 0;
        int day = 0;
        int start = 0;
    };
    struct Placed {
        std::size_t block = 0;
        int day = 0;
        UnitPlacement at;
    };

    void FindBlocks();
    void Step(double temperature);
    bool RelocateMove(std::vector<Move>& moves);
    bool SwapMove(std::vector<Move>& moves);
    // The moves made in the grid when the week's checks take them all; the new places
    // in `placed`. False, with the grid as it was, when some check refuses.
    bool TryMoves(const std::vector<Move>& moves, std::vector<Placed>& placed);
    void UndoMoves(const std::vector<Move>& moves, const std::vector<Placed>& placed);
    // The moves written into the variant and the blocks.
    void KeepMoves(const std::vector<Placed>& placed);
    // The classes and teachers of the moved blocks judged again; returns the cost's change.
    double Rejudge(const std::vector<Move>& moves);
    void RejudgeKlass(int klass);
    void RejudgeTeacher(int teacher);
    bool DayGapless(int klass, int day) const;
    // The block standing at the number, -1 none, kStuck what cannot move.
    int BlockAt(int klass, int day, int number) const;
    int TeacherBlockAt(int teacher, int day, int number) const;
    void MarkBlock(std::size_t block, int value);
    int LessonDays(const LessonRef& ref, int day) const;
    void CountLesson(const Block& block, int day, int change);
    double Draw() { return static_cast<double>(random_.next() >> 11) * 0x1.0p-53; }

    const PlanningSession& session_;
    TTableVarItem& variant_;
    CompletionWork work_;
    QualityWeights weights_;
    SearchRandom random_;
    std::vector<Block> blocks_;
    std::vector<std::vector<std::size_t>> klassBlocks_;  // by class, its blocks
    std::vector<int> blockAt_;  // by class, day and number, the block standing there or -1
    std::vector<std::vector<int>> teacherClasses_;  // by teacher, the classes it teaches
    // Blocks of each class's lesson by day, by class and lesson.
    std::vector<std::vector<std::array<std::uint8_t, kVariantDays + 1>>> lessonDays_;
    std::vector<std::vector<double>> hourLoads_;  // by class and lesson
    std::vector<KlassWeek> klassWeeks_;
    std::vector<TeacherWeek> teacherWeeks_;
    std::vector<double> klassCosts_;
    std::vector<double> teacherCosts_;
    std::vector<int> teacherShort_;  // by teacher, the free days it is short of
    double cost_ = 0;
    long long made_ = 0;
    // Scratch of a step: the classes and teachers it touches, and their costs before.
    std::vector<int> touchedKlasses_, touchedTeachers_;
    std::vector<double> oldKlassCosts_, oldTeacherCosts_;
    std::vector<int> oldTeacherShort_;
    bool takesFreeDay_ = false;  // the step leaves some teacher shorter of free days
    std::vector<KlassWeek> oldKlassWeeks_;
    std::vector<TeacherWeek> oldTeacherWeeks_;
};

}  // namespace lovaris
