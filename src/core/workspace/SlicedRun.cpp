#include "SlicedRun.h"

namespace lovaris {

void SlicedRunControl::BeginSlice() {
    polls_ = 0;
    deadline_ = Clock::now() + limit_.time;
}

bool SlicedRunControl::poll() {
    ++polls_;
    return stopRequested_;
}

bool SlicedRunControl::sliceOver() {
    if (limit_.polls > 0 && polls_ >= limit_.polls) return true;
    return limit_.time.count() > 0 && Clock::now() >= deadline_;
}

}  // namespace lovaris
