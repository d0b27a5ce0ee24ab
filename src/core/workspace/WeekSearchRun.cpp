#include "WeekSearchRun.h"

namespace lovaris {

WeekSearchRun::WeekSearchRun(VariantWorkspace& workspace, SliceLimit limit)
    : workspace_(workspace), control_(limit), search_(workspace.session(), workspace.planning()) {}

WeekSearchEvent WeekSearchRun::Resume() {
    if (over_) return end_;
    control_.BeginSlice();
    const WeekSearchEvent event = search_.next(control_);
    if (event == WeekSearchEvent::SliceOver) return event;
    workspace_.SetVariantModified(true);
    if (event != WeekSearchEvent::TeacherDone) {
        over_ = true;
        end_ = event;
    }
    return event;
}

}  // namespace lovaris
