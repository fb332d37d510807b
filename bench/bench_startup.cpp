// Start-up of the program: from process start to the main window shown and
// painted once (without the splash), on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

void BM_StartupToMainShown(benchmark::State& state)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELINOR_EXECUTABLE),
                      {QStringLiteral("--no-splash"), QStringLiteral("--quit-when-shown"), QStringLiteral("--home"),
                       home.path()});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            state.SkipWithError("velinor did not start and quit");
    }
}
BENCHMARK(BM_StartupToMainShown)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
