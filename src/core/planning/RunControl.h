#pragma once
// How a long run lets its caller in: poll() is called wherever the run may pause
// for the caller's events, and returns true when the caller wants the run to stop.
namespace lovaris {

class RunControl {
public:
    virtual ~RunControl() = default;
    virtual bool poll() = 0;
};

// A run nobody interrupts.
class UninterruptedRun : public RunControl {
public:
    bool poll() override { return false; }
};

}  // namespace lovaris
