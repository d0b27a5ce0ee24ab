#pragma once
// The open timetable variant of the planning window, as a document: the planning
// session made from the project, the variant with its options and file name, the
// selected day and the marks "new" and "modified" (kept in the session's planning
// state). The window shows it and hands it its commands; their rules live here, and
// what they ask of the person at the window goes through WorkspaceDialogs.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../data/ProjectDocument.h"
#include "../planning/GroupCommands.h"
#include "../planning/PlanningSession.h"
#include "../planning/VariantPlanning.h"
#include "../variant/TTableVarItem.h"
#include "../variant/VariantOptions.h"
#include "VariantEditStack.h"
#include "VariantOptionsForm.h"
#include "WorkspaceDialogs.h"

namespace lovaris {

// The group dialogs' settings that last for the whole program run: each workspace
// takes them over from the one before. Automatic saving and "find best" are not
// among them; they start off in every workspace.
struct GroupDialogSettings {
    bool considerAttachedRooms = false;
    bool considerSeparatedHours = false;
    bool considerParallels = false;
    bool optimizeQueue = false;
    bool placeToCleanCopy = false;

    // The values a program run starts with: everything taken into account, the week
    // search placing into the clean copy in its best order.
    static GroupDialogSettings Starting();
    static GroupDialogSettings From(const PlanningState& state);
    void ApplyTo(PlanningState& state) const;
};

struct WorkspaceSetup {
    std::string programFolder;  // a new variant is proposed in its "Variant" folder
    GroupDialogSettings groupSettings;
};

enum class SaveResult { Saved, NothingToSave, Cancelled, Failed };
// What the save question came to, by the numbers the window's close expects.
enum class AskSaveResult : int { SavedOrUnchanged = 1, Cancelled = 2, Discarded = 5 };
enum class SaveKind : int { Save = 1, SaveAs = 2 };  // "Сохранить", "Сохранить как"

class VariantWorkspace {
public:
    // A new, empty variant with the default options, named "Новое расписание",
    // on Monday. The window then opens the options dialog at once.
    static std::unique_ptr<VariantWorkspace> CreateNew(const Project& project, const WorkspaceSetup& setup);
    // The variant file, read whole and checked; it opens on its stored day (Monday
    // when that is no weekday). A refused file leaves `into` as it was, and the
    // outcome carries the system's message (the window then leaves planning).
    static FileOutcome Open(const Project& project, const std::string& path, const WorkspaceSetup& setup,
                            std::unique_ptr<VariantWorkspace>& into);

    // The session and the variant refer to one another: a workspace stays where it is.
    VariantWorkspace(const VariantWorkspace&) = delete;
    VariantWorkspace& operator=(const VariantWorkspace&) = delete;

    PlanningSession& session() { return session_; }
    const PlanningSession& session() const { return session_; }
    PlanningState& state() { return session_.state(); }
    const PlanningState& state() const { return session_.state(); }
    TTableVarItem& variant() { return variant_; }
    const TTableVarItem& variant() const { return variant_; }
    VariantPlanning& planning() { return planning_; }
    const VariantOptions& options() const { return options_; }

    const std::string& fileName() const { return fileName_; }
    // The file name without folder and extension, as messages name the variant.
    std::string name() const;
    // The window's caption: the name, " (изменен)" while modified.
    std::string caption() const;
    int currentDay() const { return state().currentDay; }
    // Some day holds a lesson, in the clean copy or the draft.
    bool HoldsLesson() const;
    bool isNew() const { return state().variantIsNew; }
    bool modified() const { return state().variantModified; }
    void SetVariantModified(bool modified) { state().variantModified = modified; }

