#pragma once

// The collection of the program folder: the marks of Data/Verzameling.txt,
// read when made and written at every change through the safe writer. The
// windows show the marks and change them only through here; each change is
// announced. A mark for a key the catalogue does not (or no longer) hold is
// kept like any other.

#include "app/program_folder.h"
#include "app/safe_file.h"
#include "collection/collection_marks.h"

#include <QList>
#include <QObject>

class CollectionModel : public QObject
{
    Q_OBJECT
public:
    explicit CollectionModel(ProgramFolder folder, QObject* parent = nullptr);

    // Reads the file afresh; a missing file is an empty collection.
    void load();

    const Marks& marks() const { return m_marks; }
    Mark mark(const QString& key) const { return m_marks.value(key); }
    // The lines of the file that could not be read (counted from 1), passed over at the last load; they are
    // written back as they stand with every change.
    const QList<int>& damagedLines() const { return m_damaged; }
    // "Regel 4 van Data/Verzameling.txt is onleesbaar ..." for each, in Dutch; empty when there are none.
    QString damageText() const;

    // Stores the mark (an empty one takes the key out) and writes the file. When the write fails the
    // collection stays as it was, and the result says why.
    SafeFile::Result setMark(const QString& key, const Mark& mark);
    // All marks at once (an import): the file as it was is kept first as BackupPath (which goes when
    // there was no file).
    SafeFile::Result replaceAll(const Marks& marks);

    static constexpr auto BackupPath = "Data/Verzameling-vorige.txt";

Q_SIGNALS:
    void marksChanged();

private:
    SafeFile::Result write(const Marks& marks);

    ProgramFolder m_folder;
    Marks m_marks;
    QList<int> m_damaged;
    QStringList m_unreadable;
};
