// velinor: the album-page designer for collectors of the Velinor sheetlets.

#include "app/application_state.h"
#include "app/command_line.h"
#include "app/file_version.h"
#include "app/photo_fit.h"
#include "app/program_folder.h"
#include "app/ui/main_form.h"
#include "app/ui/titel.h"
#include "collection/collection_model.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"
#include "widgets/qt_interaction.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

void installDutchTranslation(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Dutch), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

const char* const Usage =
    "Gebruik: velinor [--home MAP] [--no-splash] [BESTAND]\n"
    "  BESTAND       een supplement (.sup) om te openen, of een plaatje: een velletje van 500 x 260 pixels\n"
    "                opent als met Velletje openen, een ander plaatje als achtergrond van een nieuw ontwerp\n"
    "  --home MAP    gebruik MAP als programmamap (anders VELINOR_HOME of de map van het programma)\n"
    "  --no-splash   open direct het hoofdvenster, zonder titelvenster\n"
    "  --quit-when-shown  sluit zodra het hoofdvenster getekend is (om de opstarttijd te meten)\n"
    "  --help        toon deze hulptekst\n"
    "  --version     toon het versienummer\n";

const QStringList OwnFlags{QStringLiteral("--no-splash"), QStringLiteral("--quit-when-shown")};

// The arguments after the program's name, before Qt has taken its own options out.
QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The icon of the title bars and the task bar, in the sizes the desktop's theme has.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/velinor.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    QTextStream out(stdout), err(stderr);
    // --help and --version are answered before the application object exists, which needs a display.
    if (const CommandLine early = ParseCommandLine(rawArguments(argc, argv), OwnFlags);
        early.error.isEmpty() && (early.help || early.version)) {
        out << (early.help ? QString::fromUtf8(Usage) : QStringLiteral("velinor %1\n").arg(ProgramVersion()));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velinor"));
    QApplication::setApplicationVersion(ProgramVersion());
    // The task bar finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("velinor"));
    QApplication::setWindowIcon(programIcon());
    installDutchTranslation(app);
    // The windows were laid out for this font; fontconfig maps Arial to a metric twin.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const CommandLine line = ParseCommandLine(arguments, OwnFlags);
    if (!line.error.isEmpty() || line.positional.size() > 1) {
        err << (line.error.isEmpty() ? QStringLiteral("Onverwacht argument: ") + line.positional.at(1) : line.error)
            << "\n\n"
            << Usage;
        return 2;
    }
    // Taken as given, from the folder the program was started in.
    const QString file = line.positional.isEmpty() ? QString() : QFileInfo(line.positional.first()).absoluteFilePath();

    const ProgramFolder folder = ProgramFolder::choose(line.home, QApplication::applicationDirPath());
    if (const QString problem = folder.problem(); !problem.isEmpty()) {
        err << problem << '\n';
        return 2;
    }
    QtInteraction interaction;
    ApplicationState state;
    SupplementModel model;
    const QString desktopSettings = RecentSupplements::defaultSettingsPath();
    RecentSupplements recent(desktopSettings);
    CollectionModel collection(folder);
    state.setPhotoFit(storedPhotoFit(desktopSettings));
    QObject::connect(&state, &ApplicationState::photoFitChanged, &app,
                     [&desktopSettings](PhotoFit fit) { storePhotoFit(desktopSettings, fit); });
    std::unique_ptr<Main> main;
    auto openMain = [&] {
        main = std::make_unique<Main>(state, model, folder, interaction, recent, collection);
        restorePlacement(*main, desktopSettings);
        main->show();
        if (!folder.dataMessage().isEmpty())
            interaction.message(main.get(), folder.dataMessage(), QStringLiteral(" Velinor"),
                                Interaction::Icon::Information);
        if (!file.isEmpty())
            main->openFile(file);
        if (line.has(QStringLiteral("--quit-when-shown")))
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); }); // after the first paint; no exit question
    };

    std::unique_ptr<Titel> titel;
    if (line.has(QStringLiteral("--no-splash"))) {
        openMain();
    } else {
        titel = std::make_unique<Titel>(folder, interaction);
        QObject::connect(titel.get(), &Titel::started, &app, openMain);
        titel->show();
    }
    const int status = app.exec();
    if (main)
        storePlacement(*main, desktopSettings);
    return status;
}
