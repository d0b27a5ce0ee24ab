#include "TeacherWeekSearch.h"

#include <algorithm>

namespace lovaris {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

TeacherWeekSearch::TeacherWeekSearch(const WeekSearchContext& context, WeekCounters& counters,
                                     const SearchTeacher& searched, bool attachedRooms)
    : context_(context), counters_(counters), searched_(searched),
      placer_(counters, searched_, context.teachers, context.lessonsPerDay()),
      positions_(context, counters, lessons_, searched.teacher) {
    const int copies = context.teachers.at(searched.teacher).copyCount();
    for (int i = 0; i < copies; ++i) {
        auto lesson = TLessonObject::Build(context, searched.teacher, i, attachedRooms);
        if (!lesson) continue;
        for (const auto& ref : lesson->teachers())
            if (std::find(involved_.begin(), involved_.end(), ref.owner) == involved_.end())
                involved_.push_back(ref.owner);
        lessons_.push_back(std::move(*lesson));
    }
    for (std::size_t i = 0; i < lessons_.size(); ++i) lessons_[i].searchPosition = static_cast<int>(i);
}

bool TeacherWeekSearch::Step() {
    switch (phase_) {
        case Phase::Counting:
            return countStep();
        case Phase::Searching:
            return searchStep();
        case Phase::Ended:
            break;
    }
    return false;
}

// Each lesson alone, the others holding only their fixed blocks. Into the clean copy
// a variant counts only when its blocks can be given lesson numbers.
bool TeacherWeekSearch::countStep() {
    if (counted_ >= lessons_.size()) {
        orderByVariantCount();
        phase_ = lessons_.empty() ? Phase::Ended : Phase::Searching;
        return phase_ != Phase::Ended;
    }
    TLessonObject& lesson = lessons_[counted_];
    if (lesson.Next(placer_) == EnumerationStep::Exhausted) {
        ++counted_;
        return true;
    }
    if (context_.state.placeToCleanCopy) {
        buildSnapshot(scratch_);
        if (!positions_.Choose(scratch_, true)) return true;
    }
    ++lesson.variantCount;
    return true;
}

// Fewest variants first; lessons without any go last.
void TeacherWeekSearch::orderByVariantCount() {
    for (std::size_t q = 0; q < lessons_.size(); ++q) {
        std::size_t pick = q;
        for (std::size_t j = q + 1; j < lessons_.size(); ++j) {
            const long long count = lessons_[j].variantCount;
            const long long current = lessons_[q].variantCount;
            if (count <= 0 || (current > 0 && count >= current)) continue;
            if (pick == q || count < lessons_[pick].variantCount) pick = j;
        }
        if (pick != q) std::swap(lessons_[q], lessons_[pick]);
    }
    for (std::size_t i = 0; i < lessons_.size(); ++i) lessons_[i].searchPosition = static_cast<int>(i);
}

void TeacherWeekSearch::advance() {
    if (q_ + 1 < static_cast<int>(lessons_.size())) {
        ++q_;
        forward_ = true;
    }
}

bool TeacherWeekSearch::searchStep() {
    const int last = static_cast<int>(lessons_.size()) - 1;
    if (lessons_[at(q_)].Next(placer_) == EnumerationStep::Exhausted) {
        if (forward_ && q_ < last) {
            ++q_;  // the lesson stays out of the distribution
            return true;
        }
        if (q_ == 0) {
            phase_ = Phase::Ended;
            return false;
        }
        forward_ = false;
        --q_;
        return true;
    }
    ++viewed_;
    if (q_ < bestDepth_) {
        advance();
        return true;
    }

    buildSnapshot(scratch_);
    int placed = 0;
    for (const auto& b : scratch_)
        if (b.placed() && b.searchPosition <= q_) placed += b.length;
    if (placed < bestPlaced_ || !freeDaysKept()) return true;
    const bool parallelsCount = context_.state.considerParallels;
    const int parallels = parallelsCount ? countParallels(scratch_) : bestParallels_;
    if (parallelsCount && placed == bestPlaced_ && parallels < bestParallels_) return true;
    const int spread = weekSpread();
    const bool better = placed > bestPlaced_ ||
                        (placed == bestPlaced_ &&
                         (parallels > bestParallels_ || (parallels == bestParallels_ && spread < bestSpread_)));
    if (!better) return true;
    if (context_.state.placeToCleanCopy && !positions_.Choose(scratch_, false)) return true;

    best_ = scratch_;
    hasBest_ = true;
    bestParallels_ = parallels;
    bestSpread_ = spread;
    bestDepth_ = q_;
    bestPlaced_ = std::max(bestPlaced_, placed);
    ++improvements_;
    advance();
    return true;
}

void TeacherWeekSearch::buildSnapshot(PlacementSnapshot& snapshot) const {
    snapshot.clear();
    for (std::size_t l = 0; l < lessons_.size(); ++l) {
        const TLessonObject& lesson = lessons_[l];
        for (const TGrpObject& run : lesson.runs())
            for (int i = 0; i < run.blockCount(); ++i) {
                const int block = run.firstBlock() + i;
                SnapshotBlock record;
                record.teacher = searched_.teacher;
                record.lessonNumber = lesson.lessonNumber();
                record.lessonId = lesson.lessonId();
                record.searchPosition = lesson.searchPosition;
                record.block = block;
                record.length = run.blockLength();
                record.fixed = lesson.isFixed(block);
                record.day = run.place(i).day;
                record.position = record.fixed ? lesson.fixedPlace(block).position : 0;
                record.priorPosition = record.position;
                record.lessonObject = static_cast<int>(l);
                snapshot.push_back(record);
            }
    }
}

bool TeacherWeekSearch::freeDaysKept() const {
    return std::all_of(involved_.begin(), involved_.end(), [this](int t) {
        const TeacherDayCounters& c = counters_.teacher(t);
        return c.daysWithoutHours() >= c.freeDaysRequired;
    });
}

// Blocks standing on the same day as a block of the same length of a parallel lesson.
int TeacherWeekSearch::countParallels(const PlacementSnapshot& snapshot) const {
    const TRTITeacherItem& teacher = context_.teachers.at(searched_.teacher);
    int parallels = 0;
    const std::size_t size = snapshot.size();
    for (std::size_t i = 0; i < size;) {
        std::size_t end = i + 1;
        while (end < size && snapshot[end].lessonId == snapshot[i].lessonId) ++end;
        if (snapshot[i].searchPosition <= q_) {
            const auto& links = teacher.copy(snapshot[i].lessonNumber).parallelLinks;
            for (std::size_t k = 0; k < links.size() && k < static_cast<std::size_t>(kMaxParallelLinks); ++k) {
                std::size_t from = end;
                while (from < size && !(snapshot[from].lessonNumber == links[k].lesson && snapshot[from].searchPosition <= q_))
                    ++from;
                if (from == size) continue;
                std::size_t to = from;
                while (to < size && snapshot[to].lessonNumber == links[k].lesson) ++to;
                for (std::size_t b = i; b < end; ++b) {
                    if (!snapshot[b].placed()) continue;
                    for (std::size_t r = from; r < to; ++r)
                        if (snapshot[r].day == snapshot[b].day && snapshot[r].length == snapshot[b].length) {
                            ++parallels;
                            break;
                        }
                }
            }
        }
        i = end;
    }
    return parallels;
}

// The teacher's fullest day less its emptiest day that has hours.
int TeacherWeekSearch::weekSpread() const {
    const TeacherDayCounters& c = counters_.teacher(searched_.teacher);
    int largest = 0;
    int smallest = 25;
    for (int d = 1; d <= kWeekDays; ++d) {
        largest = std::max(largest, c.load(d));
        if (c.load(d) > 0) smallest = std::min(smallest, c.load(d));
    }
    return largest - smallest;
}

void TeacherWeekSearch::Stop() {
    for (auto& lesson : lessons_) lesson.RemoveTentative(placer_);
    phase_ = Phase::Ended;
}

}  // namespace lovaris
