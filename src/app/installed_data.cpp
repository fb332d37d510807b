#include "app/installed_data.h"

#include "app/safe_file.h"
#include "app/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace {

constexpr auto RecordName = ".velinor-data-versions";
constexpr QChar Separator = u'\t';

struct Versions
{
    QString given; // the version last put into the user's folder
    QString told;  // the version the user was told about, their changed copy kept
    bool operator==(const Versions&) const = default;
};
using Record = QMap<QString, Versions>;

QString fingerprint(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

Record readRecord(const QString& path)
{
    Record record;
    for (const QString& line : TextFile::readLines(path).value_or(QStringList())) {
        const QStringList parts = line.split(Separator);
        if (parts.size() == 3)
            record.insert(parts.at(0), Versions{parts.at(1), parts.at(2)});
    }
    return record;
}

void writeRecord(const QString& path, const Record& record)
{
    QStringList lines;
    for (auto it = record.cbegin(); it != record.cend(); ++it)
        lines << QStringList{it.key(), it->given, it->told}.join(Separator);
    TextFile::writeLines(path, lines);
}

// Through the safe writer: a copy cut short by a full disk would otherwise stay as the user's.
bool copyFile(const QString& from, const QString& to)
{
    const std::optional<QByteArray> bytes = TextFile::readBytes(from);
    if (!bytes)
        return false;
    QDir().mkpath(QFileInfo(to).path());
    return bool(SafeFile::replace(to, *bytes));
}

// One installed file against the user's copy and what the record says of it.
void update(const QString& relative, const QString& source, const QString& target, Versions& versions,
            DataUpdate& result)
{
    const QString installed = fingerprint(source);
    if (installed.isEmpty() || versions.given == installed)
        return;
    const bool exists = QFileInfo::exists(target);
    if (versions.given.isEmpty() && !exists) {
        if (copyFile(source, target)) {
            versions.given = installed;
            result.copied << relative;
        }
        return;
    }
    if (!exists) // given before and deleted since: it stays deleted
        return;
    const QString own = fingerprint(target);
    if (own == installed) {
        versions.given = installed;
    } else if (!versions.given.isEmpty() && own == versions.given) {
        if (copyFile(source, target)) {
            versions.given = installed;
            result.replaced << relative;
        }
    } else if (versions.told != installed) {
        versions.told = installed;
        result.keptChanged << relative;
    }
}

} // namespace

DataUpdate UpdateUserData(const QString& installed, const QString& userFolder)
{
    const QString recordPath = userFolder + QLatin1Char('/') + QLatin1String(RecordName);
    Record record = readRecord(recordPath);
    const Record before = record;
    DataUpdate result;
    for (const char* sub : {"Data", "Images", "Supplementen", "help"}) {
        const QString name = QString::fromLatin1(sub);
        QDir().mkpath(userFolder + QLatin1Char('/') + name);
        QDirIterator it(installed + QLatin1Char('/') + name, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString relative = QDir(installed).relativeFilePath(source);
            update(relative, source, userFolder + QLatin1Char('/') + relative, record[relative], result);
        }
    }
    if (record != before)
        writeRecord(recordPath, record);
    return result;
}

QString KeptCopiesMessage(const QStringList& keptChanged, const QString& installed)
{
    if (keptChanged.isEmpty())
        return QString();
    return QStringLiteral(
               "Deze versie van Velinor brengt nieuwe gegevens mee voor bestanden die u zelf hebt gewijzigd. "
               "Uw eigen versie is bewaard:\n\n%1\n\nDe nieuwe versie staat in %2.")
        .arg(keptChanged.join(QLatin1Char('\n')), QDir::toNativeSeparators(installed));
}
