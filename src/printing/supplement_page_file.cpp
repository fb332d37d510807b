#include "printing/supplement_page_file.h"

#include "app/application_state.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

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
    case LeesStatus::TeLangeRegel:
        return QStringLiteral("Supplement beschadigd (een te lange regel); alleen de regels ervoor worden afgedrukt.");
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
    const GelezenSupplement gelezen = LeesSupplementBestand(info.absoluteFilePath());
    if (gelezen.status == LeesStatus::Ontbreekt || gelezen.status == LeesStatus::TeKort)
        return {std::nullopt, leesMelding(gelezen.status, supPath)};

    ApplicationState state;
    ZetGelezenSupplement(state, gelezen);
    // The page preview shows the page number as read; the picture is optional.
    // The bitmap beside the text file, its name matched without regard to case.
    const QImage picture(ProgramFolder(info.absolutePath()).path(name + QStringLiteral(".bmp")));
    return {SupplementPaginaUitState(state, picture, state.PaginaNr), leesMelding(gelezen.status, supPath)};
}
