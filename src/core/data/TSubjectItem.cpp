#include "TSubjectItem.h"

#include <algorithm>

#include "../common/Cp1251.h"
#include "../common/StringTable.h"

namespace lovaris {

std::string TSubjectItem::displayName() const {
    return name.empty() ? LoadResText(TextId::SubjectPlaceholder) : name;
}

void TSubjectItem::setName(std::string_view text) { name = utf8Left(text, kMaxName); }

void TSubjectItem::insertWishedRoom(int pos, std::int32_t roomId) {
    if (roomId < 0 || wishedRooms.size() >= kMaxWishedRooms) return;
    if (std::find(wishedRooms.begin(), wishedRooms.end(), roomId) != wishedRooms.end()) return;
    if (pos < 0 || pos >= static_cast<int>(wishedRooms.size()))
        wishedRooms.push_back(roomId);
    else
        wishedRooms.insert(wishedRooms.begin() + pos, roomId);
}

void TSubjectItem::removeWishedRoom(std::int32_t roomId) { std::erase(wishedRooms, roomId); }

std::int32_t TSubjectItem::wishedRoomAt(int pos) const {
    return pos >= 0 && pos < static_cast<int>(wishedRooms.size()) ? wishedRooms[static_cast<std::size_t>(pos)] : -1;
}

void TSubjectItem::write(ByteWriter& w) const {
    w.i32(id);
    w.cstring(displayName(), 64);
    w.u16(sanitaryCoefficient);
    w.u8(specialization);
    w.u8(generalUse);
    for (std::size_t i = 0; i < kMaxWishedRooms + 1; ++i) w.i32(i < wishedRooms.size() ? wishedRooms[i] : -1);
}

TSubjectItem TSubjectItem::read(ByteReader& r) {
    TSubjectItem s;
    s.id = r.i32();
    s.name = r.cstring(64);
    s.sanitaryCoefficient = r.u16();
    s.specialization = r.u8();
    s.generalUse = r.u8();
    for (std::size_t i = 0; i < kMaxWishedRooms + 1; ++i) s.insertWishedRoom(static_cast<int>(kMaxWishedRooms), r.i32());
    return s;
}

}  // namespace lovaris
