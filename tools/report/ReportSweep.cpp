// A report's design: a design file read as the simulator opens it, dimension changes, mid gear found again.
#include "tools/report/ReportSweep.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "model/design/DesignFile.h"
#include "model/analysis/DimChange.h"
#include "platform/Files.h"

namespace zeph::report {

namespace {

// Everything past the last record is ignored, so no more than one design's bytes are read. A
// pipe, a device or a folder is refused before it is opened: opening a pipe without a writer
// would wait for ever.
std::vector<std::uint8_t> ReadDesignBytes(const std::string& path)
{
    if (const QString why = NotARegularFile(QString::fromStdString(path)); !why.isEmpty())
        throw DesignFileError("cannot read design file " + Quoted(path) + ": " + why.toStdString());
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) throw DesignFileError("cannot open design file " + Quoted(path) + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes(DesignFileBytes);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()))
        throw DesignFileError("cannot read design file " + Quoted(path) + ": " + std::strerror(errno));
    bytes.resize(got);
    return bytes;
}

}  // namespace

void LoadDesign(MechanismModel& m, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadDesignBytes(path);
    if (const auto refusal = OpenDesign(m, bytes))
        throw DesignFileError("design file " + Quoted(path) + " refused: " + refusal->message);
    m.DimSetName = DesignSetName(path);
}

void PrepareDesign(MechanismModel& m, const Request& r)
{
    m.StartUp();
    if (r.designFile) LoadDesign(m, *r.designFile);
    if (!ApplyDimChanges(m, r.settings))
        throw UsageError("the changed dimensions leave no mid gear (the reverse-arm centre cannot be found)");
}

PivotAngles PivotAnglesOf(const Request& r)
{
    PivotAngles a;
    if (r.angle) {
        a.single = *r.angle;
        return a;
    }
    a.step = r.step.value_or(DefaultPivotsStep);
    a.count = StepsPerTurn(a.step) + 1;
    return a;
}

double PivotAngles::At(long k) const
{
    return single ? *single : TurnAngle(k, count - 1, step);
}

}  // namespace zeph::report
