#include "documents/supplement_file.h"

#include "app/picture_file.h"
#include "app/text_file.h"
#include "documents/supplement_commit.h"
#include "documents/supplement_lock.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

QByteArray textBytes(const Supplement& supplement)
{
    QStringList lines{supplement.Plaatsnaam, supplement.CatalogusNr, supplement.Jaartal, supplement.PaginaNr,
                      SupplementFile::separatorLine()};
    lines += supplement.lines.mid(0, SupplementFile::MaxLines);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += TextFile::encode(line) + "\r\n";
    return bytes;
}

QStringList textLines(const Supplement& supplement)
{
    return QStringList{supplement.Plaatsnaam, supplement.CatalogusNr, supplement.Jaartal, supplement.PaginaNr} +
           supplement.lines.mid(0, SupplementFile::MaxLines);
}

} // namespace

QString SupplementFile::separatorLine()
{
    return QString(48, QLatin1Char('-'));
}

bool isValidSupplementName(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return false;
    }
    return true;
}

QString supplementsFolder(const ProgramFolder& folder)
{
    return folder.path(QString::fromLatin1(SupplementFile::Folder));
}

QString supplementTextPath(const ProgramFolder& folder, const QString& name)
{
    return supplementTextPath(supplementsFolder(folder), name);
}

QString supplementPicturePath(const ProgramFolder& folder, const QString& name)
{
    return supplementPicturePath(supplementsFolder(folder), name);
}

bool supplementExists(const ProgramFolder& folder, const QString& name)
{
    return supplementExists(supplementsFolder(folder), name);
}

QString supplementTextPath(const QString& directory, const QString& name)
{
    return ProgramFolder(directory).path(name + QStringLiteral(".sup"));
}

QString supplementPicturePath(const QString& directory, const QString& name)
{
    return ProgramFolder(directory).path(name + QStringLiteral(".bmp"));
}

bool supplementExists(const QString& directory, const QString& name)
{
    return isValidSupplementName(name) && QFileInfo(supplementTextPath(directory, name)).isFile();
}

namespace {

// Why the supplement cannot be written wherever it goes; nothing when it can.
std::optional<SaveResult> refused(const Supplement& supplement)
{
    if (!isValidSupplementName(supplement.Plaatsnaam))
        return SaveResult{WriteStatus::InvalidName};
    // Nothing is stored that would come back changed.
    if (const QStringList characters = unstorableCharacters(supplement); !characters.isEmpty())
        return SaveResult{WriteStatus::UnknownCharacters, QString(), characters};
    const QStringList lines = textLines(supplement);
    if (std::any_of(lines.begin(), lines.end(),
                    [](const QString& line) { return line.size() > SupplementFile::MaxLineLength; }))
        return SaveResult{WriteStatus::TextTooLong};
    return std::nullopt;
}

// The pair into a folder that exists, all or nothing.
SaveResult writePair(const QString& directory, const Supplement& supplement, const std::function<void()>& betweenFiles)
{
    const SupplementLock lock(directory);
    if (!lock.held())
        return {WriteStatus::FolderBusy, QString()};
    std::optional<QByteArray> picture;
    if (!supplement.picture.isNull()) {
        picture = PictureFile::encode(supplement.picture.convertToFormat(QImage::Format_RGB888), "BMP");
        if (!picture)
            return {WriteStatus::PictureNotWritten, QString()};
    }
    const QString& name = supplement.Plaatsnaam;
    const SupplementCommit::Result result =
        SupplementCommit::replacePair(supplementTextPath(directory, name), textBytes(supplement),
                                      supplementPicturePath(directory, name), picture, betweenFiles);
    switch (result.outcome) {
    case SupplementCommit::Outcome::Done:
        return {};
    case SupplementCommit::Outcome::TextFailed:
        return {WriteStatus::TextNotWritten, result.reason};
    case SupplementCommit::Outcome::PictureFailed:
        return {WriteStatus::PictureNotWritten, result.reason};
    case SupplementCommit::Outcome::PictureNotRemoved:
        return {WriteStatus::PictureNotRemoved, result.reason};
    }
    return {WriteStatus::TextNotWritten, result.reason};
}

} // namespace

