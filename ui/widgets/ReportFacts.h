// The facts a window's report opens with: which design, when, and what differs from the built-in one.
#pragma once

#include <QDateTime>
#include <QStringList>

#include "model/design/MechanismModel.h"

namespace zeph {

class Session;

// "Design: NAME" (the file opened or saved last, else "built-in design") and "Date: ...".
QStringList DesignFacts(const Session& session, const QDateTime& when = QDateTime::currentDateTime());

// "Dimensions changed from the built-in design: ..." with each changed dimension, or "none".
QString ChangedDimensionsFact(const MechanismModel& m);

}  // namespace zeph
