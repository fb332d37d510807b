// A program that saves over and over until it is killed: the crash-safety
// tests start it, kill it with SIGKILL at a random moment, and look at what
// is left on disk.
//
//   crash_child settings FOLDER    writes FOLDER/Velinor.ini with colours A and B in turn
//   crash_child supplement FOLDER  saves the supplement "Delft" as version A (with a picture)
//                                  and version B (without one) in turn

#include "app/application_state.h"
#include "app/program_folder.h"
#include "app/settings_file.h"
#include "crash_versions.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

ApplicationState colours(bool second)
{
    ApplicationState state;
    state.VensterR = second ? 7 : 1;
    state.VensterG = second ? 8 : 2;
    state.VensterB = second ? 9 : 3;
    state.SupplementR = second ? 10 : 4;
    state.SupplementG = second ? 11 : 5;
    state.SupplementB = second ? 12 : 6;
    return state;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const ProgramFolder folder(arguments.at(2));
    std::puts("ready");
    std::fflush(stdout);
    if (arguments.at(1) == QLatin1String("settings")) {
        const QString path = folder.path(SettingsFile::FileName);
        for (bool second = true;; second = !second)
            SettingsFile::write(path, colours(second));
    }
    if (arguments.at(1) == QLatin1String("supplement")) {
        for (bool second = true;; second = !second)
            SchrijfSupplement(folder, CrashVersions::supplement(second));
    }
    return 2;
}
