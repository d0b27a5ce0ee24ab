#pragma once
// A run driven from a window's event loop: each call of the run lasts one slice,
// so many polls or so much time, whichever comes first, and then hands the window
// its turn. The run's findings do not depend on where its slices end.
#include <chrono>

#include "../planning/RunControl.h"

namespace lovaris {

// 0 means no limit of that kind; with neither, a slice lasts until the run's next event.
struct SliceLimit {
    int polls = 0;
    std::chrono::milliseconds time{0};
};

// What the window reports to the main window (0xB0D3) and does next.
enum class RunState : int {
    Running = 1,  // call again from the event loop
    Waiting = 2,  // a complete variant waits for "Продолжить" or "Прервать"
    Ended = 3,
};

class SlicedRunControl : public RunControl {
public:
    explicit SlicedRunControl(SliceLimit limit) : limit_(limit) {}
    void BeginSlice();
    // "Прервать": every poll from now on asks the run to stop.
    void RequestStop() { stopRequested_ = true; }
    bool poll() override;
    bool sliceOver() override;

private:
    using Clock = std::chrono::steady_clock;
    SliceLimit limit_;
    bool stopRequested_ = false;
    int polls_ = 0;
    Clock::time_point deadline_{};
};

}  // namespace lovaris
