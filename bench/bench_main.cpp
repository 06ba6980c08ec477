// The canvas and the front need a QApplication before any benchmark runs.

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so on every window raised; that is all it says.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    standardHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
