#include "bmf.h"

#include "app/layout.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/textconv.h"

namespace {

QPalette blueText() {
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::blue);
    palette.setColor(QPalette::Text, Qt::blue);
    return palette;
}

} // namespace

Tbmf::Tbmf(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("bmf"));
    setWindowTitle(QStringLiteral("KQ B4针打黑标定位偏移量设置/演示"));
    setGeometry(352, 180, 476, 337);
    createControls();
    // Start-up creates this window after the main window, whose entry controls open it. The handlers are
    // called directly: the sanitizer's vptr check wrongly rejects them through onClick's TForm1 pointer.
    QObject::connect(Form1->dcb, &QCheckBox::clicked, Form1, [] { guarded([] { Form1->dcbClick(); }); });
    QObject::connect(Form1->db, &QPushButton::clicked, Form1, [] { guarded([] { Form1->dbClick(); }); });
}

void Tbmf::createControls() {
    const QFont commandFont = pixelFont(QStringLiteral("宋体"), 14);
    const QFont labelFont = pixelFont(QStringLiteral("宋体"), 15);
    const QFont millimetreFont = pixelFont(QStringLiteral("Arial"), 14);
    const QFont byteFont = pixelFont(QStringLiteral("Arial"), 16);
    const QPalette blue = blueText();

    const auto button = [&](const char *name, const QString &caption, int left, int top, int width,
                            int height, void (Tbmf::*handler)()) {
        auto *control = new QPushButton(caption, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(left, top, width, height);
        control->setFont(commandFont);
        onClick(control, this, handler);
        return control;
    };
    const auto edit = [&](const char *name, int left, int top, int width, int height, const QFont &font) {
        auto *control = new QLineEdit(QStringLiteral("0"), this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(left, top, width, height);
        control->setFont(font);
        control->setPalette(blue);
        return control;
    };
    const auto label = [&](const char *name, const QString &caption, int left, int top) {
        auto *control = new QLabel(caption, this);
        control->setObjectName(QLatin1String(name));
        control->setFont(labelFont);
        control->setPalette(blue);
        control->move(left, top);
        control->adjustSize();
        return control;
    };
    const QString millimetres = QStringLiteral("毫米处");

    Button2 = button("Button2", QStringLiteral("起始打印位置在检测到黑标位置后前进"), 16, 16, 257, 33,
                     &Tbmf::Button2Click);
    Edit1 = edit("Edit1", 280, 20, 65, 24, millimetreFont);
    Label1 = label("Label1", millimetres, 352, 32);
    Button3 = button("Button3", QStringLiteral("起始打印位置在检测到黑标位置后后退"), 16, 56, 257, 33,
                     &Tbmf::Button3Click);
    Edit2 = edit("Edit2", 280, 60, 65, 24, millimetreFont);
    Label2 = label("Label2", millimetres, 352, 64);
    Button4 = button("Button4", QStringLiteral("切/撕纸位置在检测到黑标位置后前进"), 16, 96, 257, 33,
                     &Tbmf::Button4Click);
    Edit3 = edit("Edit3", 280, 100, 65, 24, millimetreFont);
    Label3 = label("Label3", millimetres, 352, 104);
    Button5 = button("Button5", QStringLiteral("切/撕纸位置在检测到黑标位置后后退"), 16, 136, 257, 33,
                     &Tbmf::Button5Click);
    Edit4 = edit("Edit4", 280, 140, 65, 24, millimetreFont);
    Label4 = label("Label4", millimetres, 352, 144);
    Button6 = button("Button6", QStringLiteral("打印并走纸到下一个起始打印位置"), 16, 176, 257, 33,
                     &Tbmf::Button6Click);
    Label5 = label("Label5", QStringLiteral("nL="), 304, 192);
    Edit5 = edit("Edit5", 344, 184, 113, 26, byteFont);
    Button7 = button("Button7", QStringLiteral("打印并走纸到下一个切撕纸位置"), 16, 216, 257, 33,
                     &Tbmf::Button7Click);
    Label6 = label("Label6", QStringLiteral("nH="), 304, 224);
    Edit6 = edit("Edit6", 344, 216, 113, 26, byteFont);
    Button1 = button("Button1", QStringLiteral("关闭"), 136, 256, 177, 41, &Tbmf::Button1Click);
    Button1->setFont(pixelFont(QStringLiteral("宋体"), 16));
}

void Tbmf::sendOffset(const QLineEdit *edit, BlackMarkPosition position, FeedDirection direction, int sends) {
    const double millimetres = StrToFloat(edit->text());
    if (direction == FeedDirection::Backward && millimetres > maxBackFeedMillimetres) {
        showMessage(QStringLiteral("最大退纸长度不能 超过 100 毫米！！"));
        return;
    }
    const BlackMarkOffset offset = blackMarkOffset(millimetres);
    Edit5->setText(QString::number(offset.nL));
    Edit6->setText(QString::number(offset.nH));
    CmdStr = blackMarkOffsetCommand(position, direction, offset);
    // Each send reads the port choice again; a network send that fails shows its message and the next
    // one still runs, a parallel or serial failure raises and ends the handler.
    for (int i = 0; i < sends; ++i)
        fullSend(NameSource::Texts);
}

void Tbmf::Button1Click() {
    hide();
}

void Tbmf::Button2Click() {
    sendOffset(Edit1, BlackMarkPosition::PrintStart, FeedDirection::Forward, 1);
}

void Tbmf::Button3Click() {
    sendOffset(Edit2, BlackMarkPosition::PrintStart, FeedDirection::Backward, 1);
}

void Tbmf::Button4Click() {
    // The cut/tear position goes out twice, each time over a route opened afresh.
    sendOffset(Edit3, BlackMarkPosition::CutTear, FeedDirection::Forward, 2);
}

void Tbmf::Button5Click() {
    sendOffset(Edit4, BlackMarkPosition::CutTear, FeedDirection::Backward, 1);
}

void Tbmf::Button6Click() {
    CmdStr = printStartDemoCommand();
    fullSend(NameSource::Texts);
}

void Tbmf::Button7Click() {
    CmdStr = cutTearDemoCommand();
    fullSend(NameSource::Texts);
}
