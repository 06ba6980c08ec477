#include "qt/platform_services.h"

#include <QFile>
#include <QStandardPaths>
#include <QTime>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrex::qt {

namespace {

std::string reasonOf(int error) { return std::strerror(error); }

// Closes the descriptor and removes the half-written file, keeping errno.
void abandon(int fd, const std::string& tempPath)
{
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    ::unlink(tempPath.c_str());
    errno = error;
}

bool writeAll(int fd, const std::string& content)
{
    const char* at = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// A fresh file beside the target, so that the rename stays on one file system.
int createTemporary(const std::string& path, std::string& tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".vrex-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

// The path is used byte for byte: a profile folder whose name is not valid
// text must still be reached, which a path made into a QString cannot do.
// Every step that can meet a full disk (the writes, the flush to the disk,
// the close) is checked before the new file takes the old one's place.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& content)
{
    std::string tempPath;
    const int fd = createTemporary(path, tempPath);
    if (fd < 0)
        return reasonOf(errno);
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777); // the replacement keeps the file's permissions
    if (!writeAll(fd, content) || ::fsync(fd) != 0) {
        abandon(fd, tempPath);
        return reasonOf(errno);
    }
    if (::close(fd) != 0) {
        abandon(-1, tempPath);
        return reasonOf(errno);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        abandon(-1, tempPath);
        return reasonOf(errno);
    }
    syncFolderOf(path);
    return std::nullopt;
}

vrex::Services makePlatformServices()
{
    vrex::Services services;
    services.timeOfDay = [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; };
    services.environment = [](const std::string& name) -> std::optional<std::string> {
        if (!qEnvironmentVariableIsSet(name.c_str()))
            return std::nullopt;
        return qgetenv(name.c_str()).toStdString(); // the bytes as given
    };
    services.documentsFolder = []() -> std::optional<std::string> {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            return std::nullopt;
        return QFile::encodeName(folder).toStdString();
    };
    services.writeWholeFile = &writeWholeFile;
#ifdef Q_OS_WIN
    services.windowsPaths = true;
#endif
    return services;
}

} // namespace vrex::qt
