#include "DayVariants.h"

#include <algorithm>
#include <bit>

#include "SlotBitRows.h"

namespace lovaris {

DayVariants::DayVariants(TRTIKlassesCollection& klasses, RunControl& control)
    : klasses_(klasses), teachers_(klasses.teachers()), control_(control), lessonsPerDay_(klasses.lessonsPerDay()) {
    teacherWords_ = static_cast<int>(WordsForBits(static_cast<std::size_t>(teachers_.count() * lessonsPerDay_)));
    classWords_ = static_cast<int>(WordsForBits(static_cast<std::size_t>(klasses_.count() * lessonsPerDay_)));
}

bool DayVariants::AbortRequested() {
    auto& state = klasses_.state();
    if (control_.poll()) state.abortRequested = true;
    return state.abortRequested;
}

std::uint32_t DayVariants::BlockedMask(int klass) const {
    std::uint32_t mask = 0;
    const int day = klasses_.state().currentDay;
    for (int n = 1; n <= lessonsPerDay_; ++n)
        if (klasses_.SlotBlocked(klass, busySlot(day, n), -1)) mask |= 1u << (n - 1);
    return mask;
}

void DayVariants::PrepareBlocks(int klass) {
    auto& item = klasses_.at(klass);
    auto& day = item.dayArrangement;
    day.clear();
    item.hasLinks = false;
    blocks_.assign(1, Block{});
    for (int l = 0; l < item.lessonCount(); ++l) {
        auto& lesson = item.lesson(l);
        lesson.key = 0;
        const bool fixedWithHours = lesson.fixed && lesson.fixedHours > 0;
        const bool openWithEntry = !lesson.fixed && lesson.chosenEntry != 0 && lesson.chosenHours() > 0;
        if (!fixedWithHours && !openWithEntry) continue;
        const int key = static_cast<int>(blocks_.size());
        const int hours = lesson.hoursToday();
        lesson.key = static_cast<std::uint16_t>(key);
        blocks_.push_back(Block{l, hours, klasses_.BuildLinkSet(klass, l)});
        for (int h = 0; h < hours; ++h) day.queue.push_back(DayCell{key, l});
        if (fixedWithHours && lesson.fixedStart != 0)
            for (int n = lesson.fixedStart; n < lesson.fixedStart + hours && n <= lessonsPerDay_; ++n)
                day.at(n) = DayCell{key, l};
        if ((fixedWithHours || lesson.inGroup) && lesson.hasLinks()) item.hasLinks = true;
    }
    base_.assign(day.cells.begin(), day.cells.end());
}

bool DayVariants::OpenWindow(int klass, int start, int total, int& end) {
    auto& item = klasses_.at(klass);
    if (item.blockedToday == 0) {
        end = start + total - 1;
        return end <= lessonsPerDay_;
    }
    const int day = klasses_.state().currentDay;
    if (klasses_.SlotBlocked(klass, busySlot(day, start), -1)) return false;
    int open = 0;
    end = start - 1;
    while (open < total) {
        if (++end > lessonsPerDay_) return false;
        if (!klasses_.SlotBlocked(klass, busySlot(day, end), -1))
            ++open;
        else if (item.dayArrangement.at(end).key == DayCell::kFree)
            item.dayArrangement.at(end).key = DayCell::kBlocked;
    }
    return true;
}

int DayVariants::EnumerateDayVariants(int klass) {
    auto& item = klasses_.at(klass);
    PrepareBlocks(klass);
    item.dayVariants.clear();
    item.dayVariants.signatureWords = 2 * teacherWords_ + classWords_;
    item.teacherFlags.assign(static_cast<std::size_t>(teachers_.count()), 0);
    seen_.clear();
    const int keys = static_cast<int>(blocks_.size()) - 1;
    if (keys == 0 && !item.hasLinks) return 0;
    const int total = std::max(static_cast<int>(item.dayArrangement.queue.size()), item.todayHours);

    bool stopped = false;
    for (int start : item.startingLessons) {
        if (start <= 0 || stopped) break;
        std::copy(base_.begin(), base_.end(), item.dayArrangement.cells.begin());
        int end = 0;
        if (!OpenWindow(klass, start, total, end)) continue;
        if (!PlaceBlock(klass, 1, start, end)) continue;
        int key = 2;
        while (true) {
            if (key <= keys && PlaceBlock(klass, key, start, end)) {
                ++key;
                continue;
            }
            if (key > keys) {
                if (AbortRequested()) {
                    stopped = true;
                    break;
                }
                Record(klass, start, end);
            }
            // Move the last standing block on; when it cannot move, the one before.
            key = std::min(key, keys + 1) - 1;
            while (key >= 1 && !MoveBlock(klass, key, end)) --key;
            if (key < 1) break;
            ++key;
        }
    }
    // Blocks still standing after a stop leave the teachers' day.
    for (auto& teacher : teachers_)
        for (auto& cell : teacher.dayCells)
            if (cell != TRTITeacherItem::kClosedCell) cell = TRTITeacherItem::kFreeCell;
    if (stopped) return 0;
    return item.dayVariants.count() > 0 ? item.dayVariants.count() : -1;
}

void DayVariants::Put(int klass, int key, int start) {
    const Block& block = blocks_[static_cast<std::size_t>(key)];
    for (int n = start; n < start + block.hours; ++n) {
        klasses_.at(klass).dayArrangement.at(n) = DayCell{key, block.lesson};
        for (const auto& ref : block.links.teacherCopies) teachers_.at(ref.owner).dayCells[static_cast<std::size_t>(n)] = klass;
    }
}

void DayVariants::TakeOut(int klass, int key, int start) {
    const Block& block = blocks_[static_cast<std::size_t>(key)];
    for (int n = start; n < start + block.hours; ++n) {
        klasses_.at(klass).dayArrangement.at(n) = DayCell{};
        for (const auto& ref : block.links.teacherCopies)
            teachers_.at(ref.owner).dayCells[static_cast<std::size_t>(n)] = TRTITeacherItem::kFreeCell;
    }
}

bool DayVariants::TryFrom(int klass, int key, int from, int to) {
    const Block& block = blocks_[static_cast<std::size_t>(key)];
    for (int s = from; s <= to - block.hours + 1; ++s)
        if (klasses_.CanPlaceBlock(klass, block.lesson, block.links, s, block.hours)) {
            Put(klass, key, s);
            return true;
        }
    return false;
}

bool DayVariants::PlaceBlock(int klass, int key, int from, int to) {
    const Block& block = blocks_[static_cast<std::size_t>(key)];
    const auto& lesson = klasses_.at(klass).lesson(block.lesson);
    if (lesson.fixed && lesson.fixedStart != 0)
        return lesson.fixedStart >= from && lesson.fixedStart + block.hours - 1 <= to;
    return TryFrom(klass, key, from, to);
}

bool DayVariants::MoveBlock(int klass, int key, int to) {
    const Block& block = blocks_[static_cast<std::size_t>(key)];
    const auto& lesson = klasses_.at(klass).lesson(block.lesson);
    if (lesson.fixed && lesson.fixedStart != 0) return false;
    int old = 0;
    for (int n = 1; n <= lessonsPerDay_ && old == 0; ++n)
        if (klasses_.at(klass).dayArrangement.at(n).key == key) old = n;
    if (old == 0) return false;
    TakeOut(klass, key, old);
    return TryFrom(klass, key, old + 1, to);
}

void DayVariants::Record(int klass, int start, int end) {
    auto& item = klasses_.at(klass);
    const auto& state = klasses_.state();
    const auto& day = item.dayArrangement;
    std::vector<std::uint64_t> signature(static_cast<std::size_t>(item.dayVariants.signatureWords), 0);
    std::uint64_t* teacherBits = signature.data();
    std::uint64_t* roomBits = teacherBits + teacherWords_;
    std::uint64_t* classBits = roomBits + teacherWords_;

    bool fictiveSeen = false;
    bool plainSeen = false;
    bool fictiveClosing = false;  // fictive groups now stand at the end of the day
    for (int n = start; n <= end;) {
        const DayCell cell = day.at(n);
        if (cell.key <= 0) {
            ++n;
            continue;
        }
        const auto& lesson = item.lesson(cell.lesson);
        const int hours = std::max(1, lesson.hoursToday());
        const int last = n + hours - 1;
        if (lesson.hasFictive && !lesson.fixed && n != start && last != end) return;
        if (fictiveClosing && !lesson.hasFictive) return;
        if (lesson.hasFictive && fictiveSeen && plainSeen) fictiveClosing = true;
        (lesson.hasFictive ? fictiveSeen : plainSeen) = true;

        if (state.considerSeparatedHours && lesson.isSeparated()) {
            for (int neighbour : {n - 1, last + 1}) {
                if (neighbour < start || neighbour > end) continue;
                const DayCell other = day.at(neighbour);
                if (other.key <= 0) continue;
                const auto& parent = item.lesson(other.lesson);
                if (parent.id == lesson.id - kSeparatedIdOffset && !(parent.fixed && lesson.fixed)) return;
            }
        }

        if (lesson.fixed || lesson.inGroup) {
            const LinkSet links = klasses_.BuildLinkSet(klass, cell.lesson);
            // Linked lessons are recorded once, by the class with the smallest index.
            const bool recordedElsewhere = std::any_of(links.klassLessons.begin() + 1, links.klassLessons.end(),
                                                       [klass](const LessonRef& r) { return r.owner < klass; });
            if (!recordedElsewhere) {
                const bool roomsShared = state.considerAttachedRooms && lesson.noAttachedRoom == 0;
                for (int t = n; t <= last; ++t) {
                    for (const auto& ref : links.klassLessons) SetRowBit(classBits, ref.owner * lessonsPerDay_ + t - 1);
                    for (const auto& ref : links.teacherCopies) {
                        SetRowBit(teacherBits, ref.owner * lessonsPerDay_ + t - 1);
                        if (!roomsShared) continue;
                        SetRowBit(roomBits, ref.owner * lessonsPerDay_ + t - 1);
                        if (!lesson.fixed)
                            for (int p : teachers_.at(ref.owner).partners) SetRowBit(roomBits, p * lessonsPerDay_ + t - 1);
                    }
                }
                for (const auto& ref : links.teacherCopies) item.teacherFlags[static_cast<std::size_t>(ref.owner)] = 1;
            }
        }
        n = last + 1;
    }
    const std::uint32_t blocked = BlockedMask(klass);
    for (int n = 1; n <= lessonsPerDay_; ++n)
        if ((blocked >> (n - 1)) & 1u) SetRowBit(classBits, klass * lessonsPerDay_ + n - 1);
    const DayWindow window = item.hasLinks ? DayWindow{static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(end)}
                                           : DayWindow{};

    std::vector<std::uint64_t> seenKey = signature;
    seenKey.push_back((std::uint64_t{window.start} << 16) | window.end);
    if (!seen_.insert(std::move(seenKey)).second) return;
    auto& table = item.dayVariants;
    table.signatures.insert(table.signatures.end(), signature.begin(), signature.end());
    table.windows.push_back(window);
    table.positions.emplace_back(day.cells.begin() + 1, day.cells.begin() + 1 + lessonsPerDay_);
}

bool DayVariants::WithinWindow(int klass, std::uint32_t bits, DayWindow window) const {
    const std::uint32_t blocked = BlockedMask(klass);
    if (bits == 0) return true;
    int last = LastLesson(bits);
    while (last >= 1 && ((blocked >> (last - 1)) & 1u)) --last;
    if (last < 1) return true;
    int first = FirstLesson(bits);
    while (first < last && ((blocked >> (first - 1)) & 1u)) ++first;
    return first >= window.start && last <= window.end;
}

bool DayVariants::Compatible(int klassX, int i, int klassY, int k) const {
    const auto& x = klasses_.at(klassX);
    const auto& y = klasses_.at(klassY);
    const std::uint64_t* a = x.dayVariants.signature(i);
    const std::uint64_t* b = y.dayVariants.signature(k);
    if (!DisjointWords(a, b, x.dayVariants.signatureWords)) return false;

    for (int u = 0; u < teachers_.count(); ++u) {
        if (!x.teacherFlags[static_cast<std::size_t>(u)] && !y.teacherFlags[static_cast<std::size_t>(u)]) continue;
        const std::uint32_t bits = ReadRow(a, u * lessonsPerDay_, lessonsPerDay_) | ReadRow(b, u * lessonsPerDay_, lessonsPerDay_);
        if (bits == 0) continue;
        const int first = FirstLesson(bits);
        const int last = LastLesson(bits);
        const auto& teacher = teachers_.at(u);
        int closed = 0;
        for (int n = first + 1; n < last; ++n)
            if (teacher.dayCells[static_cast<std::size_t>(n)] == TRTITeacherItem::kClosedCell) ++closed;
        if (teacher.fixedToday + teacher.maxFree < last - first + 1 - closed) return false;
    }

    const DayWindow wx = x.dayVariants.windows[static_cast<std::size_t>(i - 1)];
    const DayWindow wy = y.dayVariants.windows[static_cast<std::size_t>(k - 1)];
    if (wx.start != 0 && wy.start != 0) {
        const int classOffset = 2 * teacherWords_;
        for (auto [klass, window] : {std::pair{klassX, wx}, std::pair{klassY, wy}}) {
            const std::uint32_t bits = ReadRow(a + classOffset, klass * lessonsPerDay_, lessonsPerDay_) |
                                       ReadRow(b + classOffset, klass * lessonsPerDay_, lessonsPerDay_);
            if (!WithinWindow(klass, bits, window)) return false;
        }
    }
    return true;
}

bool DayVariants::ComputeCompatibility(std::span<const int> order, std::span<const int> rowStart, int position) {
    const int klassX = order[static_cast<std::size_t>(position)];
    auto& table = klasses_.at(klassX).dayVariants;
    int bits = 0;
    for (std::size_t j = 1; j < order.size(); ++j) bits += klasses_.at(order[j]).dayVariants.count();
    table.rowWords = static_cast<int>(WordsForBits(static_cast<std::size_t>(bits)));
    table.compatibility.assign(static_cast<std::size_t>(table.count() * table.rowWords), 0);
    for (int i = 1; i <= table.count(); ++i) {
        std::uint64_t* row = table.compatibilityRow(i);
        for (std::size_t j = static_cast<std::size_t>(position) + 1; j < order.size(); ++j) {
            const int klassY = order[j];
            for (int k = 1; k <= klasses_.at(klassY).dayVariants.count(); ++k)
                if (Compatible(klassX, i, klassY, k)) SetRowBit(row, rowStart[j] + k - 1);
        }
        if (AbortRequested()) return false;
    }
    return true;
}

void DayVariants::PassStartToLinks(const PlanningLesson& lesson, int klass, int lessonIndex, int start, int hours) {
    if (!lesson.hasLinks()) return;
    const LinkSet links = klasses_.BuildLinkSet(klass, lessonIndex);
    for (std::size_t i = 1; i < links.klassLessons.size(); ++i) {
        auto& linked = klasses_.at(links.klassLessons[i].owner).lesson(links.klassLessons[i].lesson);
        linked.plannedStart = static_cast<std::uint16_t>(start);
        linked.fixedStart = static_cast<std::uint16_t>(start);
        linked.fixedHours = static_cast<std::uint16_t>(hours);
    }
}

void DayVariants::ApplyDayVariant(int klass, int variant) {
    auto& item = klasses_.at(klass);
    const auto& positions = item.dayVariants.positions[static_cast<std::size_t>(variant - 1)];
    for (int n = 1; n <= lessonsPerDay_; ++n) item.dayArrangement.at(n) = positions[static_cast<std::size_t>(n - 1)];
    for (int n = 1; n <= lessonsPerDay_;) {
        const DayCell cell = item.dayArrangement.at(n);
        if (cell.key <= 0) {
            ++n;
            continue;
        }
        auto& lesson = item.lesson(cell.lesson);
        int start = 0;
        int hours = 0;
        if (lesson.fixed) {
            lesson.plannedStart = 0;
            start = lesson.fixedStart;
            hours = lesson.fixedHours;
        } else {
            lesson.plannedStart = static_cast<std::uint16_t>(lesson.inGroup ? n : 0);
            start = lesson.plannedStart;
            hours = lesson.chosenHours();
        }
        PassStartToLinks(lesson, klass, cell.lesson, start, hours);
        n += std::max(1, hours);
    }
}

void DayVariants::ResetPlannedStarts(int klass) {
    auto& item = klasses_.at(klass);
    item.dayArrangement.clear();
    for (int l = 0; l < item.lessonCount(); ++l) {
        auto& lesson = item.lesson(l);
        lesson.plannedStart = 0;
        PassStartToLinks(lesson, klass, l, lesson.fixed ? lesson.fixedStart : 0,
                         lesson.fixed ? lesson.fixedHours : lesson.chosenHours());
    }
}

}  // namespace lovaris
