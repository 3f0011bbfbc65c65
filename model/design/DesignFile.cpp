// The design file: bytes to a checked design and a model to bytes, plus the model's part of opening one.
#include "model/design/DesignFile.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "model/overlay/LineOverlay.h"

namespace zeph {

namespace {

using Kind = DesignField::Kind;

float FieldAt(std::span<const std::uint8_t> bytes, int record, int field)
{
    const size_t at = size_t(record) * DesignRecordBytes + size_t(field) * 4;
    const std::uint32_t bits = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                               std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
    return std::bit_cast<float>(bits);
}

void PutField(std::vector<std::uint8_t>& bytes, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
}

// For the first `records` records: whether each field is the last one to write its model value,
// so that the value it holds is the one that stays.
using FieldFlags = std::array<std::array<bool, DesignFieldsPerRecord>, DesignRecordCount>;

FieldFlags LastWriters(int records)
{
    static Design scratch;  // only its addresses are compared
    const DesignLayout& layout = DesignFileLayout();
    FieldFlags last{};
    for (int r = 0; r < records; ++r) {
        for (int f = 0; f < DesignFieldsPerRecord; ++f) {
            const float* place = layout[r][f].Place(scratch);
            bool later = false;
            for (int r2 = r; r2 < records && !later; ++r2)
                for (int f2 = r2 == r ? f + 1 : 0; f2 < DesignFieldsPerRecord && !later; ++f2)
                    later = place && layout[r2][f2].Place(scratch) == place;
            last[r][f] = !later;
        }
    }
    return last;
}

const FieldFlags& LastWritersOf(int records)
{
    static const FieldFlags full = LastWriters(DesignRecordCount);
    static const FieldFlags shortLayout = LastWriters(ShortDesignRecordsRead);
    return records == DesignRecordCount ? full : shortLayout;
}

std::string Where(int record, int field, const DesignField& f)
{
    return "record " + std::to_string(record + 1) + " field " + std::to_string(field + 1) + " (" + f.Describe() + ")";
}

DesignRefusal NotHeld(std::string message)
{
    return {DesignRefusal::Reason::ValueNotHeld, std::move(message)};
}

// The first used field that holds NaN or infinity, if any. Not used: reserved fields, those a
// later field overwrites, those the open recomputes, and the zeros of record 72.
std::optional<DesignRefusal> CheckUsedFields(const DesignFile& d)
{
    const DesignLayout& layout = DesignFileLayout();
    const FieldFlags& last = LastWritersOf(d.records);
    for (int r = 0; r < d.records; ++r) {
        for (int f = 0; f < DesignFieldsPerRecord; ++f) {
            const DesignField& field = layout[r][f];
            if (field.IsReserved() || field.RecomputedByOpen() || field.kind == Kind::Zero || !last[r][f]) continue;
            const float v = d.fields[r][f];
            if (!std::isfinite(v))
                return NotHeld(Where(r, f, field) + " holds " + (std::isnan(v) ? "NaN" : "an infinity") +
                               ", which a design cannot hold");
        }
    }
    return std::nullopt;
}

std::optional<DesignRefusal> ReadCurrentLineSlot(DesignFile& d)
{
    if (d.IsShort()) {
        d.currentLineSlot = 1;
        return std::nullopt;
    }
    const float v = d.fields[DesignRecordCount - 1][DesignFieldsPerRecord - 1];
    double slot = std::nearbyint(double(v));
    // Earlier builds wrote 0 when saving while slot 1's pivot was being picked.
    if (slot == 0) slot = 1;
    if (!(slot >= 1 && slot <= LineSlotCount)) {
        char text[64];
        std::snprintf(text, sizeof text, "%.9g", double(v));
        return NotHeld("the current line slot (record 72 field 5) is " + std::string(text) +
                       ", which is not a slot of 1 to 20");
    }
    d.currentLineSlot = static_cast<int>(slot);
    return std::nullopt;
}

}  // namespace

DesignReadResult ReadDesignFile(std::span<const std::uint8_t> bytes)
{
    const size_t records = bytes.size() / DesignRecordBytes;
    if (records < ShortDesignRecordsRead)
        return DesignRefusal{DesignRefusal::Reason::TooShort,
                             "the file is too short for a design: " + std::to_string(bytes.size()) +
                                 " bytes, where even the earliest layout needs " +
                                 std::to_string(ShortDesignRecordsRead * DesignRecordBytes)};
    if (records > ShortDesignRecords && records < DesignRecordCount)
        return DesignRefusal{DesignRefusal::Reason::WrongLength,
                             "a file of " + std::to_string(bytes.size()) +
                                 " bytes has the length of no design: a design fills 1440 bytes, "
                                 "one of the earlier layout 380 to 419"};
    DesignFile d;
    d.records = records <= ShortDesignRecords ? ShortDesignRecordsRead : DesignRecordCount;
    for (int r = 0; r < d.records; ++r)
        for (int f = 0; f < DesignFieldsPerRecord; ++f) d.fields[r][f] = FieldAt(bytes, r, f);
    if (auto refusal = CheckUsedFields(d)) return *refusal;
    if (auto refusal = ReadCurrentLineSlot(d)) return *refusal;
    return d;
}

std::vector<std::uint8_t> WriteDesignFile(const Design& design, int lineSlotBeingEdited)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(DesignFileBytes);
    for (const auto& record : DesignFileLayout()) {
        for (const DesignField& field : record) {
            if (const float* place = field.Place(design))
                PutField(bytes, *place);
            else
                PutField(bytes, field.kind == Kind::CurrentLineSlot ? static_cast<float>(lineSlotBeingEdited) : 0.0f);
        }
    }
    return bytes;
}

std::vector<std::uint8_t> WriteDesignFile(const MechanismModel& m)
{
    return WriteDesignFile(m, LineSlotBeingEdited(m));
}

void ApplyDesignFile(Design& design, const DesignFile& d)
{
    const DesignLayout& layout = DesignFileLayout();
    for (int r = 0; r < d.records; ++r)
        for (int f = 0; f < DesignFieldsPerRecord; ++f)
            if (float* place = layout[r][f].Place(design)) *place = d.fields[r][f];
}

void CompleteDesignOpen(MechanismModel& m, const DesignFile& d)
{
    m.CurrentLineSlot = d.currentLineSlot;
    m.CalcMidGear();
}

std::optional<DesignRefusal> OpenDesign(MechanismModel& m, std::span<const std::uint8_t> bytes)
{
    DesignReadResult read = ReadDesignFile(bytes);
    if (auto* refusal = std::get_if<DesignRefusal>(&read)) return std::move(*refusal);
    const DesignFile& d = std::get<DesignFile>(read);
    ApplyDesignFile(m, d);
    CompleteDesignOpen(m, d);
    return std::nullopt;
}

std::string DesignSetName(std::string_view path)
{
    constexpr size_t CutCharacters = 4;
    size_t start = 0;
    for (size_t i = path.size() < 2 ? 0 : path.size() - 1; i-- > 0;) {
        if (path[i] == '/' || path[i] == '\\') {
            start = i + 1;
            break;
        }
    }
    // Four characters, not bytes: a UTF-8 character's continuation bytes go with it.
    size_t end = path.size();
    for (size_t n = 0; n < CutCharacters && end > 0; ++n) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) --end;
    }
    return end > start ? std::string(path.substr(start, end - start)) : std::string();
}

}  // namespace zeph
