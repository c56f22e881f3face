#include "hexfile.h"

#include "app/sharedstate.h"

void writeHexFile(const QString &fileName, const QByteArray &bytes) {
    try {
        OutFile.assign(fileName);
        OutFile.rewrite();
        OutFile.write(bytes);
        OutFile.close();
    } catch (...) {
        OutFile.release();
        throw;
    }
}
