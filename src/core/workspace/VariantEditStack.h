#pragma once
// The undo and redo history of a variant's edits. Each edit keeps the grids as they
// were before and after it, so undoing and redoing restore them exactly, rooms and
// block marks included. The position the variant was last saved at is remembered:
// coming back to it means the variant is no longer modified.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "../variant/TTableVarItem.h"

namespace lovaris {

class VariantEditStack {
public:
    // An edit that changed nothing is not kept. Pushing drops the edits that were
    // undone; when the saved position was among them it can no longer be reached.
    // False when nothing was kept.
    bool Push(std::string name, TTableVarItem before, const TTableVarItem& after);

    // The grids are what the history stands at: the grids after the last edit done,
    // or before the first one undone.
    bool StandsAt(const TTableVarItem& current) const;
    // When the grids are not (something outside the history changed them), the
    // history is of no use any more and is dropped, the saved position with it.
    void DropWhenStale(const TTableVarItem& current);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < edits_.size(); }
    // The name of the edit the next undo (redo) takes back (does again); empty if none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Writes the grids as they were before (after) that edit into `variant`. False,
    // with nothing changed, when there is nothing to undo (redo).
    bool Undo(TTableVarItem& variant);
    bool Redo(TTableVarItem& variant);

    // The variant was saved as it stands now.
    void MarkSaved() { saved_ = position_; }
    // The saved variant is no longer at any position (its options changed, say).
    void ForgetSaved() { saved_.reset(); }
    // The variant as it stands now is the one last saved.
    bool AtSaved() const { return saved_ == position_; }
    // Forgets every edit (another variant was opened in its place).
    void Clear();
    std::size_t size() const { return edits_.size(); }

private:
    struct Edit {
        std::string name;
        TTableVarItem before;
        TTableVarItem after;
    };
    std::vector<Edit> edits_;
    std::size_t position_ = 0;  // edits_[0 .. position_) are done
    std::optional<std::size_t> saved_ = std::size_t{0};
};

}  // namespace lovaris
