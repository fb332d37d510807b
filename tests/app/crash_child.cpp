// A program that saves over and over until it is killed: the crash-safety
// tests start it, kill it with SIGKILL at a random moment, and look at what
// is left on disk.
//
//   crash_child settings FOLDER    writes FOLDER/Velinor.ini with colours A and B in turn

#include "app/application_state.h"
#include "app/program_folder.h"
#include "app/settings_file.h"

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
    if (arguments.size() != 3 || arguments.at(1) != QLatin1String("settings"))
        return 2;
    const QString path = ProgramFolder(arguments.at(2)).path(SettingsFile::FileName);
    std::puts("ready");
    std::fflush(stdout);
    for (bool second = true;; second = !second)
        SettingsFile::write(path, colours(second));
}