    // Undo and redo of the variant's edits ("Отменить", "Повторить"). An edit is
    // recorded after it was made, with the grids as they were before it; recording
    // marks the variant modified. Undoing or redoing restores the grids, readies the
    // selected day again and sets the modified mark by whether the variant is back
    // where it was last saved. Changes made outside the history (a run, the options)
    // end it: what came before them can no longer be undone.
    void RecordEdit(std::string name, TTableVarItem before);
    bool CanUndo() const;
    bool CanRedo() const;
    std::string UndoName() const;
    std::string RedoName() const;
    bool Undo();
    bool Redo();

    // What the details window opens on; a double click in a view chooses it.
    const SelectedDetail& selectedDetail() const { return selectedDetail_; }
    void SetSelectedDetail(SelectedDetail detail) { selectedDetail_ = std::move(detail); }
    void SetRegime(PlanningRegime regime) { state().planningRegime = regime; }

    // The day list: another day becomes the current one, with its teachers' closed
    // hours and the day's teacher groups. False when nothing changed.
    bool SelectDay(int day);
    // The selected day's teachers' closed hours and teacher groups read again, after
    // lessons came to or left the day.
    void ReadyDayGroups();
    // Before a run or the control: every teacher's free days taken (judged by the
    // teacher groups with `byGroup`), then the classes' targets for the day.
    void PrepareDayData(bool byGroup);

    // Saving. Every failed write keeps the variant's name and both marks.
    // Writes the file under its name; the outcome carries the system's message.
    FileOutcome SaveVariant();
    // Writes the file as `name` + ".rsp" in the folder of the current file, which it
    // then becomes (replacing a file of that name).
    FileOutcome SaveVariantNamed(const std::string& name);
    // The save dialog, then the write; a failed write shows its message.
    SaveResult SaveVariantAs(WorkspaceDialogs& dialogs);
    // "Сохранить" asks for a name when the variant has none yet, writes when it is
    // modified and else does nothing; "Сохранить как" always asks.
    SaveResult SaveCommand(SaveKind kind, WorkspaceDialogs& dialogs);
    // Before the variant is closed or replaced. A variant without any lesson is not
    // worth the question. "Да" that does not end in a written file cancels.
    AskSaveResult AskSaveChanges(WorkspaceDialogs& dialogs);
    // The open dialog: the file the window should open in place of this variant;
    // none when cancelled or when it is this very file (with the message saying so).
    std::optional<std::string> ChooseVariantFile(WorkspaceDialogs& dialogs) const;
    // The name the next save writes to, without writing (a variant opened from one
    // file and meant for another).
    void AssignFileName(std::string fileName) { fileName_ = std::move(fileName); }

    // The options dialog: its caption, its fields, and its "Да": the message to show
    // when a field is refused (nothing is stored then), else the options are taken.
    std::string OptionsCaption() const;
    VariantOptionsEntry OptionsEntry() const;
    std::optional<std::string> ConfirmOptions(const VariantOptionsEntry& entry);
    // Confirmed options: the weights as shares of their sum, the teachers' wish hours
    // under the wishes mode; the variant is modified.
    void ApplyOptions(const VariantOptions& options);

    // The teacher group dialogs' commands ("В черновик", "Снять"): on the current day
    // for group `group`, or as the dialog's table says. The lessons moved mark the
    // variant modified; a draft without room names itself in the outcome.
    GroupCommandOutcome RunGroupCommand(GroupCommand command, int group);
    std::vector<GroupCommandOutcome> RunGroupCommand(const TeacherGroupTable& table, GroupCommand command);

private:
    explicit VariantWorkspace(const Project& project);
    // What both kinds of creation end with: the day, the regime, the run settings
    // and the day's planning data.
    void Start(const WorkspaceSetup& setup, int day);
    FileOutcome SaveTo(const std::string& fileName);
    bool StepHistory(bool undo);
    FileDialogRequest FileDialog(bool save) const;

    PlanningSession session_;
    TTableVarItem variant_;
    VariantPlanning planning_;
    VariantOptions options_;
    std::string fileName_;
    SelectedDetail selectedDetail_;
    VariantEditStack edits_;
};

}  // namespace lovaris
