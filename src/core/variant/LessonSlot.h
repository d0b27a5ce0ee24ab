#pragma once
// The records of a variant's grids: one hour of a class (LessonSlot) and one hour
// of a room (RoomSlot). The same layout is used in memory and in the variant file.
#include <array>
#include <cstdint>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"

namespace lovaris {

inline constexpr std::uint16_t kNoRoom = 0xFFFF;
inline constexpr int kSlotRooms = 5;  // one room per subgroup

struct LessonSlot {
    static constexpr std::size_t kRecordSize = 24;

    // Lesson number the hour was written at; a moved block keeps its source numbers.
    std::uint16_t position = 0xFFFF;
    // 0 in memory; in a file, the class ID + 1 at (day 1, lesson 1) of every class.
    std::uint16_t classTag = 0xFFFF;
    // -1 for the first hour of a block, else the number of the hour before it.
    std::int32_t prevPosition = -1;
    // Index in the class's planning lesson list (in a file: the lesson ID); -1 empty.
    std::int32_t lessonIndex = -1;
    std::array<std::uint16_t, kSlotRooms> rooms{kNoRoom, kNoRoom, kNoRoom, kNoRoom, kNoRoom};
    // Bit s: the teacher of subgroup s + 1 carries the critical mark.
    std::uint16_t subgroupMask = 0;

    // What every clearing operation writes.
    static LessonSlot Empty() { return {}; }
    // The hour `number` of a block of `lessonIndex` starting at `start`.
    static LessonSlot BlockHour(std::int32_t lessonIndex, int start, int number) {
        LessonSlot s;
        s.position = static_cast<std::uint16_t>(number);
        s.classTag = 0;
        s.prevPosition = number == start ? -1 : number - 1;
        s.lessonIndex = lessonIndex;
        return s;
    }

    bool occupied() const { return lessonIndex >= 0; }
    void clearRooms() { rooms.fill(kNoRoom); }

    void write(ByteWriter& w) const {
        w.u16(position);
        w.u16(classTag);
        w.i32(prevPosition);
        w.i32(lessonIndex);
        for (auto room : rooms) w.u16(room);
        w.u16(subgroupMask);
    }
    static LessonSlot read(ByteReader& r) {
        LessonSlot s;
        s.position = r.u16();
        s.classTag = r.u16();
        s.prevPosition = r.i32();
        s.lessonIndex = r.i32();
        for (auto& room : s.rooms) room = r.u16();
        s.subgroupMask = r.u16();
        return s;
    }
    bool operator==(const LessonSlot&) const = default;
};

// Who uses a room at one hour; all bytes 0xFF when the room is free.
struct RoomSlot {
    static constexpr std::size_t kRecordSize = 8;

    std::int32_t classIndex = -1;
    std::uint16_t lessonIndex = 0xFFFF;
    std::uint16_t subgroupIndex = 0xFFFF;  // from 0

    static RoomSlot Free() { return {}; }
    bool isFree() const { return classIndex < 0; }
    bool operator==(const RoomSlot&) const = default;
};

}  // namespace lovaris
