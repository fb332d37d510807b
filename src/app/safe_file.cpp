#include "app/safe_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

Result failure(int error)
{
    return {false, reason(error)};
}

mode_t creationMode()
{
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// What the file now holds is exactly the bytes: its size and its content read back.
bool holdsExactly(int fd, const QByteArray& bytes)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || info.st_size != bytes.size()) {
        errno = EIO;
        return false;
    }
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (qsizetype offset = 0; offset < bytes.size();) {
        const ssize_t n = ::pread(fd, chunk.data(), size_t(std::min(chunk.size(), bytes.size() - offset)), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || std::memcmp(chunk.constData(), bytes.constData() + offset, size_t(n)) != 0) {
            errno = EIO;
            return false;
        }
        offset += n;
    }
    return true;
}

void syncFolder(const QByteArray& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Temporary files of this target that a write cut short left behind.
void removeLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.dir();
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-LeftoverSeconds);
    const QString pattern = info.fileName() + QString::fromLatin1(TemporarySuffix) + QStringLiteral("??????");
    for (const QFileInfo& left : folder.entryInfoList({pattern}, QDir::Files | QDir::Hidden))
        if (left.lastModified().toUTC() < old)
            QFile::remove(left.filePath());
}

} // namespace

Result replace(const QString& path, const QByteArray& bytes)
{
    // A link is followed, so the file it points to is replaced rather than the link.
    const QFileInfo info(path);
    const QString resolved = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    removeLeftovers(resolved);
    const QByteArray target = QFile::encodeName(resolved);
    QByteArray temporary = target + TemporarySuffix + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(errno);

    struct stat old
    {
    };
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : creationMode();
    const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0 && holdsExactly(fd, bytes);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.constData());
        return failure(error);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failure(error);
    }
    syncFolder(target);
    return {true, QString()};
}

QString reason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("de schijf is vol");
    case EFBIG:
        return QStringLiteral("het bestand wordt groter dan toegestaan");
    case EACCES:
    case EPERM:
        return QStringLiteral("geen toestemming om daar te schrijven");
    case EROFS:
        return QStringLiteral("de schijf kan alleen gelezen worden");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("de map bestaat niet");
    case EISDIR:
        return QStringLiteral("er staat een map met die naam");
    case ENAMETOOLONG:
        return QStringLiteral("de naam is te lang");
    case EIO:
        return QStringLiteral("de schijf gaf een schrijffout");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString failureText(const QString& name, const Result& result)
{
    return QStringLiteral("Kan %1 niet schrijven: %2.").arg(name, result.reason);
}

} // namespace SafeFile
