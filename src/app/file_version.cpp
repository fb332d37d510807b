#include "app/file_version.h"

#include <QByteArrayView>
#include <QFile>

namespace {

// The tag before the version in the program file (see version_marker.cpp).
constexpr QByteArrayView kTag("\x01VELINOR-FILEVERSION\x02");

// "1.0.0.2": four numbers separated by points, ended by NUL.
bool isVersionText(QByteArrayView text)
{
    int parts = 1, digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > 5)
                return false;
        } else if (c == '.' && digits > 0) {
            ++parts;
            digits = 0;
        } else {
            return false;
        }
    }
    return parts == 4 && digits > 0;
}

} // namespace

QString ProgramVersion()
{
    return QStringLiteral(VELINOR_VERSION);
}

QString GetFileVersion(const QString& strFileName)
{
    QFile file(strFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Error");
    const qint64 size = file.size();
    const uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    if (!mapped)
        return QStringLiteral("Error");
    const QByteArrayView bytes(reinterpret_cast<const char*>(mapped), size);
    for (qsizetype at = bytes.indexOf(kTag); at >= 0; at = bytes.indexOf(kTag, at + 1)) {
        const qsizetype start = at + kTag.size();
        const qsizetype end = bytes.indexOf('\0', start);
        if (end < 0 || end - start > 24)
            continue;
        const QByteArrayView text = bytes.sliced(start, end - start);
        if (isVersionText(text))
            return QString::fromLatin1(text);
    }
    return QStringLiteral("Error");
}
