#include "deviceprinter.h"

#include "testenvironment.h"

#include <QFile>
#include <stdexcept>

DevicePrinter::DevicePrinter(const TestEnvironment &environment, const QString &portName)
    : file(environment.path(portName.toLower() + QStringLiteral(".device"))) {
    QFile device(file);
    if (!device.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create the device file");
    environment.linkPort(portName, file);
}

QByteArray DevicePrinter::contents() const {
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly))
        return {};
    return device.readAll();
}
