#pragma once
// The page "Нерасставленные уроки": for a class or a teacher, each lesson with blocks
// of its hour spread that stand on no day, and their sizes.
#include <string>
#include <vector>

#include "../views/ViewContext.h"

namespace lovaris {

struct UnplacedRow {
    std::string title;  // class: subjects joined by "/"; teacher: subject (classes)
    std::string sizes;  // the unplaced blocks' sizes joined by ", "
    int klass = -1;     // the class lesson a double click makes the focus
    int lesson = -1;
    bool operator==(const UnplacedRow&) const = default;
};

std::vector<UnplacedRow> UnplacedKlassRows(const ViewContext& ctx, int klass);
// The teacher's lessons as its lesson list has them, a linked lesson once.
std::vector<UnplacedRow> UnplacedTeacherRows(const ViewContext& ctx, int teacher);

}  // namespace lovaris
