#pragma once
// Teacher groups: rows of teacher indexes that optimisation and the week variant
// search treat together. A row lists its teachers in order; empty rows may follow.
#include <span>
#include <vector>

namespace lovaris {

struct TeacherGroups {
    std::vector<std::vector<int>> rows;

    int rowCount() const { return static_cast<int>(rows.size()); }
    // An empty row for an index outside the matrix.
    std::span<const int> row(int index) const {
        if (index < 0 || index >= rowCount()) return {};
        return rows[static_cast<std::size_t>(index)];
    }
    bool rowContains(int index, int teacher) const {
        for (int t : row(index))
            if (t == teacher) return true;
        return false;
    }
    // The row holding the teacher, -1 when none.
    int rowOf(int teacher) const {
        for (int r = 0; r < rowCount(); ++r)
            if (rowContains(r, teacher)) return r;
        return -1;
    }
    bool operator==(const TeacherGroups&) const = default;
};

}  // namespace lovaris
