#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "app/startup.h"

#include <QApplication>
#include <csignal>

int main(int argc, char **argv) {
    std::signal(SIGPIPE, SIG_IGN); // a printer that drops the connection must never end the program
    QApplication application(argc, argv);
    createWindows();
    Form1->show();
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
