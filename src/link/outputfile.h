#pragma once

#include <QByteArray>
#include <QString>

// The output file record of the original toolkit: bound to a name, opened as a new file (created or
// truncated; a port name opens its device), written, flushed and closed. Every failure raises
// EInOutError with the code of the failed step. A record destroyed or re-bound while open closes its
// file, so no error path leaves a device held.
class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    ~OutputFile();

    void assign(const QString &name);
    void rewrite();
    // Writes every byte in order; a device that takes less per call gets the rest in further writes.
    void write(const QByteArray &bytes);
    void flush();
    void close();
    // Closes without reporting; for error paths.
    void release() noexcept;
    bool isOpen() const { return fd >= 0; }

  private:
    QString path;
    int fd = -1;
};

// The Windows-style code for an errno of the file layer; creating tells whether the failing open
// would have created the file (a missing folder is then an invalid file name).
int fileErrorCode(int err, bool creating);
