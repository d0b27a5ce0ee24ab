#pragma once
// How the difficulty load of each class spreads over the six days of the variant
// (clean copy and draft alike): as a table and as one line chart per class.
#include <string>
#include <vector>

#include "../views/ViewContext.h"
#include "Report.h"

namespace lovaris {

// The classes a load report includes: every class marked alike includes them all.
using ClassMarks = std::vector<int>;  // one mark per class, 0 left out

struct TMedTableRpForm {
    static Report Build(const ViewContext& ctx, const ClassMarks& marks);
};

struct TMedChartRpForm {
    static Report Build(const ViewContext& ctx, const ClassMarks& marks);
};

// Every class, as the print dialog passes them.
ClassMarks AllClassesMarked(const ViewContext& ctx);
// A day load with one digit after the decimal comma.
std::string LoadText(double load);

}  // namespace lovaris
