#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/textconv.h"
#include "bitimagecommands.h"
#include "bitimagefile.h"
#include "hexfile.h"
#include "nvf.h"

#include <QThread>

namespace {

// The printer takes this long to digest a conversion before the define command goes out.
constexpr int defineSettleMs = 100;

} // namespace

void Tnvf::connectBitImageCommands() {
    onClick(Button4, this, &Tnvf::Button4Click);
    onClick(Button6, this, &Tnvf::Button6Click);
    onClick(Button7, this, &Tnvf::Button7Click);
    onClick(Button8, this, &Tnvf::Button8Click);
    onClick(Button9, this, &Tnvf::Button9Click);
    onClick(Button10, this, &Tnvf::Button10Click);
    onClick(Button11, this, &Tnvf::Button11Click);
}

void Tnvf::Button8Click() {
    CmdStr.clear();
    const int leftTrim = StrToInt(Edit11->text());
    const QImage &picture = Image1->picture();
    ConversionPlan plan = conversionPlan(ConversionCommand::DefineBitImage, picture.size(), leftTrim);
    const BitImageSize size = limitBitImage(plan.geometry.widthBytes, plan.geometry.heightBytes);
    // Only the top-left part within the limits is converted.
    plan.sample.columns = 8 * size.x;
    plan.sample.rows = 8 * size.y;
    blankFill(plan);
    CmdStr = defineBitImageCommand(size, convert(picture, plan));
    QThread::msleep(defineSettleMs);
    Label1->setText(bitImageSizeText(size));
    if (hcb->isChecked())
        writeHexFile(Edit9->text(), CmdStr);
    // The message promises a defined image: it follows only a send that delivered every byte.
    if (fullSend(NameSource::Texts))
        showMessage(QStringLiteral("恭喜！！定义下载位图成功！"));
}

void Tnvf::Button9Click() {
    CmdStr = printBitImageFourModesCommand();
    fullSend(NameSource::Texts);
}

void Tnvf::Button10Click() {
    CmdStr = printBitImageOnceCommand();
    fullSend(NameSource::Texts);
}

void Tnvf::Button11Click() {
    CmdStr.clear();
    CmdStr = readFileBytes(Edit9->text());
    fullSend(NameSource::Texts);
}
