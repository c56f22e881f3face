// The command handlers of the service panel: read the controls, build the command, send it.
#include "servicepanel.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/textconv.h"
#include "service/basiccommands.h"
#include "service/codepagecommands.h"
#include "service/impacttest.h"
#include "service/optioncommands.h"

namespace {

// The characters of the print test line the selected radio button names: 40, 42 or 36.
int printTestLineLength(const QRadioButton *forty, const QRadioButton *fortyTwo) {
    if (forty->isChecked())
        return 40;
    return fortyTwo->isChecked() ? 42 : 36;
}

QString tooLongRangeText(int first, int last, std::optional<int> largestLast) {
    const QString refused =
        QStringLiteral("The line range %1 to %2 would make a test stream of more than 16 MiB.")
            .arg(first)
            .arg(last);
    if (!largestLast)
        return refused +
               QStringLiteral(" Line %1 alone is too long; choose a smaller first line.").arg(first);
    return refused + QStringLiteral(" The largest accepted last line is %1.").arg(*largestLast);
}

} // namespace

void TServicePanel::Button1Click() {
    if (!emptyPortCheck())
        return;
    const int repeatCount = StrToInt(Edit1->text());
    CmdStr = printTestCommand(repeatCount, printTestLineLength(RadioButton1, RadioButton2));
    fullSend(NameSource::Items);
}

void TServicePanel::OpenClick() {
    if (!emptyPortCheck())
        return;
    CmdStr = cashDrawerCommand();
    fullSend(NameSource::Items);
}

void TServicePanel::cutClick() {
    if (!emptyPortCheck())
        return;
    CmdStr = cutCommand();
    fullSend(NameSource::Items);
}

void TServicePanel::Button2Click() {
    ImpactTestSettings settings;
    settings.upsideDown = dck->isChecked();
    settings.unidirectional = bick->isChecked();
    settings.aligned = dqck->isChecked();
    settings.lineFeedEveryLine = Lfck->isChecked();
    if (zxck->isChecked()) {
        settings.first = StrToInt(Edit2->text());
        settings.last = StrToInt(Edit3->text());
    }
    if (impactTestLength(settings.first, settings.last, settings.lineFeedEveryLine) > impactTestLimit) {
        showMessage(tooLongRangeText(settings.first, settings.last,
                                     largestImpactTestLastLine(settings.first, settings.lineFeedEveryLine)));
        return;
    }
    if (settings.last >= settings.first)
        settings.mode = StrToInt(cst->text());
    CmdStr = impactTestCommand(settings);
    if (!emptyPortCheck())
        return;
    fullSend(NameSource::Items);
}

void TServicePanel::phClick() {
    CmdStr = printHCommand();
    if (!emptyPortCheck())
        return;
    fullSend(NameSource::Items);
}

void TServicePanel::stClick() {
    CmdStr = parameterTCommand(cbs->currentText());
    if (!emptyPortCheck())
        return;
    fullSend(NameSource::Items);
}

void TServicePanel::st0Click() {
    if (!emptyPortCheck())
        return;
    CmdStr = defaultCodePageCommand(StrToInt(cst->text()));
    fullSend(NameSource::Items);
}

void TServicePanel::ptClick() {
    if (!emptyPortCheck())
        return;
    CmdStr = codePagePrintCommand();
    fullSend(NameSource::Items);
}

void TServicePanel::tbClick() {
    if (form().dk->currentIndex() < 2) {
        showMessage(QStringLiteral("You must select Serial Port for KQ-A310 with serial port!!"));
        return;
    }
    CmdStr = serialRateCommand(tc->currentText());
    fullSend(NameSource::Items);
}

void TServicePanel::bpbClick() {
    const int count = StrToInt(bpe1->text());
    const int time = StrToInt(bpe2->text());
    CmdStr = beeperPromptCommand(count, time);
    fullSend(NameSource::Items);
}

void TServicePanel::sdbClick() {
    CmdStr = densityCommand(dc->currentIndex());
    fullSend(NameSource::Items);
}

void TServicePanel::crbClick() {
    CmdStr = autoLineFeedCommand(crc->currentIndex());
    fullSend(NameSource::Items);
}

void TServicePanel::cdbClick() {
    CmdStr = reprintCommand(cdc->currentIndex());
    fullSend(NameSource::Items);
}

void TServicePanel::msbClick() {
    CmdStr = emulationCommand(msc->currentIndex());
    fullSend(NameSource::Items);
}

void TServicePanel::bbClick() {
    CmdStr = buzzerCommand(bc->currentIndex());
    fullSend(NameSource::Items);
}

void TServicePanel::fontbClick() {
    CmdStr = smallFontCommand(fontc->currentIndex());
    fullSend(NameSource::Items);
}
