// The design file: bytes to a checked design and a design to bytes, plus the model's part of opening one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/design/DesignFileLayout.h"
#include "model/design/MechanismModel.h"

namespace zeph {

// A design file read whole and checked: every field as it came (bit for bit), and how many
// records are to be applied (72, or 19 for a short file of an earlier layout).
struct DesignFile {
    std::array<std::array<float, DesignFieldsPerRecord>, DesignRecordCount> fields{};
    int records = DesignRecordCount;
    int currentLineSlot = 1;  // record 72 field 5 rounded to the nearest integer; 1 for a short file

    bool IsShort() const { return records < DesignRecordCount; }
};

// Why a file cannot be opened as a design. The message is one sentence for the user.
struct DesignRefusal {
    enum class Reason { TooShort, WrongLength, ValueNotHeld };
    Reason reason;
    std::string message;
};

using DesignReadResult = std::variant<DesignFile, DesignRefusal>;

// Reads a whole file's bytes. Refuses a file too short to hold the 19 records of the earliest
// layout, one whose record count lies between the two layouts (21 to 71 records), and one
// whose used fields hold a value no design can hold: NaN or infinity, or a current line slot
// outside 1..20 (a slot that rounds to 0, as earlier builds could write, opens as slot 1). Reserved fields, values later fields overwrite, values the open recomputes
// and the ignored fields may hold anything. Finite values load as they are, however absurd. Bytes past record 72 are
// ignored.
DesignReadResult ReadDesignFile(std::span<const std::uint8_t> bytes);

// The 1440 bytes of a design, every value bit for bit as held, with the given line slot as
// the slot being edited.
std::vector<std::uint8_t> WriteDesignFile(const Design& design, int lineSlotBeingEdited);
// The model's design, with the slot the lines dialog is editing (LineSlotBeingEdited).
std::vector<std::uint8_t> WriteDesignFile(const MechanismModel& m);

// Assigns every field the design holds, in file order, so where several fields hold one
// value the last one stays. A short design leaves what its missing records would have set.
// Only the design changes: nothing of a simulation is in a file.
void ApplyDesignFile(Design& design, const DesignFile& d);

// The model's part of what opening a design does once its fields are in: selects the line
// slot the file names (slot 1 for a short file) and finds mid gear, which puts the reverse arm
// at its centre and rewrites diagram reverse-arm positions 0 to 3.
void CompleteDesignOpen(MechanismModel& m, const DesignFile& d);

// Opens a design from a file's bytes: reads and checks them whole, and only if the design is
// accepted applies it and completes the open, all at once. A refused file changes nothing and
// its refusal is returned. The set name is the caller's (DesignSetName), as is everything a
// window shows.
std::optional<DesignRefusal> OpenDesign(MechanismModel& m, std::span<const std::uint8_t> bytes);

// The design's short name from the path of its file: the text after the last path separator
// ('/' or '\', looked for from the next-to-last character back) without the path's last four
// characters. A name without a separator loses its last four characters too.
std::string DesignSetName(std::string_view path);

}  // namespace zeph
