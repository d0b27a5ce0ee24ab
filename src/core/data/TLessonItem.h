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

// A subgroup of another lesson taught together with this one.
struct LessonLink {
    std::int32_t lessonId = -1;
    std::int32_t subgroup = 0;  // from 0
    bool operator==(const LessonLink&) const = default;
};

struct TLessonSubItem {
    static constexpr std::size_t kRecordSize = 84;
    static constexpr std::size_t kMaxLinks = 5;
    static constexpr std::size_t kMaxFictiveRoom = 31;

    std::int32_t subject = -1;
    std::int32_t teacher = -1;  // none: a fictive group in planning
    std::uint16_t children = 30;
    std::vector<LessonLink> links;
    std::string fictiveRoom;

    // Ignored for a negative lesson ID, a pair already present or a sixth link.
    void addLink(LessonLink link);
    void removeLink(LessonLink link);
    LessonLink linkAt(int n) const;  // n from 1; lesson ID -1 past the end
    bool hasLinkTo(std::int32_t lessonId, std::int32_t subgroup) const;
    void setFictiveRoom(std::string_view text);
    bool isEmpty() const { return subject == -1 && teacher == -1; }

    void write(ByteWriter& w) const;
    static TLessonSubItem read(ByteReader& r);
    bool operator==(const TLessonSubItem&) const = default;
};

// The 21 hour entries hold the spread from the front (day blocks, non-decreasing,
// ended by 0) and the separated hours from the back (entry 21 downward, ended by 0).
struct TLessonItem {
    static constexpr std::size_t kRecordSize = 204;
    static constexpr std::size_t kRecordSizeV12 = 200;  // versions 1.0..1.2 have no noAttachedRoom
    static constexpr std::size_t kHourEntries = 21;
    // The two lists share the entries with a 0 between them.
    static constexpr std::size_t kMaxHourValues = 20;
    static constexpr int kMaxSubgroups = 5;

    std::int32_t id = 0;
    std::int32_t klass = -1;
    std::array<std::uint16_t, kHourEntries> hourEntries{};
    std::uint8_t noAttachedRoom = 0;
    ByteBusyTable busy;
    std::vector<TLessonSubItem> subgroups{TLessonSubItem{}};

    std::vector<int> spread() const;
    std::vector<int> separatedHours() const;  // from entry 21 downward
    bool hasSeparatedHours() const { return hourEntries[kHourEntries - 1] != 0; }
    int weeklyHours() const;

    // Both false when the two lists would not fit in the entries together.
    bool setSpread(const std::vector<int>& values);
    bool setSeparatedHours(const std::vector<int>& valuesFromEntry21);
    static bool hourListsFit(std::size_t spreadCount, std::size_t separatedCount) {
        return spreadCount + separatedCount <= kMaxHourValues;
    }

    int subgroupCount() const { return static_cast<int>(subgroups.size()); }
    // Discards every subgroup and creates n new ones (n kept within 1..5).
    void setSubgroupCount(int n);

    // A copy of the stored fields under another ID (the find dialog's copy command).
    TLessonItem copyAs(std::int32_t newId) const;

    std::size_t fileSize() const { return kRecordSize + subgroups.size() * TLessonSubItem::kRecordSize; }
    void write(ByteWriter& w) const;
    // Fails the reader on a subgroup count outside 1..5.
    static TLessonItem read(ByteReader& r, bool hasNoAttachedRoom);
    bool operator==(const TLessonItem&) const = default;

private:
    void storeHourLists(const std::vector<int>& spreadValues, const std::vector<int>& separatedValues);
};

class TLessonsCollection : public RecordCollection<TLessonItem> {
public:
    int MaxSubgroupCount() const;
    int TotalSubgroupCount() const;
};

}  // namespace lovaris
