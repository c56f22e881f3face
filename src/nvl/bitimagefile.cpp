#include "bitimagefile.h"

#include "app/errors.h"
#include "link/devicemap.h"
#include "link/outputfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out of the read.
class ReadDescriptor {
  public:
    explicit ReadDescriptor(int fd) : fd(fd) {}
    ~ReadDescriptor() { ::close(fd); }
    ReadDescriptor(const ReadDescriptor &) = delete;
    ReadDescriptor &operator=(const ReadDescriptor &) = delete;
    const int fd;
};

} // namespace

QByteArray readFileBytes(const QString &name) {
    const QByteArray path = devicePath(name).toLocal8Bit();
    const int opened = path.isEmpty() ? -1 : ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (opened < 0)
        throw EInOutError(fileErrorCode(path.isEmpty() ? ENOENT : errno, false));
    const ReadDescriptor file(opened);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw EInOutError(fileErrorCode(errno, false));
        }
        bytes.append(buffer, got);
    }
}
