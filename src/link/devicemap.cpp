#include "devicemap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString deviceMapFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/kqsetup/devices");
}

QString devicePath(const QString &portName) {
    static const QRegularExpression portPattern(QStringLiteral("^(LPT|COM)([1-9][0-9]{0,2})$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = portPattern.match(portName);
    if (!match.hasMatch())
        return portName;
    const QString entry = deviceMapFolder() + QLatin1Char('/') + portName.toLower();
    const QFileInfo entryInfo(entry);
    if (entryInfo.isSymLink() || entryInfo.exists())
        return entry;
    const int number = match.captured(2).toInt();
    const bool parallel = match.captured(1).compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0;
    return QStringLiteral("/dev/%1%2")
        .arg(parallel ? QStringLiteral("lp") : QStringLiteral("ttyS"))
        .arg(number - 1);
}
