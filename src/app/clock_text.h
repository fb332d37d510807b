#pragma once

// The caption of the clocks: a blank, the time as h:mm:ss (hours without a
// leading zero), " / " and the date in the user's short date format.

#include <QDateTime>
#include <QLocale>
#include <QString>

QString clockText(const QDateTime& moment, const QLocale& locale = QLocale());
