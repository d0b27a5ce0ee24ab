#pragma once
#include <cstdint>
#include <string>

#include "../common/BusySlots.h"
#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "RecordCollection.h"

namespace lovaris {

// Teacher busy values: the low byte is 1 for every slot that is not plainly free,
// the high byte the wish priority (1 high, 2 medium, 3 low; 0 not available).
enum TeacherBusyValue : std::int16_t {
    kTeacherFree = 0,
    kTeacherBusy = 1,
    kTeacherWishHigh = 257,
    kTeacherWishMedium = 513,
    kTeacherWishLow = 769,
};

struct TTeacherItem {
    static constexpr std::size_t kRecordSize = 432;
    static constexpr std::size_t kRecordSizeV11 = 428;  // versions 1.0 and 1.1 have no planned hours
    static constexpr std::size_t kMaxName = 127;

    std::int32_t id = 0;
    std::string name;
    std::int32_t attachedRoom = -1;
    std::int32_t freeDays = 0;
    std::int32_t plannedHours = 0;
    TeacherBusyTable busy;

    std::string displayName() const;
    void setName(std::string_view text);

    // A slot at which the teacher can teach: free, or only a wish not to.
    static bool canTeachValue(std::int16_t value) {
        const auto v = static_cast<std::uint16_t>(value);
        return (v & 0xFF) == 0 || (v >> 8) != 0;
    }
    bool canTeach(int slot) const { return canTeachValue(busy.get(slot)); }

    void write(ByteWriter& w) const;
    static TTeacherItem read(ByteReader& r, bool hasPlannedHours);
    bool operator==(const TTeacherItem&) const = default;
};

using TTeachersCollection = RecordCollection<TTeacherItem>;

}  // namespace lovaris
