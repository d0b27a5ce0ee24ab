#pragma once
// The printed week of one class, and of one teacher, from the variant's clean copy.
#include "../views/ViewContext.h"
#include "Report.h"

namespace lovaris {

struct TClassTableRpForm {
    static Report Build(const ViewContext& ctx, int klass, bool shortForm);
};

struct TTeacherTableRpForm {
    static Report Build(const ViewContext& ctx, int teacher, bool shortForm);
};

}  // namespace lovaris
