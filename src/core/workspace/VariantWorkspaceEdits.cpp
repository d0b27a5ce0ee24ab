// The undo history of the variant's edits, as the workspace keeps it.
#include "VariantWorkspace.h"

namespace lovaris {

void VariantWorkspace::RecordEdit(std::string name, TTableVarItem before) {
    // The history goes on from the grids the edit started from; a variant modified
    // while standing at the saved position was changed outside the history.
    edits_.DropWhenStale(before);
    if (modified() && edits_.AtSaved()) edits_.ForgetSaved();
    if (edits_.Push(std::move(name), std::move(before), variant_)) SetVariantModified(!edits_.AtSaved());
}

bool VariantWorkspace::CanUndo() const { return edits_.CanUndo() && edits_.StandsAt(variant_); }

bool VariantWorkspace::CanRedo() const { return edits_.CanRedo() && edits_.StandsAt(variant_); }

std::string VariantWorkspace::UndoName() const { return CanUndo() ? edits_.UndoName() : std::string(); }

std::string VariantWorkspace::RedoName() const { return CanRedo() ? edits_.RedoName() : std::string(); }

bool VariantWorkspace::StepHistory(bool undo) {
    edits_.DropWhenStale(variant_);
    if (modified() && edits_.AtSaved()) edits_.ForgetSaved();
    if (!(undo ? edits_.Undo(variant_) : edits_.Redo(variant_))) return false;
    SetVariantModified(!edits_.AtSaved());
    ReadyDayGroups();
    return true;
}

bool VariantWorkspace::Undo() { return StepHistory(true); }

bool VariantWorkspace::Redo() { return StepHistory(false); }

}  // namespace lovaris
