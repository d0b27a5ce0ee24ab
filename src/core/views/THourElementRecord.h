#pragma once
// What one cell of a timetable grid shows: up to five sub-rows and five sub-columns
// given as percentages of the cell, a text per sub-cell and a state that colours the
// cell. The grid only draws these records; what goes into them is decided here in
// the core, one function per view.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lovaris {

enum class CellState : std::uint8_t {
    Plain = 0,
    YellowBackground = 1,  // a teacher's wish that the variant's wishes mode honours
    RedBackground = 2,     // closed at that hour
    GreenText = 3,         // header: everything placed, some of it still in the draft
    MaroonText = 4,        // header: hours left to place; lesson: the critical mark
};

// Texts that fill their sub-cell with a colour instead of being written.
inline constexpr std::string_view kFillRed = "HCS";
inline constexpr std::string_view kFillYellow = "SCS";
inline constexpr std::string_view kFillGrey = "GCS";
inline bool IsFillCode(std::string_view text) {
    return text == kFillRed || text == kFillYellow || text == kFillGrey;
}

struct THourElementRecord {
    static constexpr int kMaxParts = 5;

    // Percentages of the cell's height and width; the first 0 ends each list.
    std::array<std::int16_t, kMaxParts> subRowHeights{100, 0, 0, 0, 0};
    std::array<std::int16_t, kMaxParts> subColumnWidths{100, 0, 0, 0, 0};
    // Column by column: entry (column - 1) * 5 + (row - 1).
    std::array<std::string, kMaxParts * kMaxParts> texts{};
    CellState state = CellState::Plain;

    // Sub-cells are numbered from 1, as the lists are.
    std::string& text(int column, int row) { return texts[index(column, row)]; }
    const std::string& text(int column, int row) const { return texts[index(column, row)]; }
    int subRowCount() const { return listed(subRowHeights); }
    int subColumnCount() const { return listed(subColumnWidths); }

    // n sub-rows of round(100 / n) % each (n limited to 1..5).
    void SetEvenSubRows(int n);
    void SetSubColumns(std::initializer_list<std::int16_t> widths);

    bool operator==(const THourElementRecord&) const = default;

private:
    static std::size_t index(int column, int row) {
        return static_cast<std::size_t>((column - 1) * kMaxParts + (row - 1));
    }
    static int listed(const std::array<std::int16_t, kMaxParts>& parts);
};

}  // namespace lovaris