SaveResult SchrijfSupplement(const ProgramFolder& folder, const Supplement& supplement,
                             const std::function<void()>& betweenFiles)
{
    if (const std::optional<SaveResult> refusal = refused(supplement))
        return *refusal;
    // A program folder deleted while the program runs is not made again for one file in it.
    if (!QFileInfo(folder.root()).isDir())
        return {WriteStatus::ProgramFolderGone, folder.root()};
    const QString supplements = supplementsFolder(folder);
    if (!QDir().mkpath(supplements))
        return {WriteStatus::FolderNotMade, QString()};
    return writePair(supplements, supplement, betweenFiles);
}

SaveResult SchrijfSupplement(const QString& directory, const Supplement& supplement,
                             const std::function<void()>& betweenFiles)
{
    if (const std::optional<SaveResult> refusal = refused(supplement))
        return *refusal;
    if (!QFileInfo(directory).isDir())
        return {WriteStatus::FolderGone, directory};
    return writePair(directory, supplement, betweenFiles);
}

SupplementReadResult LeesSupplement(const ProgramFolder& folder, const QString& name)
{
    return LeesSupplement(supplementsFolder(folder), name);
}

SupplementReadResult LeesSupplement(const QString& directory, const QString& name)
{
    if (!isValidSupplementName(name))
        return {};
    // Without the lock another copy may be saving: its files are left alone, and the text read is whole anyway.
    if (const SupplementLock lock(directory); lock.held())
        SupplementCommit::recover(supplementTextPath(directory, name), supplementPicturePath(directory, name));
    return readSupplementFile(supplementTextPath(directory, name));
}

void recoverSupplements(const ProgramFolder& folder)
{
    // Every trace of a save: its marker, a file waiting to move in, or a write of either cut short.
    static const QRegularExpression trace(
        QStringLiteral("^(.+)\\.(?:sup|bmp)\\.(?:nieuw|klaar)(?:\\.(?:velinor-)?\\w{6})?$"));
    const QDir dir(supplementsFolder(folder));
    const SupplementLock lock(dir.path());
    if (!lock.held())
        return;
    QSet<QString> names;
    for (const QString& file : dir.entryList({QStringLiteral("*.nieuw*"), QStringLiteral("*.klaar*")}, QDir::Files))
        if (const auto match = trace.match(file); match.hasMatch() && isValidSupplementName(match.captured(1)))
            names.insert(match.captured(1));
    for (const QString& name : std::as_const(names))
        SupplementCommit::recover(supplementTextPath(folder, name), supplementPicturePath(folder, name));
}

SupplementReadResult readSupplementFile(const QString& path)
{
    SupplementReadResult result;
    std::optional<QStringList> lines = TextFile::readFirstLines(path, SupplementFile::MaxFileSize);
    if (!lines)
        return result;
    // Reading stops at a line too long to be the program's own, as it stops at any other damage.
    bool damaged = false;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (lines->at(i).size() > SupplementFile::MaxLineLength) {
            *lines = lines->mid(0, i);
            damaged = true;
            result.damagedLine = int(i + 1);
            break;
        }
    }
    std::optional<QString>* fields[] = {&result.Plaatsnaam, &result.CatalogusNr, &result.Jaartal, &result.PaginaNr};
    for (qsizetype i = 0; i < 4 && i < lines->size(); ++i)
        *fields[i] = lines->at(i);
    if (lines->size() < 5) {
        result.status = damaged ? ReadStatus::LineTooLong : ReadStatus::TooShort;
        return result;
    }
    result.linesRead = true;
    result.lines = lines->mid(5, SupplementFile::MaxLines);
    if (lines->size() - 5 > SupplementFile::MaxLines)
        result.status = ReadStatus::TooManyLines;
    else
        result.status = damaged ? ReadStatus::LineTooLong : ReadStatus::Complete;
    return result;
}

QStringList unstorableCharacters(const Supplement& supplement)
{
    QStringList characters;
    for (const QString& line : textLines(supplement)) {
        for (const QString& character : TextFile::unencodable(line)) {
            if (!characters.contains(character))
                characters << character;
        }
    }
    return characters;
}

