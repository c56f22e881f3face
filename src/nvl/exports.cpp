#include "app/messages.h"
#include "app/sharedstate.h"
#include "exportstext.h"
#include "hexfile.h"
#include "nvf.h"
#include "nvlogo.h"

#include <QThread>

namespace {

constexpr int afterEntriesPauseMs = 100;
constexpr int afterLinesPauseMs = 50;

// Builds the export text of the picture's NV logo definition in CmdStr, each byte's entry made by
// entriesOf, and writes it to the HEX file when the HEX option is ticked.
void exportNvLogoData(Tnvf &window, ConversionCommand command, QByteArray (*entriesOf)(const QByteArray &)) {
    CmdStr.clear();
    const QImage &picture = window.Image1->picture();
    const ConversionPlan plan = conversionPlan(command, picture.size());
    if (plan.geometry.tooLarge()) {
        showMessage(QStringLiteral("BMP图形太大，不能下载！请重新选择!"));
        return;
    }
    window.blankFill(plan);
    CmdStr = entriesOf(nvLogoDefinition(picture, plan));
    QThread::msleep(afterEntriesPauseMs);
    CmdStr = breakIntoLines(CmdStr);
    QThread::msleep(afterLinesPauseMs);
    CmdStr = removeSpaceCommas(CmdStr);
    if (window.hcb->isChecked())
        writeHexFile(window.Edit9->text(), CmdStr);
}

} // namespace

void Tnvf::Button6Click() {
    exportNvLogoData(*this, ConversionCommand::ConvertedDataText, plainEntries);
}

void Tnvf::Button7Click() {
    exportNvLogoData(*this, ConversionCommand::ScrambledData, scrambledEntries);
}
