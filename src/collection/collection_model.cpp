#include "collection/collection_model.h"

#include "app/text_file.h"

#include <QFile>

CollectionModel::CollectionModel(ProgramFolder folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{
    load();
}

void CollectionModel::load()
{
    MarksFile::Decoded read = MarksFile::decode(
        TextFile::readLines(m_folder.path(QString::fromLatin1(MarksFile::Path))).value_or(QStringList()));
    m_marks = std::move(read.marks);
    m_damaged = std::move(read.damagedLines);
    m_unreadable = std::move(read.unreadable);
    Q_EMIT marksChanged();
}

QString CollectionModel::damageText() const
{
    QStringList lines;
    for (int line : m_damaged)
        lines << QStringLiteral("Regel %1 van %2 is onleesbaar; hij blijft staan zoals hij is.")
                     .arg(line)
                     .arg(QString::fromLatin1(MarksFile::Path));
    return lines.join(QLatin1Char('\n'));
}

SafeFile::Result CollectionModel::write(const Marks& marks)
{
    const SafeFile::Result written =
        SafeFile::replace(m_folder.path(QString::fromLatin1(MarksFile::Path)), MarksFile::encode(marks, m_unreadable));
    if (written) {
        m_marks = marks;
        Q_EMIT marksChanged();
    }
    return written;
}

SafeFile::Result CollectionModel::setMark(const QString& key, const Mark& mark)
{
    Marks changed = m_marks;
    if (mark.isEmpty())
        changed.remove(key);
    else
        changed.insert(key, mark);
    if (changed == m_marks)
        return {true, {}};
    return write(changed);
}

SafeFile::Result CollectionModel::replaceAll(const Marks& marks)
{
    const QString path = m_folder.path(QString::fromLatin1(MarksFile::Path));
    const QString backup = m_folder.path(QString::fromLatin1(BackupPath));
    if (!QFile::exists(path)) {
        QFile::remove(backup); // from an earlier import: not what was there before this one
    } else {
        const std::optional<QByteArray> old = TextFile::readBytes(path);
        if (!old)
            return {false, QStringLiteral("het oude bestand kon niet worden gelezen")};
        if (const SafeFile::Result kept = SafeFile::replace(backup, *old); !kept)
            return kept;
    }
    return write(marks);
}
