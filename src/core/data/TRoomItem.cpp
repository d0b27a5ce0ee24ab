#include "TRoomItem.h"

#include "../common/Cp1251.h"
#include "../common/StringTable.h"

namespace lovaris {

std::string TRoomItem::displayName() const { return name.empty() ? LoadResText(TextId::RoomPlaceholder) : name; }

void TRoomItem::setName(std::string_view text) { name = utf8Left(text, kMaxName); }

void TRoomItem::write(ByteWriter& w) const {
    w.i32(id);
    w.cstring(displayName(), 32);
    w.u16(seats);
    w.u16(maxGroups);
    w.u8(specialization);
    w.u8(generalUse);
    for (auto b : busy.raw()) w.u8(b);
    w.zeros(2);
}

TRoomItem TRoomItem::read(ByteReader& r) {
    TRoomItem room;
    room.id = r.i32();
    room.name = r.cstring(32);
    room.seats = r.u16();
    room.maxGroups = r.u16();
    room.specialization = r.u8();
    room.generalUse = r.u8();
    for (auto& b : room.busy.raw()) b = r.u8();
    r.skip(2);
    return room;
}

std::array<std::uint16_t, kBusySlots> TRoomsCollection::CountFreeRooms() const {
    std::array<std::uint16_t, kBusySlots> free{};
    for (const auto& room : items())
        for (int slot = 1; slot <= kBusySlots; ++slot)
            if (room.busy.get(slot) == 0) ++free[static_cast<std::size_t>(slot - 1)];
    return free;
}

}  // namespace lovaris
