#include "xsession.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>
#include <unistd.h>

namespace {

constexpr int startTimeoutMs = 20000;

bool run(const QString &command, const QStringList &arguments, const QString &display,
         QString *output = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(command, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

XSession::XSession() {
    const QString candidate = QStringLiteral(":%1").arg(100 + ::getpid() % 800);
    server.start(QStringLiteral("Xvfb"),
                 {candidate, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                  QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!deadline.hasExpired() && server.state() == QProcess::Running) {
        if (run(QStringLiteral("xdpyinfo"), {}, candidate)) {
            display = candidate;
            return;
        }
        QThread::msleep(50); // polling the server: there is no event to wait on
    }
}

XSession::~XSession() {
    for (QProcess *process : {&program, &server}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000)) {
                process->kill();
                process->waitForFinished(1000);
            }
        }
    }
}

bool XSession::start(const QString &path, const QString &windowTitle) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(path, {});
    if (!program.waitForStarted(5000))
        return false;
    return xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QLatin1Char('^') + windowTitle + QLatin1Char('$')},
                   &window) &&
           !window.isEmpty();
}

bool XSession::click(int x, int y) {
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"), window,
                    QString::number(x), QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}

bool XSession::keys(const QStringList &keyNames) {
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")} +
                   keyNames);
}

int XSession::waitForExit(int timeoutMs) {
    if (!program.waitForFinished(timeoutMs) || program.exitStatus() != QProcess::NormalExit)
        return -1;
    return program.exitCode();
}

bool XSession::xdotool(const QStringList &arguments, QString *output) {
    // xdotool's --sync waits without a limit of its own: bound it.
    return run(QStringLiteral("timeout"),
               QStringList{QStringLiteral("10"), QStringLiteral("xdotool")} + arguments, display, output);
}
