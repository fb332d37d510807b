#pragma once

// Catches the addresses the program hands to the desktop, for the scheme it
// is registered for with QDesktopServices::setUrlHandler.

#include <QObject>
#include <QStringList>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url.toString(QUrl::FullyEncoded); }
};
