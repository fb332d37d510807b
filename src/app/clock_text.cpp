#include "app/clock_text.h"

QString clockText(const QDateTime& moment, const QLocale& locale)
{
    return QLatin1Char(' ') + moment.time().toString(QStringLiteral("h:mm:ss")) + QStringLiteral(" / ") +
           locale.toString(moment.date(), QLocale::ShortFormat);
}
