#pragma once
// The options of a timetable variant, kept in the 112 bytes after the variant
// file's signature.
#include <cstdint>
#include <string>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"

namespace lovaris {

struct VariantOptions {
    static constexpr std::size_t kRecordSize = 112;
    static constexpr std::size_t kCommentField = 81;
    static constexpr std::size_t kMaxComment = 80;

    std::uint8_t regime = 1;       // reported to the main window when the variant is loaded
    std::uint8_t selectedDay = 1;  // the day shown when the variant was saved
    std::string comment;           // one line, at most 80 characters
    std::uint16_t maxVariantsPerDay = 10;
    std::uint16_t maxTeacherWindows = 1;
    // 1 every wish, 2 medium and high priority, 3 high priority only, 4 no wishes.
    std::uint16_t wishesMode = 2;
    std::uint16_t parallelWeight = 30;  // 0..100
    std::uint16_t sanitaryWeight = 30;
    std::uint16_t teacherBusyWeight = 40;
    std::int32_t classCount = 0;     // dimensions of the variant when it was saved
    std::int32_t lessonsPerDay = 0;

    // The options of a new variant for a project of these dimensions.
    static VariantOptions Defaults(int classCount, int lessonsPerDay);

    // The stored day, or Monday when it is no day of the week.
    int startingDay() const { return selectedDay >= 1 && selectedDay <= 6 ? selectedDay : 1; }
    // Line breaks become spaces and the text is cut to 80 characters.
    void setComment(std::string_view text);

    void write(ByteWriter& w) const;
    // Never fails on content: a comment without its NUL is taken up to 80 characters.
    static VariantOptions read(ByteReader& r);
    bool operator==(const VariantOptions&) const = default;
};

}  // namespace lovaris
