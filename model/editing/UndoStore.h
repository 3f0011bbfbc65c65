// The undo store: up to 20 levels, each one command of one or more dimension changes, and its undo line.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

// One dimension changed from one value to another; `name` is its short name.
struct DimensionChange {
    int32_t code = 0;
    float oldValue = 0;
    float newValue = 0;
    std::string name;
    bool operator==(const DimensionChange&) const = default;
};

// One level: the changes one command made, undone together. `label` names a group.
struct UndoCommand {
    std::string label;
    std::vector<DimensionChange> changes;
    bool operator==(const UndoCommand&) const = default;
};

// What the undo line shows for the newest level: its depth, then either one change's name with
// its new and old values, or a group's caption alone.
struct UndoLineParts {
    int depth = 0;
    std::string caption;
    bool showsValues = true;
    float newValue = 0, oldValue = 0;
};

class UndoStore {
public:
    static constexpr int Levels = 20;

    // A change made: inside an open group it joins the group, otherwise it is a level of its own.
    // A level beyond the 20th pushes the oldest out.
    void Record(const DimensionChange& change);
    // The changes recorded until EndGroup form one level, shown as "<label>: <n> dimensions"
    // (a group of one shows as that change; an empty group leaves no level).
    void BeginGroup(std::string label);
    void EndGroup();

    int Depth() const { return static_cast<int>(levels_.size()); }
    bool Empty() const { return levels_.empty(); }
    UndoLineParts Line() const;
    // The newest level, or null while the store is empty.
    const UndoCommand* Newest() const { return levels_.empty() ? nullptr : &levels_.front(); }
    // Takes the newest level off the store, if any.
    std::optional<UndoCommand> Pop();
    void Clear();

    bool operator==(const UndoStore&) const = default;

private:
    void Push(UndoCommand command);

    std::deque<UndoCommand> levels_;  // the newest first
    std::optional<UndoCommand> open_;
};

}  // namespace zeph
