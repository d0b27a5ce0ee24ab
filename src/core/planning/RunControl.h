#pragma once
// How a long run lets its caller in: poll() is called wherever the run may pause
// for the caller's events, and returns true when the caller wants the run to stop.
// Just before such a poll the run also asks sliceOver(): true sends the run back
// to its caller at once with a "slice over" event, keeping its place; the next call
// carries on from there, so a window can drive the run in short slices from its
// event loop. The answer never changes what the run finds.
namespace lovaris {

class RunControl {
public:
    virtual ~RunControl() = default;
    virtual bool poll() = 0;
    virtual bool sliceOver() { return false; }
};

// A run nobody interrupts.
class UninterruptedRun : public RunControl {
public:
    bool poll() override { return false; }
};

}  // namespace lovaris
