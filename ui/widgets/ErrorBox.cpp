// The error box and its line on standard error.
#include "ui/widgets/ErrorBox.h"

#include <QMessageBox>
#include <cstdio>

namespace zeph {

void ShowErrorBox(QWidget* parent, const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "zepharin: %s\n", line.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.setObjectName("errorBox");
    box.exec();
}

QString AsSentence(QString reason)
{
    if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.'))) reason += QLatin1Char('.');
    return reason;
}

}  // namespace zeph
