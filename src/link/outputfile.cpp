#include "outputfile.h"

#include "app/errors.h"
#include "devicemap.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString ioErrorText(int code) {
    switch (code) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Invalid filename");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    case 100:
        return QStringLiteral("Read beyond end of file");
    case 101:
        return QStringLiteral("Disk full");
    case 106:
        return QStringLiteral("Invalid numeric input");
    default:
        return QStringLiteral("I/O error %1").arg(code);
    }
}

} // namespace

EInOutError::EInOutError(int code) : KqError(ioErrorText(code)), errorCode(code) {}

int fileErrorCode(int err, bool creating) {
    switch (err) {
    case ENOENT:
        return creating ? 3 : 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 101;
    default:
        return err;
    }
}

OutputFile::~OutputFile() {
    release();
}

void OutputFile::assign(const QString &name) {
    release();
    path = devicePath(name);
}

void OutputFile::rewrite() {
    release();
    // Never create a node in /dev: a missing device is "File not found", not a new regular file.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const bool creating = !target.startsWith(QLatin1String("/dev/"));
    int flags = O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK; // a FIFO without reader must not hang
    if (creating)
        flags |= O_CREAT;
    const QByteArray name = path.toLocal8Bit();
    const int opened = name.isEmpty() ? -1 : ::open(name.constData(), flags, 0666);
    if (opened < 0)
        throw EInOutError(fileErrorCode(name.isEmpty() ? ENOENT : errno, creating));
    ::fcntl(opened, F_SETFL, ::fcntl(opened, F_GETFL) & ~O_NONBLOCK);
    fd = opened;
}

void OutputFile::write(const QByteArray &bytes) {
    if (fd < 0)
        throw EInOutError(103); // file not open
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError(fileErrorCode(errno, false));
        }
        data += written;
        left -= written;
    }
}

void OutputFile::flush() {
    // Writes go straight to the file or device; there is no buffer of our own to flush.
    if (fd < 0)
        throw EInOutError(103);
}

void OutputFile::close() {
    if (fd < 0)
        throw EInOutError(103);
    const int closing = fd;
    fd = -1;
    if (::close(closing) != 0 && errno != EINTR)
        throw EInOutError(fileErrorCode(errno, false));
}

void OutputFile::release() noexcept {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
