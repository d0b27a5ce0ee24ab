#pragma once
// The whole school's week on paper: by classes, six classes and two days a page
// (landscape), and by teachers, a day at a time with every teacher's row.
#include "../views/ViewContext.h"
#include "Report.h"

namespace lovaris {

inline constexpr int kClassesPerGroup = 6;

struct TAllClsRpForm {
    static Report Build(const ViewContext& ctx);
};

struct TAllTchRpForm {
    static Report Build(const ViewContext& ctx);
};

}  // namespace lovaris
