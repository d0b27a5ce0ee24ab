#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "../common/BusySlots.h"
#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "RecordCollection.h"

namespace lovaris {

struct TKlassItem {
    static constexpr std::size_t kRecordSize = 304;
    static constexpr std::size_t kRecordSizeV10 = 300;  // files of version 1.0 have no stage
    static constexpr std::size_t kMaxName = 31;
    static constexpr std::size_t kMaxStartingLessons = 24;
    static constexpr std::size_t kMaxParallels = 10;

    std::int32_t id = 0;
    std::string name;
    std::array<std::uint8_t, 20> profileFlags{};  // specializations 1..20
    std::uint16_t children = 30;
    std::int32_t attachedRoom = -1;
    ByteBusyTable busy;
    std::vector<int> startingLessons;  // ascending, 1..24
    std::vector<std::int32_t> parallels;
    std::int32_t stage = 1;  // 0 junior, 1 middle, 2 senior

    std::string displayName() const;
    void setName(std::string_view text);

    // Specialization 0 (general) is always taught.
    std::uint8_t hasProfile(int specialization) const;

    // Values outside 1..24, values already present and a 25th value are ignored.
    void insertStartingLesson(int lesson);
    void removeStartingLesson(int lesson);
    int startingLessonAt(int n) const;  // n from 1; -1 past the end
    // Negative IDs, IDs already present and an 11th parallel are ignored.
    void appendParallel(std::int32_t klassId);
    void removeParallel(std::int32_t klassId);
    std::int32_t parallelAt(int n) const;  // n from 1; -1 past the end

    void write(ByteWriter& w) const;
    static TKlassItem read(ByteReader& r, bool hasStage);
    bool operator==(const TKlassItem&) const = default;
};

using TKlassesCollection = RecordCollection<TKlassItem>;

}  // namespace lovaris
