// vrex-script FILE: drives the real program headless from a script.
#include "script_driver.h"

#include <QApplication>

#include <cstring>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

// The offscreen platform warns about what it cannot do (raise a window, a
// runtime folder); that is noise in a script's transcript. Everything else
// still reaches stderr.
void filterPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const char* const noise[] = {"This plugin does not support", "QStandardPaths: XDG_RUNTIME_DIR"};
    const QByteArray text = message.toLocal8Bit();
    for (const char* n : noise)
        if (std::strncmp(text.constData(), n, std::strlen(n)) == 0)
            return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vrex-script FILE\n";
        return 2;
    }
    // A folder opens as an empty stream on Linux; it must not pass for an empty script.
    std::error_code error;
    if (std::filesystem::is_directory(argv[1], error)) {
        std::cerr << "cannot read " << argv[1] << ": it is a folder\n";
        return 2;
    }
    std::ifstream file(argv[1]);
    std::ostringstream text;
    if (file)
        text << file.rdbuf();
    if (!file || file.bad()) {
        std::cerr << "cannot read " << argv[1] << ": " << std::strerror(errno) << "\n";
        return 2;
    }
    std::istringstream script(text.str());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(filterPlatformNoise);
    QApplication app(argc, argv);
    return vrex::tools::runScript(script, std::cout, std::cerr);
}
