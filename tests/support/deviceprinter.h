#pragma once

#include <QByteArray>
#include <QString>

class TestEnvironment;

// A parallel printer: a regular file linked into the device map as an LPT port.
class DevicePrinter {
  public:
    DevicePrinter(const TestEnvironment &environment, const QString &portName);
    QString path() const { return file; }
    QByteArray contents() const;

  private:
    QString file;
};
