#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) with the real program in it, driven with xdotool as a person would.
class XSession {
  public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    bool ready() const { return !display.isEmpty(); }
    // Starts the program and waits (bounded) until its window with that title is shown.
    bool start(const QString &program, const QString &windowTitle);
    // Clicks at a position relative to the program's window.
    bool click(int x, int y);
    bool keys(const QStringList &keyNames);
    // Waits (bounded) for the program to end; its exit code, or -1.
    int waitForExit(int timeoutMs);

  private:
    bool xdotool(const QStringList &arguments, QString *output = nullptr);

    QProcess server;
    QProcess program;
    QString display;
    QString window;
};
