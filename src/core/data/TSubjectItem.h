#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "RecordCollection.h"

namespace lovaris {

struct TSubjectItem {
    static constexpr std::size_t kRecordSize = 116;
    static constexpr std::size_t kMaxName = 63;
    static constexpr std::size_t kMaxWishedRooms = 10;

    std::int32_t id = 0;
    std::string name;
    std::uint16_t sanitaryCoefficient = 5;
    std::uint8_t specialization = 0;
    std::uint8_t generalUse = 1;
    std::vector<std::int32_t> wishedRooms;  // first = most preferred

    std::string displayName() const;
    void setName(std::string_view text);

    // An ID already present, a negative ID or an 11th room is ignored; a position
    // at or past the end appends.
    void insertWishedRoom(int pos, std::int32_t roomId);
    void removeWishedRoom(std::int32_t roomId);
    std::int32_t wishedRoomAt(int pos) const;

    void write(ByteWriter& w) const;
    static TSubjectItem read(ByteReader& r);
    bool operator==(const TSubjectItem&) const = default;
};

using TSubjectsCollection = RecordCollection<TSubjectItem>;

}  // namespace lovaris
