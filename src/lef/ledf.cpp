#include "ledf.h"

#include "app/layout.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "ledcommands.h"
#include "ledlogo.h"

namespace {

void send(const QByteArray &command) {
    CmdStr = command;
    fullSend(NameSource::Texts);
}

} // namespace

Tledf::Tledf(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ledf"));
    setWindowTitle(QStringLiteral("KQ-A350 LED显示演示"));
    setGeometry(192, 114, 476, 337);
    createControls();
    // Start-up creates this window after the main window, whose entry controls open it. The handlers are
    // called directly: the sanitizer's vptr check wrongly rejects them through onClick's TForm1 pointer.
    QObject::connect(Form1->lcb, &QCheckBox::clicked, Form1, [] { guarded([] { Form1->lcbClick(); }); });
    QObject::connect(Form1->lb, &QPushButton::clicked, Form1, [] { guarded([] { Form1->lbClick(); }); });
}

void Tledf::createControls() {
    const QFont commandFont = pixelFont(QStringLiteral("宋体"), 14);
    const auto button = [&](const char *name, const QString &caption, int top, void (Tledf::*handler)()) {
        auto *control = new QPushButton(caption, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(144, top, 161, 33);
        control->setFont(commandFont);
        onClick(control, this, handler);
        return control;
    };

    Button2 = button("Button2", QStringLiteral("亮 单价"), 8, &Tledf::Button2Click);
    Button3 = button("Button3", QStringLiteral("亮 总计"), 48, &Tledf::Button3Click);
    Button4 = button("Button4", QStringLiteral("显示 金额"), 87, &Tledf::Button4Click);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(312, 88, 105, 30);
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 19));
    QPalette blue;
    blue.setColor(QPalette::Text, Qt::blue);
    Edit1->setPalette(blue);
    Edit1->setMaxLength(9);
    Edit1->setText(QStringLiteral("12345678"));

    Button5 = button("Button5", QStringLiteral("清屏"), 128, &Tledf::Button5Click);
    Button6 = button("Button6", QStringLiteral("清光标行"), 168, &Tledf::Button6Click);
    Button7 = button("Button7", QStringLiteral("初始化 LED"), 208, &Tledf::Button7Click);

    Button1 = new QPushButton(QStringLiteral("关    闭"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(128, 248, 193, 41);
    Button1->setFont(pixelFont(QStringLiteral("宋体"), 21));
    onClick(Button1, this, &Tledf::Button1Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(328, 248, 137, 49);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop); // the picture is smaller than its frame
    Image1->setPixmap(QPixmap::fromImage(ledLogo()));
}

void Tledf::Button1Click() {
    hide();
}

void Tledf::Button2Click() {
    send(ledUnitPriceCommand());
}

void Tledf::Button3Click() {
    send(ledTotalCommand());
}

void Tledf::Button4Click() {
    send(ledAmountCommand(Edit1->text()));
}

void Tledf::Button5Click() {
    send(ledClearScreenCommand());
}

void Tledf::Button6Click() {
    send(ledClearCursorLineCommand());
}

void Tledf::Button7Click() {
    send(ledInitialiseCommand());
}
