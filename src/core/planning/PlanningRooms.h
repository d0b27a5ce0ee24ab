#pragma once
// The planning copy of the project's rooms: the records in project order (a room's
// index is its position) and, per busy slot, how many rooms are available then.
#include <array>
#include <cstdint>

#include "../data/TRoomItem.h"

namespace lovaris {

class PlanningRooms {
public:
    PlanningRooms() = default;
    explicit PlanningRooms(const TRoomsCollection& rooms) : rooms_(rooms), freeRooms_(rooms.CountFreeRooms()) {}

    int count() const { return rooms_.count(); }
    const TRoomItem& at(int index) const { return rooms_.at(index); }
    const TRoomsCollection& records() const { return rooms_; }
    // -1 for an ID the project no longer has.
    int indexOfId(std::int32_t id) const { return id < 0 ? -1 : rooms_.indexOfId(id); }
    std::uint16_t freeRoomsAt(int slot) const {
        return validBusySlot(slot) ? freeRooms_[static_cast<std::size_t>(slot - 1)] : 0;
    }

private:
    TRoomsCollection rooms_;
    std::array<std::uint16_t, kBusySlots> freeRooms_{};
};

}  // namespace lovaris