QString unstorableCharactersMessage(const QStringList& characters)
{
    const QString what = characters.size() == 1
                             ? QStringLiteral("Het teken %1 kan").arg(characters.value(0))
                             : QStringLiteral("De tekens %1 kunnen").arg(characters.join(QLatin1Char(' ')));
    return what +
           QStringLiteral(" niet in een supplement worden bewaard: het bestand kent alleen West-Europese tekens. "
                          "Gebruik bijvoorbeeld de letter zonder teken erop.");
}

QString saveFailureMessage(const SaveResult& result, const QString& name)
{
    const QString reason = result.reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(result.reason);
    switch (result.status) {
    case WriteStatus::Saved:
        return QString();
    case WriteStatus::InvalidName:
        return QStringLiteral("De plaatsnaam '%1' kan geen bestandsnaam zijn. Het supplement is niet opgeslagen.")
            .arg(name);
    case WriteStatus::UnknownCharacters:
        return unstorableCharactersMessage(result.characters) + QStringLiteral(" Het supplement is niet opgeslagen.");
    case WriteStatus::TextTooLong:
        return QStringLiteral(
                   "Een veld of omschrijvingsregel is langer dan %1 tekens. Het supplement is niet opgeslagen.")
            .arg(SupplementFile::MaxLineLength);
    case WriteStatus::FolderNotMade:
        return QStringLiteral("De map Supplementen kon niet worden aangemaakt. Het supplement is niet opgeslagen.");
    case WriteStatus::TextNotWritten:
        return QStringLiteral("Het bestand '%1.sup' kon niet worden geschreven%2. Het supplement is niet opgeslagen; "
                              "wat er al stond is onveranderd.")
            .arg(name, reason);
    case WriteStatus::PictureNotWritten:
        return QStringLiteral("Het bestand '%1.bmp' kon niet worden geschreven%2. Het supplement is niet opgeslagen; "
                              "wat er al stond is onveranderd.")
            .arg(name, reason);
    case WriteStatus::PictureNotRemoved:
        return QStringLiteral(
                   "Het supplement is opgeslagen, maar het oude plaatje '%1.bmp' kon niet worden verwijderd.")
            .arg(name);
    case WriteStatus::ProgramFolderGone:
        return QStringLiteral("De programmamap %1 bestaat niet meer. Het supplement is niet opgeslagen.")
            .arg(result.reason);
    case WriteStatus::FolderGone:
        return QStringLiteral("De map %1 bestaat niet meer. Het supplement is niet opgeslagen.").arg(result.reason);
    case WriteStatus::FolderBusy:
        return QStringLiteral("Een ander venster van Velinor bewaart op dit moment een supplement. '%1' is niet "
                              "opgeslagen; probeer het zo nog eens.")
            .arg(name);
    case WriteStatus::CommandRunning:
        return QStringLiteral("Er loopt nog een bewerking op het velletje. Het supplement is niet opgeslagen; "
                              "bewaar het als de bewerking klaar is.");
    }
    return QString();
}

QString supplementReadMessage(const SupplementReadResult& reading, const QString& name)
{
    switch (reading.status) {
    case ReadStatus::Complete:
        return QString();
    case ReadStatus::Missing:
        return QStringLiteral("Het bestand '%1.sup' ontbreekt of kan niet worden gelezen.").arg(name);
    case ReadStatus::TooShort:
        return QStringLiteral("Het bestand '%1.sup' is onvolledig (minder dan vijf regels).").arg(name);
    case ReadStatus::TooManyLines:
        return QStringLiteral("Het bestand '%1.sup' heeft meer dan %2 omschrijvingsregels; de eerste %2 zijn "
                              "gelezen. Wie het supplement weer bewaart, bewaart alleen die %2.")
            .arg(name)
            .arg(SupplementFile::MaxLines);
    case ReadStatus::LineTooLong:
        return QStringLiteral("Regel %1 van '%2.sup' is langer dan %3 tekens en kon niet worden gelezen; "
                              "het bestand is beschadigd. Alleen de regels ervoor zijn gelezen.")
            .arg(reading.damagedLine)
            .arg(name)
            .arg(SupplementFile::MaxLineLength);
    }
    return QString();
}
