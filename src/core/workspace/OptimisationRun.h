#pragma once
// The optimisation of the current day for the selected group, as the planning window
// runs it once the checks have passed: the window calls Resume() from its event loop
// (a zero-time timer) until the run has ended, and "Продолжить" and "Прервать" call
// Continue() and Abort(). Every complete variant the search hands over is marked in
// the variant; with automatic saving it is written under its generated name and the
// run goes on until the variant's maximum per day was saved, otherwise the run waits.
//
//   OptimisationRun run(workspace, SliceLimit{0, 20ms});   // 0xB0D3 (1)
//   on the timer:  RunProgress p = run.Resume();
//                  redraw when p.variantChanged; Running: timer again;
//                  Waiting: enable "Продолжить" (0xB0D3, 2); Ended: show endMessage(),
//                  open pendingVariantFile() when opensPendingFile() (0xB0DD), 0xB0D3 (3)
#include <optional>
#include <string>
#include <vector>

#include "../optimisation/Optimisation.h"
#include "SlicedRun.h"
#include "VariantWorkspace.h"

namespace lovaris {

struct RunProgress {
    RunState state = RunState::Running;
    bool variantChanged = false;  // the views show something new
};

class OptimisationRun {
public:
    // The run's flags start afresh and the run is in progress.
    OptimisationRun(VariantWorkspace& workspace, SliceLimit limit);
    // A run dropped before its end is aborted and taken to its end first. It works on
    // the workspace: drop the run before the workspace.
    ~OptimisationRun();
    OptimisationRun(const OptimisationRun&) = delete;
    OptimisationRun& operator=(const OptimisationRun&) = delete;

    // One slice: until the limit, the next variant or the end. A waiting run stays waiting.
    RunProgress Resume();
    // "Продолжить": a waiting run searches on.
    void Continue();
    // "Прервать" (and a close during the run): the run ends at its next poll.
    void Abort();

    RunState state() const { return state_; }
    // When the run has ended: the message to show, empty when there is none: the
    // search's outcome, or the system's message of an automatic save that failed.
    const std::string& endMessage() const { return endMessage_; }
    // With "find best" and automatic saving, the window opens the last variant saved
    // in place of the current one.
    bool opensPendingFile() const;
    // An automatic save failed and ended the run (endMessage() says which file).
    bool saveFailed() const { return saveFailed_; }
    const std::string& pendingVariantFile() const { return workspace_.state().pendingVariantFile; }
    // Every file saved automatically, in order.
    const std::vector<std::string>& savedFiles() const { return savedFiles_; }
    // The search, for its figures and the progress table.
    const Optimisation& search() const { return search_; }

private:
    RunProgress OnCompleteVariant();
    void SaveIntermediateVariant();
    void Finish();

    VariantWorkspace& workspace_;
    PlanningState& flags_;
    SlicedRunControl control_;
    Optimisation search_;
    RunState state_ = RunState::Running;
    std::string endMessage_;
    bool saveFailed_ = false;
    std::vector<std::string> savedFiles_;
    // With "find best": the last variant handed over. The search writes every complete
    // arrangement it examines, also the worse ones it does not hand over.
    std::optional<TTableVarItem> best_;
};

}  // namespace lovaris
