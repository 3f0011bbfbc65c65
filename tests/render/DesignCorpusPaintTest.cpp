// Every design a file may bring is ticked and painted, scene and diagrams, with sane pixels and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "model/tick/AnimationTick.h"
#include "model/DesignMutations.h"
#include "model/diagrams/DiagramData.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramPainter.h"
#include "render/scene/ScenePainter.h"

namespace zeph {
namespace {

// Pixel coordinates from values that were not numbers, or beyond an int, would show up as the
// processor's "integer indefinite" or as wrapped values far outside any picture; every
// coordinate the painters produce through their guarded conversions stays within a few
// million pixels.
constexpr long CoordinateLimit = 100000000;

// A canvas that only checks the coordinates it is given.
class CheckingCanvas : public RecordingCanvas {
public:
    bool sane = true;

    void MoveTo(int x, int y) override
    {
        Check({x, y});
        Canvas::MoveTo(x, y);
    }
    void LineTo(int x, int y) override
    {
        Check({x, y});
        Canvas::MoveTo(x, y);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override { Check({x1, y1, x2, y2}); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        Check({x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void Rectangle(int x1, int y1, int x2, int y2) override { Check({x1, y1, x2, y2}); }
    void SetPixel(int x, int y, TColor) override { Check({x, y}); }
    void FillRect(int x1, int y1, int x2, int y2, TColor) override { Check({x1, y1, x2, y2}); }
    // No figure reads as not-a-number or infinity, nor runs on for more digits than any field takes.
    void TextOut(int x, int y, const QString& text) override
    {
        Check({x, y});
        int digits = 0, longest = 0;
        for (const QChar ch : text) longest = std::max(longest, digits = ch.isDigit() ? digits + 1 : 0);
        sane = sane && longest < 12 && !text.contains(u"NAN") && !text.contains(u"INF");
    }

private:
    void Check(std::initializer_list<int> values)
    {
        for (int v : values) sane = sane && std::labs(v) <= CoordinateLimit;
    }
};

struct Tally {
    long painted = 0, faults = 0;
    std::string firstFault;
};

void PaintEverything(MechanismModel& m, ScenePainter& scene, Tally& tally, const std::string& label)
{
    SimulateTick(m);
    CheckingCanvas picture;
    scene.Paint(picture, m);
    bool sane = picture.sane;
    for (DiagramKind kind : {DiagramKind::Sine, DiagramKind::Oval, DiagramKind::Steam, DiagramKind::Ports}) {
        const DiagramData data = ComputeDiagram(m, kind, PortsMode::Both);
        CheckingCanvas diagram;
        PaintDiagram(diagram, m, data, QString());
        sane = sane && diagram.sane;
    }
    ++tally.painted;
    if (!sane && tally.faults++ == 0) tally.firstFault = label;
}

// The 100,000 mutations are shared out over four shards that run side by side; the corpus runs
// in the first. ZEPH_MUTATIONS lowers the count (the sanitizer build runs a sample).
constexpr int Shards = 4;

class DesignCorpusPaint : public ::testing::TestWithParam<int> {};

TEST_P(DesignCorpusPaint, EveryOpenedDesignTicksAndPaintsWithSanePixels)
{
    const int shard = GetParam();
    ScenePainter scene;
    Tally tally;
    static const MechanismModel started = test::StartedModel();
    auto run = [&](const test::Bytes& bytes, const std::string& label) {
        MechanismModel m = started;
        m.SteamDisplayOn = m.RefPointsOn = m.DynVarOn = m.UndoOn = m.PivotDataOn = true;
        if (!OpenDesign(m, bytes)) PaintEverything(m, scene, tally, label);
    };
    if (shard == 0)
        for (const auto& entry : std::filesystem::directory_iterator(ZEPH_DESIGN_CORPUS))
            if (entry.is_regular_file()) run(test::Read(entry.path()), entry.path().filename().string());
    const std::vector<test::Bytes> seeds = test::Seeds();
    std::mt19937 rng(20260613u);
    const char* limit = std::getenv("ZEPH_MUTATIONS");
    const long count = limit ? std::atol(limit) : 100000;
    for (long i = 0; i < count; ++i) {
        test::Bytes b = seeds[rng() % seeds.size()];
        for (unsigned n = 1 + rng() % 4; n > 0; --n) test::Mutate(b, rng);
        if (i % Shards == shard) run(b, "mutation " + std::to_string(i));
    }
    EXPECT_GT(tally.painted, count / Shards / 5);
    EXPECT_EQ(tally.faults, 0) << tally.firstFault;
}

INSTANTIATE_TEST_SUITE_P(Shards, DesignCorpusPaint, ::testing::Range(0, Shards));

}  // namespace
}  // namespace zeph
