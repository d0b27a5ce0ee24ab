// "Планирование недели" in the planning window: the ejection search finishes the open
// variant's week while the progress window counts the hours in place, then the week is
// made better (fewer teacher windows, even class days); "Отмена" or "Прервать" end it
// with the best week so far, and a summary of the week closes the run. The search lets
// the window's events run between its steps; the improvement runs on threads of its
// own while the window's events go on.
#include <QApplication>
#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "TTableVarsManager.h"
#include "VariantViews.h"
#include "core/common/PlanTexts.h"
#include "core/weekplan/WeekPlan.h"
#include "core/weekplan/WeekPlanMessage.h"
#include "ui/common/TErrorBox.h"
#include "ui/engine/TProgressWnd.h"

namespace lovaris::ui {
namespace {

// Steps the desktop's search may take: about a minute of one core on a large school.
constexpr long long kPlanSteps = 2'000'000;
// The window shows the search's progress this often.
constexpr int kRefreshMs = 100;

class PlanProgress : public EjectionControl {
public:
    PlanProgress(TProgressWnd& window, int required) : window_(window), required_(required) {
        window_.SetStage(1, required);
        clock_.start();
    }
    bool stop(const EjectionProgress& progress) override {
        // The first steps show at once: a small school may be planned before the first
        // refresh is due.
        if ((progress.steps > 0 && !shown_) || clock_.elapsed() >= kRefreshMs) {
            shown_ = true;
            const int placed = required_ - progress.bestWaiting;
            window_.SetStep(placed, Text(LoadResText(PlanText::PlacedHoursBegin) + std::to_string(placed) +
                                         LoadResText(PlanText::PlacedHoursOf) + std::to_string(required_)));
            QApplication::processEvents();
            clock_.restart();
        }
        return cancelled;
    }
    std::atomic<bool> cancelled = false;

private:
    TProgressWnd& window_;
    int required_;
    QElapsedTimer clock_;
    bool shown_ = false;
};

// The improvement of the week on threads of its own; the window's events run
// meanwhile, so its "Отмена" (and "Прервать") can end it.
ImprovementResult ImproveWhileEventsRun(VariantWorkspace& ws, TProgressWnd& window, const std::atomic<bool>& cancelled) {
    window.SetStep(SummariseWeek(ws.session(), ws.variant()).cleanHours, Text(LoadResText(PlanText::ImprovingWeek)));
    ImprovementSettings settings;
    settings.steps = kDefaultImprovementSteps;
    settings.threads = 0;  // one per core
    ImprovementResult result;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        result = ImproveWeek(ws.session(), ws.variant(), ws.options(), settings, [&] { return cancelled.load(); });
        done = true;
    });
    while (!done) {
        QApplication::processEvents(QEventLoop::AllEvents, kRefreshMs);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    worker.join();
    return result;
}

}  // namespace

void TTableVarsManager::PlanWeek() {
    if (run_) return;
    VariantWorkspace& ws = *workspace_;
    const int day = ws.currentDay();
    const int required = SummariseWeek(ws.session(), ws.variant()).requiredHours;
    PlanProgress* control = nullptr;
    auto* window = new TProgressWnd(this, 1, [&control] {
        if (control) control->cancelled = true;
    });
    PlanProgress progress(*window, required);
    control = &progress;
    window->show();
    emit runStateChanged(static_cast<int>(RunState::Running));

    UnlimitedSearch noStages;
    WeekPlanSearch search;
    search.stages = false;
    search.settings = {1, kPlanSteps, 0};  // one run per core
    search.control = &progress;
    PlanWholeWeek(ws.session(), ws.variant(), ws.options(), noStages, search);
    // The views show the variant only once the improvement has written it.
    views_->setUpdatesEnabled(false);
    if (!progress.cancelled) ImproveWhileEventsRun(ws, *window, progress.cancelled);
    views_->setUpdatesEnabled(true);

    control = nullptr;
    delete window;
    // The plan leaves the session on Monday: back to the day the window shows.
    ws.state().currentDay = day;
    ws.session().teachers().SetupDay();
    ws.session().teachers().BuildTeacherGroups(ws.planning(), false);
    ws.SetVariantModified(true);
    RefreshViews();
    UpdateCaption();
    const QString summary = Text(WeekPlanMessage(SummariseWeek(ws.session(), ws.variant()),
                                                 MeasureWeek(ws.session(), ws.variant(), ws.options()),
                                                 progress.cancelled));
    const bool closing = closeAfterRun_;
    emit runStateChanged(static_cast<int>(RunState::Ended));
    // A close that stopped the plan goes on (the window goes away): no summary then.
    if (!closing) ShowMessageText(this, summary);
}

}  // namespace lovaris::ui
