#pragma once
// The planning state of one session: the selected day, the regime, the run flags and
// the group dialog settings. The session owns it and hands it by reference to what
// reads it; two sessions never share one.
#include <cstdint>
#include <string>

namespace lovaris {

enum class PlanningRegime : std::uint8_t { Manual = 0, Automatic = 2 };

struct PlanningState {
    int currentDay = 1;  // 1..6
    PlanningRegime planningRegime = PlanningRegime::Automatic;
    bool variantModified = false;
    bool variantIsNew = false;

    // Run flags: the run reads them wherever it lets the caller's events run.
    bool runInProgress = false;
    bool abortRequested = false;
    bool waitingForContinue = false;
    int foundCount = 0;  // complete variants handed over by the current run

    std::string pendingVariantFile;  // a variant the caller should open in place of the current one

    // The teacher group a run works on: a row of the teacher groups.
    int selectedGroup = 0;

    // Group dialog settings.
    bool autoSaveVariants = false;
    bool findBestVariant = false;
    bool considerAttachedRooms = false;
    bool considerSeparatedHours = false;
    bool considerParallels = false;
    bool optimizeQueue = false;
    bool placeToCleanCopy = false;
    bool groupCommandActive = false;  // a group dialog's remove command is being carried out

    // The variant options' weights as fractions.
    double parallelWeight = 0.30;
    double sanitaryWeight = 0.30;
    double teacherBusyWeight = 0.40;

    // Days counted as planned by the last day targets (the selected day included).
    int plannedDays = 0;
};

}  // namespace lovaris
