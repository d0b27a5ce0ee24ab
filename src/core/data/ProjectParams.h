#pragma once
// The 208-byte parameters record at offset 20 of the project file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"

namespace lovaris {

enum class EditorKind : int { Rooms = 0, Subjects = 1, Classes = 2, Teachers = 3, Lessons = 4 };
inline constexpr int kEditorKinds = 5;

// Shown state of an editor window.
enum WindowState : std::int32_t { kWindowHidden = 0, kWindowNormal = 1, kWindowMaximized = 3, kWindowMinimized = 6 };

struct SectionHeader {
    std::int32_t count = 0;
    std::int32_t nextId = 0;
    std::int32_t byteSize = 0;  // lessons only
    bool operator==(const SectionHeader&) const = default;
};

struct ProjectParams {
    static constexpr std::size_t kSize = 208;
    static constexpr std::size_t kMaxDescription = 80;
    static constexpr std::size_t kMaxShiftStarts = 24;

    std::string description;
    std::uint16_t lessonsPerDay = 8;
    std::array<std::uint16_t, 25> shiftStarts{1};  // strictly ascending, ended by 0
    std::uint16_t classMinLessons = 4;
    std::uint16_t teacherMinLessons = 2;
    std::uint16_t reservedWord = 0;
    std::uint8_t reservedFlag = 1;
    std::array<std::int32_t, kEditorKinds> windowStates{1, 1, 1, 1, 1};
    std::array<SectionHeader, kEditorKinds> sections{};

    // The shift starts before the terminating 0.
    std::vector<int> shiftStartList() const;
    std::int32_t& windowState(EditorKind kind) { return windowStates[static_cast<std::size_t>(kind)]; }
    SectionHeader& section(EditorKind kind) { return sections[static_cast<std::size_t>(kind)]; }
    const SectionHeader& section(EditorKind kind) const { return sections[static_cast<std::size_t>(kind)]; }

    void write(ByteWriter& w) const;
    static ProjectParams read(ByteReader& r);
    bool operator==(const ProjectParams&) const = default;
};

}  // namespace lovaris
