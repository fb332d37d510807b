#include "printing/supplement_page_file.h"

#include "app/application_state.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The supplement reader reads from a program folder's Supplementen folder. A
// temporary program folder whose Supplementen is a link to the file's own
// folder lets it read a supplement wherever it lies, by the same rules.
struct LinkedFolder
{
    QTemporaryDir root;
    bool ok = false;

    explicit LinkedFolder(const QString& folder)
        : ok(root.isValid() && QFile::link(folder, root.filePath(QString::fromLatin1(SupplementBestand::Map))))
    {}
};

QString leesMelding(LeesStatus status, const QString& path)
{
    switch (status) {
    case LeesStatus::Gelukt:
        return {};
    case LeesStatus::Ontbreekt:
        return QStringLiteral("Supplement niet gevonden of niet leesbaar: %1").arg(path);
    case LeesStatus::TeKort:
        return QStringLiteral("Supplement onvolledig (minder dan vijf regels): %1").arg(path);
    case LeesStatus::TeveelRegels:
        return QStringLiteral("Meer dan 100 omschrijvingsregels; alleen de eerste 100 worden afgedrukt.");
    }
    return {};
}

} // namespace

SupplementPaginaBestand LeesSupplementPagina(const QString& supPath)
{
    const QFileInfo info(supPath);
    const QString name = info.completeBaseName();
    if (!info.isFile() || !IsGeldigeSupplementNaam(name))
        return {std::nullopt, leesMelding(LeesStatus::Ontbreekt, supPath)};
    const LinkedFolder linked(info.absolutePath());
    if (!linked.ok)
        return {std::nullopt, QStringLiteral("Geen tijdelijke map beschikbaar om %1 te lezen.").arg(supPath)};

    const ProgramFolder folder(linked.root.path());
    const GelezenSupplement gelezen = LeesSupplement(folder, name);
    if (gelezen.status == LeesStatus::Ontbreekt || gelezen.status == LeesStatus::TeKort)
        return {std::nullopt, leesMelding(gelezen.status, supPath)};

    ApplicationState state;
    ZetGelezenSupplement(state, gelezen);
    // The page preview shows the page number as read; the picture is optional.
    const QImage picture(SupplementAfbeeldingPad(folder, name));
    return {SupplementPaginaUitState(state, picture, state.PaginaNr), leesMelding(gelezen.status, supPath)};
}
