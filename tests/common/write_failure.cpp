#include "common/write_failure.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(long long bytes)
{
    // Past the limit the system sends SIGXFSZ, which would end the process; ignored, the write fails with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
}

FullDisk::FullDisk()
{
    if (geteuid() != 0) {
        m_unavailable = QStringLiteral("a small file system can only be mounted as root");
        return;
    }
    const QString root = QDir::tempPath() + QStringLiteral("/velinor-full-disk-%1").arg(getpid());
    QDir().mkpath(root);
    if (mount("tmpfs", QFile::encodeName(root).constData(), "tmpfs", 0, "size=1m") != 0) {
        m_unavailable = QStringLiteral("mounting a tmpfs is not allowed here");
        QDir().rmdir(root);
        return;
    }
    m_root = root;
}

FullDisk::~FullDisk()
{
    if (m_root.isEmpty())
        return;
    umount2(QFile::encodeName(m_root).constData(), MNT_DETACH);
    QDir().rmdir(m_root);
}

void FullDisk::fill() const
{
    QFile filler(m_root + QStringLiteral("/vulling"));
    filler.open(QIODevice::Append);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    // The last partial block may still fit byte by byte.
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
}
