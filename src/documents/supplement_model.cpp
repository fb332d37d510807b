#include "documents/supplement_model.h"

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "documents/supplement_lock.h"

#include <QFileInfo>

const QString SupplementModel::DefaultPlaatsnaam = QStringLiteral("Plaatsnaam");
const QString SupplementModel::DefaultJaartal = QStringLiteral("Jaar");
const QString SupplementModel::DefaultPaginaNr = QStringLiteral("1");
const QString SupplementModel::DefaultOmschrijving = QStringLiteral("Omschrijving");

namespace {

QImage emptyCanvas()
{
    QImage empty(CanvasDocument::Size, QImage::Format_RGB32);
    empty.fill(Qt::white);
    return empty;
}

QString commandRunningText()
{
    return QStringLiteral("Er loopt nog een bewerking op het velletje; wacht tot die klaar is.");
}

} // namespace

SupplementModel::SupplementModel(QObject* parent)
    : QObject(parent)
    , m_plaatsnaam(DefaultPlaatsnaam)
    , m_jaartal(DefaultJaartal)
    , m_paginaNr(DefaultPaginaNr)
    , m_omschrijving(DefaultOmschrijving)
{
    m_canvas.reset(emptyCanvas());
    connect(&m_canvas.undoStack(), &QUndoStack::cleanChanged, this, &SupplementModel::touch);
    connect(&m_canvas, &CanvasDocument::floatingChanged, this, &SupplementModel::touch);
}

void SupplementModel::setText(QString& member, const QString& text, Field field)
{
    if (member == text)
        return;
    member = text;
    m_fieldsModified = true;
    Q_EMIT changed(field);
    touch();
}

void SupplementModel::setPlaatsnaam(const QString& text)
{
    setText(m_plaatsnaam, text, Field::Plaatsnaam);
}

void SupplementModel::setCatalogusNr(const QString& text)
{
    setText(m_catalogusNr, text, Field::CatalogusNr);
}

void SupplementModel::setJaartal(const QString& text)
{
    setText(m_jaartal, text, Field::Jaartal);
}

void SupplementModel::setPaginaNr(const QString& text)
{
    setText(m_paginaNr, text, Field::PaginaNr);
}

void SupplementModel::setField(Field field, const QString& text)
{
    switch (field) {
    case Field::Plaatsnaam:
        return setPlaatsnaam(text);
    case Field::CatalogusNr:
        return setCatalogusNr(text);
    case Field::Jaartal:
        return setJaartal(text);
    case Field::PaginaNr:
        return setPaginaNr(text);
    default:
        return;
    }
}

QString SupplementModel::field(Field field) const
{
    switch (field) {
    case Field::Plaatsnaam:
        return m_plaatsnaam;
    case Field::CatalogusNr:
        return m_catalogusNr;
    case Field::Jaartal:
        return m_jaartal;
    case Field::PaginaNr:
        return m_paginaNr;
    default:
        return QString();
    }
}

void SupplementModel::setOmschrijving(const QString& text, const QStringList& lines)
{
    const QStringList kept = lines.mid(0, SupplementFile::MaxLines);
    if (text == m_omschrijving && kept == m_lines)
        return;
    m_omschrijving = text;
    m_lines = kept;
    m_fieldsModified = true;
    Q_EMIT changed(Field::Omschrijving);
    touch();
}

void SupplementModel::transferPicture()
{
    m_canvas.fixFloating();
    m_pagePicture = m_canvas.image().copy();
    m_pictureTransferred = true;
    m_fieldsModified = true;
    Q_EMIT changed(Field::Picture);
    touch();
}

void SupplementModel::setCatalogueRecord(const QString& key, const CatalogueInfo& info)
{
    m_catalogueKey = key;
    m_catalogueRecord = info;
    Q_EMIT changed(Field::CatalogueRecord);
}

bool SupplementModel::isModified() const
{
    return m_fieldsModified || !m_canvas.undoStack().isClean() || m_canvas.floating().has_value();
}

void SupplementModel::touch()
{
    const bool modified = isModified();
    if (modified == m_lastModified)
        return;
    m_lastModified = modified;
    Q_EMIT modifiedChanged(modified);
}

void SupplementModel::markUnmodified()
{
    m_fieldsModified = false;
    m_canvas.undoStack().setClean();
    touch();
}

void SupplementModel::startNew()
{
    if (m_canvas.busy())
        return;
    setPlaatsnaam(DefaultPlaatsnaam);
    setCatalogusNr(QString());
    setJaartal(DefaultJaartal);
    setPaginaNr(DefaultPaginaNr);
    setOmschrijving(DefaultOmschrijving, {});
    m_pictureTransferred = false;
    m_pagePicture = QImage();
    Q_EMIT changed(Field::Picture);
    setCatalogueRecord(QString(), CatalogueInfo{});
    setOutsideFolder(QString());
    m_canvas.reset(emptyCanvas());
    markUnmodified();
}

void SupplementModel::setOutsideFolder(const QString& directory)
{
    if (directory == m_outsideFolder)
        return;
    m_outsideFolder = directory;
    Q_EMIT outsideFolderChanged(directory);
}

QString SupplementModel::openSheetlet(const ProgramFolder& folder, const QString& key)
{
    return openSheetletPicture(folder, key, LaadVelAfbeeldingPad(folder, LaadVelModus::Velletjes, key));
}

