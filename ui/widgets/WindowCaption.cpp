// The captions of the windows: title, the design's name, today's date and time, and the version.
#include "ui/widgets/WindowCaption.h"

#include "platform/Clock.h"

namespace zeph {

QString WindowCaption(const MechanismModel& m, const QString& title)
{
    return title + QString::fromStdString(m.DimSetName) + "     " + ShortDateText() + "   " + LongTimeText() +
           "   " + "Version 2.6";
}

}  // namespace zeph
