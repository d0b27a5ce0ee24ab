#pragma once
// The day variants of a class: every gapless layout of the class's lessons of the
// selected day, each recorded as the teachers, shared rooms and classes it occupies
// at each lesson number, and which variants of two classes can stand together.
#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "../planning/RunControl.h"
#include "../planning/TRTIKlassesCollection.h"
#include "../planning/TRTITeachersCollection.h"

namespace lovaris {

class DayVariants {
public:
    DayVariants(TRTIKlassesCollection& klasses, RunControl& control);

    // 0 when the class has nothing to place today (or the run was stopped), -1 when it
    // has something and no layout exists, else the number of variants recorded.
    int EnumerateDayVariants(int klass);
    bool PlaceBlock(int klass, int key, int from, int to);
    bool MoveBlock(int klass, int key, int to);

    // Row i of the class at `position` gets bit rowStart[j] + k - 1 for every
    // variant k of the class at each later position j that can stand with variant i.
    // False when the run was stopped.
    bool ComputeCompatibility(std::span<const int> order, std::span<const int> rowStart, int position);
    bool Compatible(int klassX, int i, int klassY, int k) const;

    void ApplyDayVariant(int klass, int variant);
    void ResetPlannedStarts(int klass);

    int teacherWords() const { return teacherWords_; }
    int classWords() const { return classWords_; }

private:
    struct Block {
        int lesson = -1;
        int hours = 0;
        LinkSet links;
    };
    void PrepareBlocks(int klass);
    bool TryFrom(int klass, int key, int from, int to);
    void Put(int klass, int key, int start);
    void TakeOut(int klass, int key, int start);
    bool OpenWindow(int klass, int start, int total, int& end);
    void Record(int klass, int start, int end);
    bool AbortRequested();
    void PassStartToLinks(const PlanningLesson& lesson, int klass, int lessonIndex, int start, int hours);
    bool WithinWindow(int klass, std::uint32_t bits, DayWindow window) const;
    std::uint32_t BlockedMask(int klass) const;

    TRTIKlassesCollection& klasses_;
    TRTITeachersCollection& teachers_;
    RunControl& control_;
    int lessonsPerDay_ = 0;
    int teacherWords_ = 0;
    int classWords_ = 0;
    std::vector<Block> blocks_;  // by key; [0] unused
    std::set<std::vector<std::uint64_t>> seen_;  // signatures and windows of the class being listed
    std::vector<DayCell> base_;  // the class's day before any open block stands
};

}  // namespace lovaris
