// The report facts, from the session's design file and the dimension table's defaults.
#include "ui/widgets/ReportFacts.h"

#include "model/design/ChangedDimensions.h"
#include "ui/session/Session.h"

namespace zeph {

QStringList DesignFacts(const Session& session, const QDateTime& when)
{
    const QString& file = session.Files().DesignFileName();
    return {QStringLiteral("Design: %1").arg(file.isEmpty() ? QStringLiteral("built-in design") : file),
            QStringLiteral("Date: %1").arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))};
}

QString ChangedDimensionsFact(const MechanismModel& m)
{
    QStringList changed;
    for (const std::string& line : ChangedDimensionTexts(m)) changed << QString::fromStdString(line);
    return QStringLiteral("Dimensions changed from the built-in design: %1")
        .arg(changed.isEmpty() ? QStringLiteral("none") : changed.join(QStringLiteral("; ")));
}

}  // namespace zeph
