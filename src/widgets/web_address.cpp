#include "widgets/web_address.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenWebAdres(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}
