// The undo store: up to 20 levels, each one command of one or more dimension changes, and its undo line.
#include "model/editing/UndoStore.h"

#include <utility>

namespace zeph {

void UndoStore::Push(UndoCommand command)
{
    levels_.push_front(std::move(command));
    if (levels_.size() > static_cast<size_t>(Levels)) levels_.pop_back();
}

void UndoStore::Record(const DimensionChange& change)
{
    if (open_)
        open_->changes.push_back(change);
    else
        Push({change.name, {change}});
}

void UndoStore::BeginGroup(std::string label) { open_ = UndoCommand{std::move(label), {}}; }

void UndoStore::EndGroup()
{
    if (!open_) return;
    UndoCommand group = std::move(*open_);
    open_.reset();
    if (!group.changes.empty()) Push(std::move(group));
}

UndoLineParts UndoStore::Line() const
{
    if (levels_.empty()) return {};
    const UndoCommand& newest = levels_.front();
    const int depth = Depth();
    if (newest.changes.size() == 1) {
        const DimensionChange& c = newest.changes.front();
        return {depth, c.name, true, c.newValue, c.oldValue};
    }
    return {depth, newest.label + ": " + std::to_string(newest.changes.size()) + " dimensions", false, 0, 0};
}

std::optional<UndoCommand> UndoStore::Pop()
{
    if (levels_.empty()) return std::nullopt;
    UndoCommand newest = std::move(levels_.front());
    levels_.pop_front();
    return newest;
}

void UndoStore::Clear()
{
    levels_.clear();
    open_.reset();
}

}  // namespace zeph
