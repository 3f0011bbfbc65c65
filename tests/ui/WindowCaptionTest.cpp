// The window captions: title, design name, date and time, and the version.
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "ui/widgets/WindowCaption.h"

using namespace zeph;

TEST(WindowCaption, NamesTheDesignDateTimeAndVersion)
{
    MechanismModel m;
    m.StartUp();
    const QString caption = WindowCaption(m, MainWindowTitle);
    EXPECT_TRUE(caption.startsWith("ZEPHARIN Inside Admission            Nominal     "));
    EXPECT_TRUE(caption.endsWith("   Version 2.6"));
}
