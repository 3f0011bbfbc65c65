// The captions of the windows: title, the design's name, today's date and time, and the version.
#pragma once

#include <QString>

#include "model/design/MechanismModel.h"

namespace zeph {

// Title of the main window's caption (the design name, date, time and version follow).
inline const QString MainWindowTitle = QStringLiteral("ZEPHARIN Inside Admission            ");

// A window caption: title, design name, today's date and time, and the version.
QString WindowCaption(const MechanismModel& m, const QString& title);

}  // namespace zeph
