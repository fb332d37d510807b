#include "documents/supplement_lock.h"

#include <QDir>
#include <QLockFile>

#include <map>
#include <memory>

namespace {

struct Holding
{
    std::unique_ptr<QLockFile> file;
    bool held = false;
    int depth = 0;
};

// The locks this thread holds, by path; another thread of the same program waits like another copy would.
thread_local std::map<QString, Holding> holdings;

} // namespace

SupplementLock::SupplementLock(const QString& folder)
    : m_path(QDir(folder).absoluteFilePath(QString::fromLatin1(FileName)))
{
    Holding& holding = holdings[m_path];
    if (holding.depth++ == 0) {
        holding.file = std::make_unique<QLockFile>(m_path);
        holding.held = holding.file->tryLock(WaitMilliseconds) || holding.file->error() != QLockFile::LockFailedError;
    }
    m_held = holding.held;
}

SupplementLock::~SupplementLock()
{
    const auto it = holdings.find(m_path);
    if (--it->second.depth == 0)
        holdings.erase(it); // unlocks
}
