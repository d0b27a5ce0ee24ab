#pragma once
// Where a block of a lesson stands in the week: a day and the lesson number its hours
// start at (0: in the draft, or no number chosen yet).
namespace lovaris {

struct BlockPlace {
    int day = 0;       // 0: not placed
    int position = 0;  // 0: draft
    bool operator==(const BlockPlace&) const = default;
};

}  // namespace lovaris
