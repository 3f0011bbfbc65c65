// Today's date and the time of day as text, in the user's short date and long time formats.
#pragma once

#include <QString>

namespace zeph {

QString ShortDateText();
// The time with seconds, as the user's locale writes it, without a time-zone name.
QString LongTimeText();

// A time format with its time-zone fields (and the blanks before them) removed.
QString WithoutTimeZone(const QString& timeFormat);

}  // namespace zeph
