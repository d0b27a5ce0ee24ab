#include "VariantEditStack.h"

namespace lovaris {

bool VariantEditStack::Push(std::string name, TTableVarItem before, const TTableVarItem& after) {
    if (before.sameGrids(after)) return false;
    edits_.resize(position_);
    if (saved_ && *saved_ > position_) saved_.reset();
    edits_.push_back(Edit{std::move(name), std::move(before), after});
    position_ = edits_.size();
    return true;
}

bool VariantEditStack::StandsAt(const TTableVarItem& current) const {
    if (edits_.empty()) return true;
    const TTableVarItem& expected = position_ > 0 ? edits_[position_ - 1].after : edits_.front().before;
    return expected.sameGrids(current);
}

void VariantEditStack::DropWhenStale(const TTableVarItem& current) {
    if (StandsAt(current)) return;
    Clear();
    saved_.reset();
}

std::string VariantEditStack::UndoName() const { return CanUndo() ? edits_[position_ - 1].name : std::string(); }

std::string VariantEditStack::RedoName() const { return CanRedo() ? edits_[position_].name : std::string(); }

bool VariantEditStack::Undo(TTableVarItem& variant) {
    if (!CanUndo() || !variant.Assign(edits_[position_ - 1].before)) return false;
    --position_;
    return true;
}

bool VariantEditStack::Redo(TTableVarItem& variant) {
    if (!CanRedo() || !variant.Assign(edits_[position_].after)) return false;
    ++position_;
    return true;
}

void VariantEditStack::Clear() {
    edits_.clear();
    position_ = 0;
    saved_ = 0;
}

}  // namespace lovaris