QString SupplementModel::openSheetletFile(const ProgramFolder& folder, const QString& path)
{
    return openSheetletPicture(folder, QFileInfo(path).completeBaseName(), path);
}

QString SupplementModel::openSheetletPicture(const ProgramFolder& folder, const QString& key, const QString& path)
{
    if (m_canvas.busy())
        return commandRunningText();
    const PictureFile::Picture picture = PictureFile::read(path, PictureFile::ReadOptions::exactly(SheetletSize));
    if (const auto parts = splitKey(key)) {
        setPlaatsnaam(parts->Plaatsnaam);
        setJaartal(parts->Jaartal);
    }
    const CatalogueInfo info = LeesInformatie(folder, key);
    setCatalogueRecord(key, info);
    setCatalogusNr(info.Infolab[0]);
    // The sheetlet goes to the canvas only; the page gets it through the transfer button.
    m_pictureTransferred = false;
    m_pagePicture = QImage();
    Q_EMIT changed(Field::Picture);
    setOutsideFolder(QString());
    m_canvas.reset(picture.ok() ? picture.image : emptyCanvas());
    markUnmodified();
    return picture.error;
}

QStringList SupplementModel::openSupplement(const ProgramFolder& folder, const QString& name)
{
    return openPair(folder, supplementsFolder(folder), name);
}

QStringList SupplementModel::openSupplementFile(const ProgramFolder& folder, const QString& path)
{
    const QFileInfo file(path);
    return openPair(folder, file.absolutePath(), file.completeBaseName());
}

QStringList SupplementModel::openPair(const ProgramFolder& folder, const QString& directory, const QString& name)
{
    if (m_canvas.busy())
        return {commandRunningText()};
    QStringList messages;
    // Text and bitmap of one save, not one of each of two copies of the program saving meanwhile.
    const SupplementLock lock(directory);
    // The text first: reading it finishes or discards a save that was interrupted, bitmap included.
    const SupplementReadResult read = LeesSupplement(directory, name);
    if (read.status == ReadStatus::LineTooLong || read.status == ReadStatus::TooManyLines)
        messages << supplementReadMessage(read, name);
    setPlaatsnaam(read.Plaatsnaam.value_or(name));
    // The old program stored its placeholder "Nr." when no number was ever entered.
    const QString nummer = read.CatalogusNr.value_or(QString());
    setCatalogusNr(nummer == QLatin1String("Nr.") ? QString() : nummer);
    setJaartal(read.Jaartal.value_or(DefaultJaartal));
    setPaginaNr(read.PaginaNr.value_or(DefaultPaginaNr));
    // The box shows the lines as they are stored, so an unchanged description is stored unchanged.
    setOmschrijving(read.linesRead ? read.lines.join(QLatin1Char('\n')) : DefaultOmschrijving, read.lines);

    QImage picture;
    const QString bitmap = supplementPicturePath(directory, name);
    if (QFileInfo::exists(bitmap)) {
        const PictureFile::Picture loaded = PictureFile::read(bitmap, PictureFile::ReadOptions::exactly(SheetletSize));
        if (!loaded.ok())
            messages << loaded.error + QStringLiteral(" Het supplement wordt zonder plaatje geopend.");
        picture = loaded.ok() ? CanvasDocument::fitted(loaded.image) : QImage();
    }
    m_pictureTransferred = !picture.isNull();
    m_pagePicture = picture;
    Q_EMIT changed(Field::Picture);
    m_canvas.reset(picture.isNull() ? emptyCanvas() : picture);
    lookUpCatalogue(folder);
    const QString own = supplementsFolder(folder);
    const bool inOwnFolder = QFileInfo(directory).canonicalFilePath() == QFileInfo(own).canonicalFilePath();
    setOutsideFolder(inOwnFolder ? QString() : QFileInfo(directory).absoluteFilePath());
    markUnmodified();
    return messages;
}

QString SupplementModel::saveFolder(const ProgramFolder& folder) const
{
    return m_outsideFolder.isEmpty() ? supplementsFolder(folder) : m_outsideFolder;
}

void SupplementModel::lookUpCatalogue(const ProgramFolder& folder)
{
    // The sheetlet's key as the open dialog lists it: the year, a hyphen and the place.
    const QString key = m_jaartal + QLatin1Char('-') + m_plaatsnaam;
    const CatalogueInfo info = LeesInformatie(folder, key);
    const bool found = info.Infolab != CatalogueInfo{}.Infolab;
    setCatalogueRecord(found ? key : QString(), info);
}

SaveResult SupplementModel::save(const ProgramFolder& folder)
{
    // What a command has half done is never written.
    if (m_canvas.busy())
        return {WriteStatus::CommandRunning};
    // A placement still floating is saved where it lies, as part of the picture.
    m_canvas.fixFloating();
    const SaveResult result = m_outsideFolder.isEmpty() ? SchrijfSupplement(folder, snapshot())
                                                        : SchrijfSupplement(m_outsideFolder, snapshot());
    if (result.status == WriteStatus::Saved || result.status == WriteStatus::PictureNotRemoved)
        markUnmodified();
    return result;
}

Supplement SupplementModel::snapshot() const
{
    return {m_plaatsnaam, m_catalogusNr, m_jaartal,
            m_paginaNr,   m_lines,       m_pictureTransferred ? m_canvas.image().copy() : QImage()};
}
