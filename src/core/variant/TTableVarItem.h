#pragma once
// One week timetable: for every class, day (1..6) and lesson number (1..L) the
// lesson standing there in the clean copy and in the draft, and the room occupancy
// that the clean copy implies. Lessons are indexes in the class's planning lesson
// list, rooms indexes in the room copy (see VariantCatalog).
#include <cstdint>
#include <vector>

#include "LessonSlot.h"
#include "VariantCatalog.h"

namespace lovaris {

inline constexpr int kVariantDays = 6;

// Hours of a class's day in one layer.
struct ClassLessonCounts {
    int draft = 0;
    int clean = 0;
};

class TTableVarItem {
public:
    // Allocates the grids for the catalog's classes, lessons per day and rooms: every
    // lesson slot empty, every room free, room tracking on.
    void Create(VariantCatalog catalog);
    void Destroy();
    bool hasGrids() const { return created_; }
    // Copies the three grids when both variants have the same dimensions.
    bool Assign(const TTableVarItem& other);

    const VariantCatalog& catalog() const { return catalog_; }
    int classCount() const { return classCount_; }
    int lessonsPerDay() const { return lessonsPerDay_; }
    int roomCount() const { return roomCount_; }

    // Slot access. An index outside the grids reads as an empty slot or a free room
    // and is not written.
    LessonSlot GetCleanSlot(int klass, int day, int lesson) const;
    LessonSlot GetDraftSlot(int klass, int day, int lesson) const;
    void SetDraftSlot(int klass, int day, const LessonSlot& slot, int lesson);
    // Writes the slot and, while room tracking is on, moves the rooms the class uses
    // at that hour to the slot's rooms.
    void SetCleanSlot(int klass, int day, const LessonSlot& slot, int lesson);
    RoomSlot GetRoomSlot(int room, int day, int lesson) const;
    void SetRoomSlot(int room, int day, const RoomSlot& slot, int lesson);

    bool roomTracking() const { return roomTracking_; }
    void setRoomTracking(bool on) { roomTracking_ = on; }

    // Day-wide operations.
    void ClearDay(int day);
    void ClearRoomsOfDay(int day);
    void RebuildRoomGrid();
    bool IsDayEmpty(int day) const;

    // The draft of a class's day is packed from number 1 upward.
    // The first empty draft number, 0 when the draft of the day is full.
    int FirstEmptyDraftNumber(int klass, int day) const;
    // Moves the occupied draft hours up over the empty numbers, keeping their order.
    void CloseDraftGaps(int klass, int day);
    // Empties one draft hour and shifts the later hours of the day up by one.
    void RemoveDraftHour(int klass, int day, int number);

    // Queries over the grids.
    int CountLessonHoursOnDay(int klass, int lessonIndex, int day) const;
    int CountLessonHoursInClean(int klass, int lessonIndex, int day) const;
    // Also gives the first lesson number holding the lesson (0 if none).
    int CountLessonHoursInClean(int klass, int lessonIndex, int day, int& firstNumber) const;
    int CountLessonHoursInDraft(int klass, int lessonIndex, int day) const;
    // Day 0 counts days 1..6.
    ClassLessonCounts CountClassLessons(int klass, int day) const;
    int CountClassCleanLessons(int klass, int day) const;
    int CountClassDraftLessons(int klass, int day) const;

    // The three grids are equal (the catalogs are not compared).
    bool sameGrids(const TTableVarItem& other) const {
        return clean_ == other.clean_ && draft_ == other.draft_ && rooms_ == other.rooms_;
    }

private:
    bool validSlot(int klass, int day, int lesson) const {
        return klass >= 0 && klass < classCount_ && day >= 1 && day <= kVariantDays && lesson >= 1 &&
               lesson <= lessonsPerDay_;
    }
    bool validRoom(int room, int day, int lesson) const {
        return room >= 0 && room < roomCount_ && day >= 1 && day <= kVariantDays && lesson >= 1 &&
               lesson <= lessonsPerDay_;
    }
    std::size_t slotIndex(int klass, int day, int lesson) const {
        return static_cast<std::size_t>((klass * kVariantDays + day - 1) * lessonsPerDay_ + lesson - 1);
    }
    std::size_t roomIndex(int room, int day, int lesson) const {
        return static_cast<std::size_t>((room * kVariantDays + day - 1) * lessonsPerDay_ + lesson - 1);
    }
    void trackRooms(int klass, int day, const LessonSlot& slot, int lesson);

    VariantCatalog catalog_;
    int classCount_ = 0;
    int lessonsPerDay_ = 0;
    int roomCount_ = 0;
    std::vector<LessonSlot> clean_;  // class-major
    std::vector<LessonSlot> draft_;  // same shape
    std::vector<RoomSlot> rooms_;    // room-major
    bool roomTracking_ = true;
    bool created_ = false;
};

}  // namespace lovaris
