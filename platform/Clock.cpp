// Date and time texts through the system locale.
#include "platform/Clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace zeph {

QString ShortDateText() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

QString LongTimeText()
{
    const QLocale locale = QLocale::system();
    return locale.toString(QTime::currentTime(), WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString WithoutTimeZone(const QString& timeFormat)
{
    // Qt's long time format ends in a zone name ("t"); a desktop clock shows none. Quoted
    // literal text is copied as it is.
    QString result;
    bool quoted = false;
    for (QChar ch : timeFormat) {
        if (ch == u'\'')
            quoted = !quoted;
        if (!quoted && ch == u't') {
            while (result.endsWith(u' '))
                result.chop(1);
            continue;
        }
        result += ch;
    }
    return result.trimmed();
}

}  // namespace zeph
