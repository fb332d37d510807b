#include "collection/ui/collection_commands.h"

#include "collection/collection_csv.h"
#include "collection/collection_model.h"
#include "collection/collection_totals.h"
#include "widgets/interaction.h"
#include "widgets/main_menus.h"
#include "widgets/save_target.h"

#include <QAction>
#include <QDir>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString Title = QStringLiteral(" Verzameling");
const QString Filter = QStringLiteral("Spreadsheet (CSV) (*.csv *.CSV)");

} // namespace

CollectionCommands::CollectionCommands(CollectionModel& collection, ProgramFolder folder, Interaction& interaction,
                                       const MainMenus& m, QWidget* window)
    : QObject(window)
    , m_collection(collection)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_window(window)
{
    setObjectName(QStringLiteral("CollectionCommands"));
    connect(m.BerekenTotaal[3], &QAction::triggered, this, &CollectionCommands::showOwnedTotals);
    connect(m.FileCollectionExport, &QAction::triggered, this, &CollectionCommands::exportSpreadsheet);
    connect(m.FileCollectionImport, &QAction::triggered, this, &CollectionCommands::importSpreadsheet);
}

void CollectionCommands::showOwnedTotals()
{
    m_collection.load(); // the file may have been changed outside, by velinor-cli import-csv
    const QString damage = m_collection.damageText();
    m_interaction.message(m_window,
                          ownedTotalsText(ownedTotals(readCatalogueEntries(m_folder), m_collection.marks())) +
                              (damage.isEmpty() ? QString() : QStringLiteral("\n\n") + damage),
                          QStringLiteral(" Velinor"), Interaction::Icon::None);
}

void CollectionCommands::exportSpreadsheet()
{
    const SaveTarget target{QStringLiteral("Verzameling exporteren"), Title, Filter, {QStringLiteral("csv")}};
    const QString suggestion = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                   .filePath(QStringLiteral("Velinor.csv"));
    const std::optional<QString> path = askSaveTarget(m_interaction, m_window, target, suggestion);
    if (!path)
        return;
    const QByteArray bytes = CollectionCsv::exportCatalogue(readCatalogueEntries(m_folder), m_collection.marks());
    if (const SafeFile::Result written = SafeFile::replace(*path, bytes); !written)
        m_interaction.message(m_window, SafeFile::failureText(*path, written), Title, Interaction::Icon::Warning);
}

void CollectionCommands::importSpreadsheet()
{
    const QString path =
        m_interaction.openFileName(m_window, QStringLiteral("Verzameling importeren"),
                                   QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), Filter);
    if (path.isEmpty())
        return;
    m_collection.load();
    const CollectionCsv::Import import =
        CollectionCsv::importFile(path, readCatalogueEntries(m_folder), m_collection.marks());
    if (!import.error.isEmpty()) {
        m_interaction.message(m_window, import.error + QStringLiteral(" Er is niets veranderd."), Title,
                              Interaction::Icon::Warning);
        return;
    }
    if (!m_interaction.askYesNo(m_window,
                                import.summary() + QStringLiteral("\n\nDeze merktekens overnemen? De vorige "
                                                                  "blijven bewaard in %1.")
                                                       .arg(QString::fromLatin1(CollectionModel::BackupPath)),
                                Title, Interaction::Icon::Question, Interaction::Default::No))
        return;
    if (const SafeFile::Result written = m_collection.replaceAll(import.marks); !written)
        m_interaction.message(m_window, SafeFile::failureText(QString::fromLatin1(MarksFile::Path), written), Title,
                              Interaction::Icon::Warning);
}
