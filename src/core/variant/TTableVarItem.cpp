#include "TTableVarItem.h"

#include <algorithm>

#include "../common/BusySlots.h"

namespace lovaris {

void TTableVarItem::Create(VariantCatalog catalog) {
    catalog_ = std::move(catalog);
    classCount_ = catalog_.classCount();
    lessonsPerDay_ = std::clamp(catalog_.lessonsPerDay, 0, kMaxLessonsPerDay);
    roomCount_ = catalog_.roomCount();
    const auto lessonSlots = static_cast<std::size_t>(classCount_ * kVariantDays * lessonsPerDay_);
    clean_.assign(lessonSlots, LessonSlot::Empty());
    draft_.assign(lessonSlots, LessonSlot::Empty());
    rooms_.assign(static_cast<std::size_t>(roomCount_ * kVariantDays * lessonsPerDay_), RoomSlot::Free());
    roomTracking_ = true;
    created_ = true;
}

void TTableVarItem::Destroy() { *this = TTableVarItem{}; }

bool TTableVarItem::Assign(const TTableVarItem& other) {
    if (classCount_ != other.classCount_ || lessonsPerDay_ != other.lessonsPerDay_ || roomCount_ != other.roomCount_)
        return false;
    clean_ = other.clean_;
    draft_ = other.draft_;
    rooms_ = other.rooms_;
    return true;
}

LessonSlot TTableVarItem::GetCleanSlot(int klass, int day, int lesson) const {
    return validSlot(klass, day, lesson) ? clean_[slotIndex(klass, day, lesson)] : LessonSlot::Empty();
}

LessonSlot TTableVarItem::GetDraftSlot(int klass, int day, int lesson) const {
    return validSlot(klass, day, lesson) ? draft_[slotIndex(klass, day, lesson)] : LessonSlot::Empty();
}

void TTableVarItem::SetDraftSlot(int klass, int day, const LessonSlot& slot, int lesson) {
    if (validSlot(klass, day, lesson)) draft_[slotIndex(klass, day, lesson)] = slot;
}

void TTableVarItem::SetCleanSlot(int klass, int day, const LessonSlot& slot, int lesson) {
    if (!validSlot(klass, day, lesson)) return;
    clean_[slotIndex(klass, day, lesson)] = slot;
    if (roomTracking_) trackRooms(klass, day, slot, lesson);
}

// A class has one lesson at an hour, so every room it held then and the slot no
// longer names is freed: rewriting a subgroup with another room must not leave the
// old room looking occupied.
void TTableVarItem::trackRooms(int klass, int day, const LessonSlot& slot, int lesson) {
    for (int r = 0; r < roomCount_; ++r) {
        RoomSlot& held = rooms_[roomIndex(r, day, lesson)];
        if (held.classIndex == klass) held.classIndex = -1;
    }
    if (!slot.occupied()) return;
    const int subgroups = std::min(catalog_.subgroupCount(klass, slot.lessonIndex), kSlotRooms);
    for (int k = 0; k < subgroups; ++k) {
        const int room = slot.rooms[static_cast<std::size_t>(k)];
        if (room == kNoRoom || room >= roomCount_) continue;
        rooms_[roomIndex(room, day, lesson)] = RoomSlot{klass, static_cast<std::uint16_t>(slot.lessonIndex),
                                                        static_cast<std::uint16_t>(k)};
    }
}

RoomSlot TTableVarItem::GetRoomSlot(int room, int day, int lesson) const {
    return validRoom(room, day, lesson) ? rooms_[roomIndex(room, day, lesson)] : RoomSlot::Free();
}

void TTableVarItem::SetRoomSlot(int room, int day, const RoomSlot& slot, int lesson) {
    if (validRoom(room, day, lesson)) rooms_[roomIndex(room, day, lesson)] = slot;
}

void TTableVarItem::ClearDay(int day) {
    for (int c = 0; c < classCount_; ++c)
        for (int n = 1; n <= lessonsPerDay_; ++n) {
            SetCleanSlot(c, day, LessonSlot::Empty(), n);
            SetDraftSlot(c, day, LessonSlot::Empty(), n);
        }
}

void TTableVarItem::ClearRoomsOfDay(int day) {
    for (int c = 0; c < classCount_; ++c)
        for (int n = 1; n <= lessonsPerDay_; ++n) {
            LessonSlot slot = GetCleanSlot(c, day, n);
            slot.clearRooms();
            SetCleanSlot(c, day, slot, n);
        }
}

void TTableVarItem::RebuildRoomGrid() {
    std::fill(rooms_.begin(), rooms_.end(), RoomSlot::Free());
    for (int d = 1; d <= kVariantDays; ++d)
        for (int n = 1; n <= lessonsPerDay_; ++n)
            for (int c = 0; c < classCount_; ++c) SetCleanSlot(c, d, GetCleanSlot(c, d, n), n);
}

bool TTableVarItem::IsDayEmpty(int day) const {
    for (int c = 0; c < classCount_; ++c)
        for (int n = 1; n <= lessonsPerDay_; ++n)
            if (GetCleanSlot(c, day, n).occupied() || GetDraftSlot(c, day, n).occupied()) return false;
    return true;
}

int TTableVarItem::FirstEmptyDraftNumber(int klass, int day) const {
    for (int n = 1; n <= lessonsPerDay_; ++n)
        if (!GetDraftSlot(klass, day, n).occupied()) return n;
    return 0;
}

void TTableVarItem::CloseDraftGaps(int klass, int day) {
    if (!validSlot(klass, day, 1)) return;
    int next = 1;
    for (int n = 1; n <= lessonsPerDay_; ++n) {
        LessonSlot slot = GetDraftSlot(klass, day, n);
        if (!slot.occupied()) continue;
        if (n != next) {
            if (slot.prevPosition >= 0) slot.prevPosition = next - 1;
            SetDraftSlot(klass, day, slot, next);
            SetDraftSlot(klass, day, LessonSlot::Empty(), n);
        }
        ++next;
    }
}

void TTableVarItem::RemoveDraftHour(int klass, int day, int number) {
    if (!validSlot(klass, day, number)) return;
    for (int n = number; n < lessonsPerDay_; ++n) {
        LessonSlot slot = GetDraftSlot(klass, day, n + 1);
        if (slot.occupied() && slot.prevPosition >= 0) slot.prevPosition = n - 1;
        SetDraftSlot(klass, day, slot, n);
    }
    SetDraftSlot(klass, day, LessonSlot::Empty(), lessonsPerDay_);
}

int TTableVarItem::CountLessonHoursOnDay(int klass, int lessonIndex, int day) const {
    return CountLessonHoursInClean(klass, lessonIndex, day) + CountLessonHoursInDraft(klass, lessonIndex, day);
}

int TTableVarItem::CountLessonHoursInClean(int klass, int lessonIndex, int day) const {
    int first = 0;
    return CountLessonHoursInClean(klass, lessonIndex, day, first);
}

int TTableVarItem::CountLessonHoursInClean(int klass, int lessonIndex, int day, int& firstNumber) const {
    firstNumber = 0;
    int count = 0;
    for (int n = 1; n <= lessonsPerDay_; ++n) {
        const LessonSlot slot = GetCleanSlot(klass, day, n);
        if (!slot.occupied() || slot.lessonIndex != lessonIndex) continue;
        if (count++ == 0) firstNumber = n;
    }
    return count;
}

int TTableVarItem::CountLessonHoursInDraft(int klass, int lessonIndex, int day) const {
    int count = 0;
    for (int n = 1; n <= lessonsPerDay_; ++n) {
        const LessonSlot slot = GetDraftSlot(klass, day, n);
        if (slot.occupied() && slot.lessonIndex == lessonIndex) ++count;
    }
    return count;
}

ClassLessonCounts TTableVarItem::CountClassLessons(int klass, int day) const {
    ClassLessonCounts counts;
    const int first = day == 0 ? 1 : day;
    const int last = day == 0 ? kVariantDays : day;
    for (int d = first; d <= last; ++d) {
        counts.draft += CountClassDraftLessons(klass, d);
        counts.clean += CountClassCleanLessons(klass, d);
    }
    return counts;
}

int TTableVarItem::CountClassCleanLessons(int klass, int day) const {
    int count = 0;
    for (int n = 1; n <= lessonsPerDay_; ++n) count += GetCleanSlot(klass, day, n).occupied() ? 1 : 0;
    return count;
}

int TTableVarItem::CountClassDraftLessons(int klass, int day) const {
    int count = 0;
    for (int n = 1; n <= lessonsPerDay_; ++n) count += GetDraftSlot(klass, day, n).occupied() ? 1 : 0;
    return count;
}

}  // namespace lovaris
