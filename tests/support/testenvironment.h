#pragma once

#include <QString>
#include <QTemporaryDir>

// A private configuration folder (so a private device map) and runtime folder for one test; restores
// nothing on purpose: each test process gets its own.
class TestEnvironment {
  public:
    TestEnvironment();
    // Links the device map entry of a port name ("COM3", "LPT1") to a target path.
    void linkPort(const QString &portName, const QString &target) const;
    QString path(const QString &name) const { return dir.filePath(name); }

  private:
    QTemporaryDir dir;
};
