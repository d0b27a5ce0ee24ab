// Saving the variant, the save question before it is closed, and the choice of
// another variant file.
#include <filesystem>

#include "../common/MessageFormat.h"
#include "../common/WorkspaceTexts.h"
#include "../variant/VariantFile.h"
#include "VariantNames.h"
#include "VariantWorkspace.h"

namespace lovaris {

FileOutcome VariantWorkspace::SaveTo(const std::string& fileName) {
    // The whole file from the variant as it is: header, options and both grids with
    // the dimensions they have.
    FileOutcome outcome = SaveVariantFile(fileName, variant_, options_, currentDay());
    if (!outcome.ok) return outcome;
    fileName_ = fileName;
    state().variantIsNew = false;
    SetVariantModified(false);
    edits_.DropWhenStale(variant_);
    edits_.MarkSaved();
    return outcome;
}

FileOutcome VariantWorkspace::SaveVariant() { return SaveTo(fileName_); }

FileOutcome VariantWorkspace::SaveVariantNamed(const std::string& name) {
    return SaveTo(VariantFileBeside(fileName_, name));
}

FileDialogRequest VariantWorkspace::FileDialog(bool save) const {
    FileDialogRequest request;
    request.save = save;
    request.title = LoadResText(save ? WorkspaceText::SaveVariantAsTitle : WorkspaceText::OpenVariantTitle);
    request.filter = LoadResText(WorkspaceText::VariantFileFilter);
    request.defaultExtension = LoadResText(WorkspaceText::VariantExtension);
    request.folder = std::filesystem::path(fileName_).parent_path().string();
    if (save) request.proposedName = FileNameWithoutFolder(fileName_);
    return request;
}

SaveResult VariantWorkspace::SaveVariantAs(WorkspaceDialogs& dialogs) {
    const auto chosen = dialogs.ChooseFile(FileDialog(true));
    if (!chosen) return SaveResult::Cancelled;
    const FileOutcome outcome = SaveTo(*chosen);
    if (outcome.ok) return SaveResult::Saved;
    dialogs.ShowMessage(outcome.message);
    return SaveResult::Failed;
}

SaveResult VariantWorkspace::SaveCommand(SaveKind kind, WorkspaceDialogs& dialogs) {
    if (kind == SaveKind::SaveAs || isNew()) return SaveVariantAs(dialogs);
    if (!modified()) return SaveResult::NothingToSave;
    const FileOutcome outcome = SaveVariant();
    if (outcome.ok) return SaveResult::Saved;
    dialogs.ShowMessage(outcome.message);
    return SaveResult::Failed;
}

AskSaveResult VariantWorkspace::AskSaveChanges(WorkspaceDialogs& dialogs) {
    if (!modified()) return AskSaveResult::SavedOrUnchanged;
    if (!HoldsLesson()) {
        SetVariantModified(false);
        return AskSaveResult::Discarded;
    }
    switch (dialogs.AskSave(FormatMessage(LoadResText(WorkspaceText::VariantModifiedAskSave), name()))) {
        case SaveAnswer::Yes:
            // A cancelled dialog or a failed write keeps the variant open and marked.
            return SaveCommand(SaveKind::Save, dialogs) == SaveResult::Saved ? AskSaveResult::SavedOrUnchanged
                                                                            : AskSaveResult::Cancelled;
        case SaveAnswer::No:
            SetVariantModified(false);
            return AskSaveResult::Discarded;
        case SaveAnswer::Cancel:
            break;
    }
    return AskSaveResult::Cancelled;
}

std::optional<std::string> VariantWorkspace::ChooseVariantFile(WorkspaceDialogs& dialogs) const {
    const auto chosen = dialogs.ChooseFile(FileDialog(false));
    if (!chosen) return std::nullopt;
    if (SameVariantFile(*chosen, fileName_)) {
        dialogs.ShowMessage(FormatMessage(LoadResText(WorkspaceText::VariantAlreadyOpen), name()));
        return std::nullopt;
    }
    return chosen;
}

}  // namespace lovaris
