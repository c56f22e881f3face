#include "samples.h"

#include "bmpload.h"

#include <QFile>

// The resources sit in a static library, so they are registered on first use. Q_INIT_RESOURCE must
// stand outside any namespace.
static void registerSampleResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(nvl);
        return true;
    }();
    Q_UNUSED(registered);
}

static QImage resourcePicture(const QString &path) {
    registerSampleResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeBitmap(file.readAll());
}

QImage nvLogoSample() {
    return resourcePicture(QStringLiteral(":/nvl/nvlogo.bmp"));
}

QImage mainWindowSample() {
    return resourcePicture(QStringLiteral(":/nvl/mainlogo.bmp"));
}
