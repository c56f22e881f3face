#include "startup.h"

#include "coms/form2.h"
#include "df/bmf.h"
#include "lef/ledf.h"
#include "mainwindow.h"
#include "nvl/nvf.h"
#include "sharedstate.h"

#include <QApplication>

Tbmf *bmf = nullptr;
Tledf *ledf = nullptr;
Tnvf *nvf = nullptr;
TForm2 *Form2 = nullptr;

void createWindows() {
    // Only the title: a display name would be appended to every other window's caption.
    QApplication::setApplicationName(QString::fromUtf8(applicationTitle));
    Form1 = new TForm1;
    Form1->setAttribute(Qt::WA_QuitOnClose);
    bmf = new Tbmf;
    ledf = new Tledf;
    nvf = new Tnvf;
    Form2 = new TForm2;
    // The other windows close with the main one.
    for (QWidget *window : {static_cast<QWidget *>(bmf), static_cast<QWidget *>(ledf),
                            static_cast<QWidget *>(nvf), static_cast<QWidget *>(Form2)})
        window->setAttribute(Qt::WA_QuitOnClose, false);
}

void destroyWindows() {
    delete Form2;
    delete nvf;
    delete ledf;
    delete bmf;
    delete Form1;
    Form2 = nullptr;
    nvf = nullptr;
    ledf = nullptr;
    bmf = nullptr;
    Form1 = nullptr;
}
