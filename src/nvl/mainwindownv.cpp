#include "mainwindownv.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "bmpload.h"
#include "nvf.h"
#include "nvlogo.h"
#include "opendialog.h"
#include "raster.h"
#include "samples.h"

#include <QPixmap>

namespace {

const char dialogName[] = "OpenDialog1";

// The handlers belong to the main window's panel base; calling them through that base keeps the
// sanitizer's type check of member calls through pointers to members satisfied.
template <class Control> void onMainWindowClick(Control *control, void (TServicePanel::*handler)()) {
    QObject::connect(control, &Control::clicked, Form1, [handler] {
        guarded([handler] { (static_cast<TServicePanel *>(Form1)->*handler)(); });
    });
}

} // namespace

TOpenDialog *mainOpenDialog() {
    return Form1 ? Form1->findChild<TOpenDialog *>(QLatin1String(dialogName), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

void installMainWindowNvControls() {
    if (!Form1 || mainOpenDialog())
        return;
    auto *dialog = new TOpenDialog(Form1);
    dialog->setObjectName(QLatin1String(dialogName));
    // A description without a pattern: the dialog then lists every file.
    dialog->Filter = QStringLiteral("位图文件（*.Bmp)");
    Form1->Image1->setPixmap(QPixmap::fromImage(mainWindowSample()));
    onMainWindowClick(Form1->nvcb, &TServicePanel::nvcbClick);
    onMainWindowClick(Form1->nvd, &TServicePanel::nvdClick);
    onMainWindowClick(Form1->nvp, &TServicePanel::nvpClick);
    onMainWindowClick(Form1->bbn, &TServicePanel::bbnClick);
}

void TServicePanel::nvcbClick() {
    const bool enabled = nvcb->isChecked();
    for (QWidget *control :
         {static_cast<QWidget *>(nvd), static_cast<QWidget *>(nvp), static_cast<QWidget *>(bbn)})
        control->setEnabled(enabled);
}

void TServicePanel::nvdClick() {
    nvf->show();
    nvf->raise();
}

void TServicePanel::nvpClick() {
    CmdStr = nvLogoPrintNormalCommand();
    PortChoice choice = currentPortChoice(NameSource::Texts);
    if (choice.index >= 2 && choice.index <= 9)
        choice.deviceName = QStringLiteral("COM%1").arg(choice.index - 1);
    fullSend(CmdStr, choice, Form1->cp);
}

void TServicePanel::bbnClick() {
    TOpenDialog *dialog = mainOpenDialog();
    dialog->FilterIndex = 1;
    if (dialog->Execute(Form1))
        Image1->setPixmap(QPixmap::fromImage(loadPicture(dialog->FileName)));
    const QSize picture = Image1->pixmap().size();
    if (rasterGeometry(picture.width(), picture.height()).tooLarge())
        showMessage(QStringLiteral("BMP图形太大!请重新选择!"));
}
