// The dimensions a report lists as changed: exactly those whose stored value is not the built-in one.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/design/ChangedDimensions.h"
#include "model/design/DimensionTable.h"

namespace zeph {
namespace {

using test::StartedModel;

TEST(ChangedDimensions, TheStartedBuiltInDesignHasNone)
{
    EXPECT_TRUE(ChangedDimensionTexts(StartedModel()).empty());
}

// Frame rows before cylinder rows, each value given back as the 32-bit float it is; a value
// that is no number is listed too, and a value set back to its default drops out.
TEST(ChangedDimensions, ListsEachChangedRowWithItsValueAndDefault)
{
    MechanismModel m = StartedModel();
    SetDimension(m, *FindDimension(117), 0.3f);
    SetDimension(m, *FindDimension(18), 1.8f);
    SetDimension(m, *FindDimension(10), std::numeric_limits<float>::quiet_NaN());
    const std::vector<std::string> changed = ChangedDimensionTexts(m);
    ASSERT_EQ(changed.size(), 3u);
    EXPECT_EQ(changed[0], "10 G Link Rad Cent Vert nan (built-in 0.25)");
    EXPECT_EQ(changed[1], "18 Valve Con Rod 1.8 (built-in 1.773)");
    EXPECT_EQ(changed[2].rfind("117 ", 0), 0u) << changed[2];
    EXPECT_NE(changed[2].find(" 0.3 (built-in "), std::string::npos) << changed[2];

    SetDimension(m, *FindDimension(18), FindDimension(18)->defaultValue);
    EXPECT_EQ(ChangedDimensionTexts(m).size(), 2u);
    // The smallest step a 32-bit value can take still counts.
    SetDimension(m, *FindDimension(18), std::nextafter(FindDimension(18)->defaultValue, 2.0f));
    EXPECT_EQ(ChangedDimensionTexts(m).size(), 3u);
}

}  // namespace
}  // namespace zeph
