#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "../common/BusySlots.h"
#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "RecordCollection.h"

namespace lovaris {

struct TRoomItem {
    static constexpr std::size_t kRecordSize = 188;
    static constexpr std::size_t kMaxName = 31;

    std::int32_t id = 0;
    std::string name;
    std::uint16_t seats = 30;
    std::uint16_t maxGroups = 1;
    std::uint8_t specialization = 0;
    std::uint8_t generalUse = 1;  // 0: strictly specialized
    ByteBusyTable busy;

    std::string displayName() const;
    void setName(std::string_view text);

    void write(ByteWriter& w) const;
    static TRoomItem read(ByteReader& r);
    bool operator==(const TRoomItem&) const = default;
};

class TRoomsCollection : public RecordCollection<TRoomItem> {
public:
    // Per busy slot 1..144, how many rooms are available then.
    std::array<std::uint16_t, kBusySlots> CountFreeRooms() const;
};

}  // namespace lovaris
