#include "testenvironment.h"

#include "link/devicemap.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

TestEnvironment::TestEnvironment() {
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder");
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QDir().mkpath(dir.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("runtime")).toLocal8Bit());
    QDir().mkpath(deviceMapFolder());
}

void TestEnvironment::linkPort(const QString &portName, const QString &target) const {
    const QString entry = deviceMapFolder() + QLatin1Char('/') + portName.toLower();
    QFile::remove(entry);
    if (!QFile::link(target, entry))
        throw std::runtime_error("cannot link device map entry");
}
