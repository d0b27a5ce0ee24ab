#include "VariantWorkspace.h"

#include "../common/MessageFormat.h"
#include "../planning/TeacherGroupTable.h"
#include "../planning/VariantSessionCatalog.h"
#include "../variant/VariantFile.h"
#include "VariantNames.h"

namespace lovaris {

GroupDialogSettings GroupDialogSettings::Starting() {
    PlanningState state;
    SetStartingGroupSettings(state);
    return From(state);
}

GroupDialogSettings GroupDialogSettings::From(const PlanningState& state) {
    return {state.considerAttachedRooms, state.considerSeparatedHours, state.considerParallels, state.optimizeQueue,
            state.placeToCleanCopy};
}

void GroupDialogSettings::ApplyTo(PlanningState& state) const {
    state.considerAttachedRooms = considerAttachedRooms;
    state.considerSeparatedHours = considerSeparatedHours;
    state.considerParallels = considerParallels;
    state.optimizeQueue = optimizeQueue;
    state.placeToCleanCopy = placeToCleanCopy;
}

VariantWorkspace::VariantWorkspace(const Project& project)
    : session_(project),
      variant_(session_.NewVariant()),
      planning_(variant_, session_),
      options_(VariantOptions::Defaults(session_.klasses().count(), project.params.lessonsPerDay)),
      selectedDetail_(session_.FirstDetail()) {}

std::unique_ptr<VariantWorkspace> VariantWorkspace::CreateNew(const Project& project, const WorkspaceSetup& setup) {
    std::unique_ptr<VariantWorkspace> workspace(new VariantWorkspace(project));
    workspace->state().variantIsNew = true;
    workspace->state().variantModified = false;
    workspace->fileName_ = NewVariantFileName(setup.programFolder);
    workspace->Start(setup, 1);
    return workspace;
}

FileOutcome VariantWorkspace::Open(const Project& project, const std::string& path, const WorkspaceSetup& setup,
                                   std::unique_ptr<VariantWorkspace>& into) {
    std::unique_ptr<VariantWorkspace> workspace(new VariantWorkspace(project));
    LoadedVariant loaded;
    FileOutcome outcome = OpenVariantFile(path, MakeVariantCatalog(workspace->session_), loaded);
    if (!outcome.ok) return outcome;
    workspace->variant_ = std::move(loaded.variant);
    workspace->options_ = loaded.options;
    workspace->state().variantIsNew = false;
    workspace->state().variantModified = false;
    workspace->fileName_ = path;
    workspace->Start(setup, loaded.options.startingDay());
    into = std::move(workspace);
    return outcome;
}

void VariantWorkspace::Start(const WorkspaceSetup& setup, int day) {
    PlanningState& s = state();
    s.currentDay = day;
    s.planningRegime = PlanningRegime::Automatic;
    s.runInProgress = false;
    s.autoSaveVariants = false;
    s.findBestVariant = false;
    setup.groupSettings.ApplyTo(s);
    session_.ApplyOptions(options_);  // the wishes mode, the weights as fractions
    session_.SetupDay(planning_);
}

std::string VariantWorkspace::name() const { return VariantName(fileName_); }

bool VariantWorkspace::HoldsLesson() const {
    for (int day = 1; day <= kVariantDays; ++day)
        if (!variant_.IsDayEmpty(day)) return true;
    return false;
}

std::string VariantWorkspace::caption() const { return VariantCaption(fileName_, modified()); }

bool VariantWorkspace::SelectDay(int day) {
    if (day < 1 || day > kVariantDays || day == currentDay()) return false;
    state().currentDay = day;
    ReadyDayGroups();
    return true;
}

void VariantWorkspace::ReadyDayGroups() {
    session_.teachers().SetupDay();
    session_.teachers().BuildTeacherGroups(planning_, false);
}

void VariantWorkspace::PrepareDayData(bool byGroup) { session_.PrepareDayData(planning_, byGroup); }

std::string VariantWorkspace::OptionsCaption() const { return VariantOptionsCaption(name()); }

VariantOptionsEntry VariantWorkspace::OptionsEntry() const { return VariantOptionsEntryFrom(options_); }

std::optional<std::string> VariantWorkspace::ConfirmOptions(const VariantOptionsEntry& entry) {
    VariantOptions edited = options_;
    if (const auto refused = ConfirmVariantOptions(entry, edited)) return LoadResText(*refused);
    ApplyOptions(edited);
    return std::nullopt;
}

void VariantWorkspace::ApplyOptions(const VariantOptions& options) {
    options_ = options;
    session_.ApplyOptions(options_);
    // The weights count as shares of their sum here.
    const double sum = options_.parallelWeight + options_.sanitaryWeight + options_.teacherBusyWeight;
    PlanningState& s = state();
    if (sum == 0) {
        s.parallelWeight = 0.33;
        s.sanitaryWeight = 0.33;
        s.teacherBusyWeight = 0.34;
    } else {
        s.parallelWeight = options_.parallelWeight / sum;
        s.sanitaryWeight = options_.sanitaryWeight / sum;
        s.teacherBusyWeight = options_.teacherBusyWeight / sum;
    }
    session_.teachers().CountWishHours();
    SetVariantModified(true);
    edits_.ForgetSaved();  // the options are saved with the grids; undoing edits does not bring them back
}

GroupCommandOutcome VariantWorkspace::RunGroupCommand(GroupCommand command, int group) {
    return command == GroupCommand::MoveToDraft ? MoveGroupToDraft(session_, planning_, group)
                                                : RemoveGroupLessons(session_, planning_, group);
}

std::vector<GroupCommandOutcome> VariantWorkspace::RunGroupCommand(const TeacherGroupTable& table,
                                                                   GroupCommand command) {
    return lovaris::RunGroupCommand(table, command, session_, planning_);
}

}  // namespace lovaris
