#include "qt/platform_services.h"

#include <QSaveFile>
#include <QTime>

namespace vrex::qt {

std::optional<std::string> writeWholeFile(const std::string& path, const std::string& content)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    const QByteArray bytes = QByteArray::fromStdString(content);
    if (file.write(bytes) != bytes.size()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

vrex::Services makePlatformServices()
{
    vrex::Services services;
    services.timeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    services.environment = [](const std::string& name) -> std::optional<std::string> {
        if (!qEnvironmentVariableIsSet(name.c_str()))
            return std::nullopt;
        return qEnvironmentVariable(name.c_str()).toStdString();
    };
    services.writeWholeFile = &writeWholeFile;
#ifdef Q_OS_WIN
    services.windowsPaths = true;
#endif
    return services;
}

} // namespace vrex::qt
