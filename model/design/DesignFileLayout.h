// Where each of the 72 x 5 fields of a design file lives in the model: one table for reading and writing.
#pragma once

#include <array>
#include <string>

#include "model/design/MechanismModel.h"

namespace zeph {

constexpr int DesignRecordCount = 72;
constexpr int DesignFieldsPerRecord = 5;
constexpr int DesignFieldCount = DesignRecordCount * DesignFieldsPerRecord;
constexpr int DesignRecordBytes = 20;  // five little-endian 32-bit reals
constexpr int DesignFileBytes = DesignRecordCount * DesignRecordBytes;
// A file of this many records or fewer has an earlier, short layout: only its first
// ShortDesignRecordsRead records are read.
constexpr int ShortDesignRecords = 20;
constexpr int ShortDesignRecordsRead = 19;

// One field of the file and the model value it holds.
struct DesignField {
    enum class Kind : unsigned char {
        Dimension,        // index: dimension code, stored where the dimension table says
        PivotX,           // index: pivot
        PivotY,
        Scalar,           // scalar: a float of the model
        ViewPreset,       // index: entry 0..20 of the presets (scale, pan x, pan y of each)
        DiagramRevArm,    // index: entry of DiagramRevArmPos
        Line,             // index: line slot 1..20, line: the slot's field
        Reserved,         // index: which reserved value (DesignField::CylinderReserved or FileReserved)
        Zero,             // written as 0, ignored on reading
        CurrentLineSlot,  // the integer slot, written as a real; read by the open's completion
    };
    // Reserved indexes 0..3 are FileReserved.once, 4 is FileReserved.twice.
    static constexpr int ReservedTwice = 4;
    static constexpr int CylinderReserved = 5;

    Kind kind = Kind::Zero;
    int index = 0;
    float Design::* scalar = nullptr;
    float LineSlot::* line = nullptr;

    // The model float the field reads and writes; null for Zero and CurrentLineSlot.
    float* Place(Design& m) const;
    const float* Place(const Design& m) const;
    // Reserved fields hold values nothing reads; they are kept whatever they hold.
    bool IsReserved() const { return kind == Kind::Reserved; }
    // Values that opening a design replaces at once (mid gear puts the reverse arm at its
    // centre and rewrites diagram positions 1 to 3), so what the file holds there is never used.
    bool RecomputedByOpen() const
    {
        return (kind == Kind::Scalar && scalar == &Design::RevArmPosition) ||
               (kind == Kind::DiagramRevArm && index <= 3);
    }
    // A short description for messages: "frame 3 Main Rod Length", "pivot 7 x", "line slot 4 type".
    std::string Describe() const;
};

using DesignLayout = std::array<std::array<DesignField, DesignFieldsPerRecord>, DesignRecordCount>;

// The record layout of the current design file; records numbered from 0 here.
const DesignLayout& DesignFileLayout();

}  // namespace zeph
