#include "OptimisationRun.h"

#include "../common/MessageFormat.h"
#include "VariantNames.h"

namespace lovaris {

OptimisationRun::OptimisationRun(VariantWorkspace& workspace, SliceLimit limit)
    : workspace_(workspace),
      flags_(workspace.state()),
      control_(limit),
      search_(workspace.session().klasses(), workspace.planning(), control_) {
    flags_.foundCount = 0;
    flags_.pendingVariantFile.clear();
    flags_.abortRequested = false;
    flags_.runInProgress = true;
    flags_.waitingForContinue = false;
}

OptimisationRun::~OptimisationRun() {
    if (state_ == RunState::Ended) return;
    Abort();
    while (Resume().state != RunState::Ended) {
    }
}

RunProgress OptimisationRun::Resume() {
    if (state_ != RunState::Running) return {state_, false};
    control_.BeginSlice();
    switch (search_.next()) {
        case OptimisationEvent::SliceOver:
            return {RunState::Running, false};
        case OptimisationEvent::BetterIncomplete:
            workspace_.SetVariantModified(true);
            flags_.waitingForContinue = false;
            return {RunState::Running, true};
        case OptimisationEvent::CompleteVariant:
            return OnCompleteVariant();
        case OptimisationEvent::End:
            break;
    }
    Finish();
    return {RunState::Ended, true};
}

RunProgress OptimisationRun::OnCompleteVariant() {
    workspace_.SetVariantModified(true);
    if (flags_.findBestVariant) best_ = workspace_.variant();
    if (flags_.autoSaveVariants) {
        SaveIntermediateVariant();
        return {RunState::Running, true};
    }
    state_ = RunState::Waiting;
    return {RunState::Waiting, true};
}

void OptimisationRun::SaveIntermediateVariant() {
    const std::string name = AutoSaveVariantName(workspace_.currentDay(), flags_.foundCount, flags_.runInProgress);
    const FileOutcome saved = workspace_.SaveVariantNamed(name);
    if (!saved.ok) {
        // The run stops with the save's message; the last file written stays the pending one.
        endMessage_ = saved.message;
        saveFailed_ = true;
        Abort();
        return;
    }
    flags_.pendingVariantFile = workspace_.fileName();
    savedFiles_.push_back(workspace_.fileName());
    if (flags_.foundCount < workspace_.options().maxVariantsPerDay)
        Continue();
    else
        Abort();
}

void OptimisationRun::Continue() {
    if (!flags_.runInProgress) return;
    flags_.waitingForContinue = false;
    if (state_ == RunState::Waiting) state_ = RunState::Running;
}

void OptimisationRun::Abort() {
    if (!flags_.runInProgress) return;
    flags_.waitingForContinue = false;
    flags_.abortRequested = true;
    control_.RequestStop();
    if (state_ == RunState::Waiting) state_ = RunState::Running;
}

void OptimisationRun::Finish() {
    flags_.runInProgress = false;
    flags_.waitingForContinue = false;
    if (best_) workspace_.variant() = *best_;
    const OptimisationOutcome& outcome = search_.outcome();
    if (endMessage_.empty() && outcome.message)
        endMessage_ = *outcome.message == TextId::NoVariantsForClass ? FormatMessage(*outcome.message, outcome.klassName)
                                                                     : LoadResText(*outcome.message);
    state_ = RunState::Ended;
}

bool OptimisationRun::opensPendingFile() const {
    return state_ == RunState::Ended && flags_.findBestVariant && flags_.foundCount > 0 && !saveFailed_ &&
           !flags_.pendingVariantFile.empty();
}

}  // namespace lovaris
