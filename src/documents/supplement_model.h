#pragma once

// The supplement being designed: its four fields, its description, the
// picture transferred to the page, the catalogue record of its sheetlet, and
// the canvas with its undo history. It is the one place these live: the page
// preview, the catalogue panel and the window title follow its signals, and
// saving and printing take what it holds, so what the page shows is what Save
// writes. Every change goes through a setter that emits changed(field); the
// model knows whether it changed since it was last saved or opened.

#include "app/program_folder.h"
#include "canvas/canvas_document.h"
#include "documents/catalogue.h"
#include "documents/supplement_file.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

class SupplementModel : public QObject
{
    Q_OBJECT
public:
    enum class Field { Plaatsnaam, CatalogusNr, Jaartal, PaginaNr, Omschrijving, Picture, CatalogueRecord };
    Q_ENUM(Field)

    // The defaults of a new supplement. The catalogue number is empty: the page shows "Nr." before it.
    static const QString DefaultPlaatsnaam, DefaultJaartal, DefaultPaginaNr, DefaultOmschrijving;

    explicit SupplementModel(QObject* parent = nullptr);

    const QString& Plaatsnaam() const { return m_plaatsnaam; }
    const QString& CatalogusNr() const { return m_catalogusNr; }
    const QString& Jaartal() const { return m_jaartal; }
    const QString& PaginaNr() const { return m_paginaNr; }
    // The text of the description box, and the lines it displays, which are what is saved and printed.
    const QString& Omschrijving() const { return m_omschrijving; }
    const QStringList& OmschrijvingRegels() const { return m_lines; }
    int AantalRegels() const { return int(m_lines.size()); }
    // Whether the page holds a picture, and the picture as it was transferred.
    bool AfbeeldingOvergezet() const { return m_pictureTransferred; }
    const QImage& pagePicture() const { return m_pagePicture; }
    const CatalogueInfo& catalogueRecord() const { return m_catalogueRecord; }
    // The sheetlet key of the catalogue record shown; empty when none was found.
    const QString& catalogueKey() const { return m_catalogueKey; }

    CanvasDocument& canvas() { return m_canvas; }
    const CanvasDocument& canvas() const { return m_canvas; }

    void setPlaatsnaam(const QString& text);
    void setCatalogusNr(const QString& text);
    void setJaartal(const QString& text);
    void setPaginaNr(const QString& text);
    void setField(Field field, const QString& text);
    QString field(Field field) const;
    // The box text and its displayed lines (at most the box's maximum are kept).
    void setOmschrijving(const QString& text, const QStringList& lines);
    // The canvas as it is now goes onto the page ("Afbeelding overzetten").
    void transferPicture();
    void setCatalogueRecord(const QString& key, const CatalogueInfo& info);

    // Changed since the last save or open: a field, the description, the page picture or the canvas, or a
    // placement floats over it.
    bool isModified() const;
    // What is there now counts as saved (after a save or an open, and for the start-up design).
    void markUnmodified();

    // New and the two opens start the canvas with a history of its own: undo never brings back a picture
    // of the supplement before. None of them, nor a save, runs while a command works on the canvas.

    // A new, empty supplement.
    void startNew();
    // The sheetlet picture Images/key.jpg on the canvas, its year and place from the key and its
    // catalogue record; the page has no picture until it is transferred. Returns an error, or empty.
    QString openSheetlet(const ProgramFolder& folder, const QString& key);
    // The saved supplement: fields, description, page picture and canvas from its pair, the catalogue
    // record of its sheetlet looked up by year and place. Returns the messages to show (none: empty).
    QStringList openSupplement(const ProgramFolder& folder, const QString& name);
    // A sheetlet picture given by its path, as openSheetlet: its key is the file name without extension.
    QString openSheetletFile(const ProgramFolder& folder, const QString& path);
    // A supplement file given by its path, its bitmap beside it: one in the program's Supplementen opens as
    // with openSupplement; one from elsewhere is saved back where it came from.
    QStringList openSupplementFile(const ProgramFolder& folder, const QString& path);
    // The folder a supplement opened from elsewhere came from; empty for the program's own.
    const QString& outsideFolder() const { return m_outsideFolder; }
    // The folder Save writes the pair to.
    QString saveFolder(const ProgramFolder& folder) const;
    // Writes the pair; on success the model counts as unmodified.
    SaveResult save(const ProgramFolder& folder);

    // What a save writes: the fields, the lines and, when a picture was transferred, the canvas.
    Supplement snapshot() const;

Q_SIGNALS:
    void changed(SupplementModel::Field field);
    void modifiedChanged(bool modified);
    // The supplement now comes from (and is saved to) another folder; empty: the program's own.
    void outsideFolderChanged(const QString& directory);

private:
    void setText(QString& member, const QString& text, Field field);
    void touch();
    void lookUpCatalogue(const ProgramFolder& folder);
    QString openSheetletPicture(const ProgramFolder& folder, const QString& key, const QString& path);
    QStringList openPair(const ProgramFolder& folder, const QString& directory, const QString& name);
    void setOutsideFolder(const QString& directory);

    QString m_plaatsnaam, m_catalogusNr, m_jaartal, m_paginaNr, m_omschrijving;
    QStringList m_lines;
    bool m_pictureTransferred = false;
    QImage m_pagePicture;
    CatalogueInfo m_catalogueRecord;
    QString m_catalogueKey;
    QString m_outsideFolder;
    CanvasDocument m_canvas;
    bool m_fieldsModified = false;
    bool m_lastModified = false;
};
