#include "mainwindow.h"

#include "app/layout.h"

#include "autodisconnect.h"
#include "messages.h"
#include "send.h"
#include "sharedstate.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace {

const QStringList portItems = {QStringLiteral("LPT1"), QStringLiteral("LPT2"),    QStringLiteral("COM1"),
                               QStringLiteral("COM2"), QStringLiteral("COM3"),    QStringLiteral("COM4"),
                               QStringLiteral("COM5"), QStringLiteral("COM6"),    QStringLiteral("COM7"),
                               QStringLiteral("COM8"), QStringLiteral("Ethernet")};
const QStringList rateItems = {QStringLiteral("2400"),  QStringLiteral("4800"),  QStringLiteral("9600"),
                               QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
                               QStringLiteral("115200")};

QStringList autoDisconnectItems() {
    QStringList items{QStringLiteral("Auto Disconnect False"),
                      QStringLiteral("Auto Disconnect Enable:1 minute")};
    for (int minutes = 2; minutes <= 9; ++minutes)
        items << QStringLiteral("Auto Disconnect Enable:%1 minutes").arg(minutes);
    return items;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Auto disconnect mode set program V1.2"));
    setFixedSize(558, 385);
    setFont(pixelFont(QStringLiteral("宋体"), 16));
    createVisibleControls();
    createServicePanel(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

void TForm1::createVisibleControls() {
    const QFont arial14 = pixelFont(QStringLiteral("Arial"), 14);
    const QFont arial19 = pixelFont(QStringLiteral("Arial"), 19);
    const QFont sans13 = pixelFont(QStringLiteral("MS Sans Serif"), 13);
    const QFont sans19 = pixelFont(QStringLiteral("MS Sans Serif"), 19);
    QPalette blue;
    blue.setColor(QPalette::Text, Qt::blue);
    blue.setColor(QPalette::ButtonText, Qt::blue);

    Label1 = place(new QLabel(QStringLiteral("Port:"), this), "Label1", 18, 12, 30, 16);
    Label1->setFont(arial14);
    dk = place(new TComboBox(this), "dk", 18, 32, 159, 30);
    dk->setFont(arial19);
    dk->addItems(portItems);
    dk->setMaxVisibleItems(15);
    dk->setCurrentIndex(0);

    Label4 = place(new QLabel(QStringLiteral("Baudrate:"), this), "Label4", 192, 12, 62, 16);
    Label4->setFont(arial14);
    sd = place(new TComboBox(this), "sd", 192, 32, 145, 30);
    sd->setFont(arial19);
    sd->addItems(rateItems);
    sd->setCurrentIndex(3);
    connect(sd, &TComboBox::userChange, this, [this] { guarded([this] { sdChange(); }); });

    Label16 = place(new QLabel(QStringLiteral("IP Address:"), this), "Label16", 352, 12, 72, 16);
    Label16->setFont(arial14);
    IPE = place(new TIPEdit(this), "IPE", 352, 32, 193, 30);
    QFont ipFont = pixelFont(QStringLiteral("Arial"), 20);
    ipFont.setBold(true);
    IPE->setFont(ipFont);
    IPE->setFontColor(Qt::red);
    IPE->setIPString(QStringLiteral("192.168.123.100"));

    Autocb = place(new TComboBox(this), "Autocb", 32, 111, 249, 24);
    Autocb->setFont(sans13);
    Autocb->setPalette(blue);
    Autocb->addItems(autoDisconnectItems());
    Autocb->setMaxVisibleItems(20);
    Autocb->setCurrentIndex(0);

    Button6 =
        place(new QPushButton(QStringLiteral("Auto Disconnect Set"), this), "Button6", 288, 92, 241, 65);
    Button6->setFont(sans19);
    Button6->setPalette(blue);
    onClick(Button6, this, &TForm1::Button6Click);
    Button7 = place(new QPushButton(QStringLiteral("Close"), this), "Button7", 32, 204, 497, 73);
    Button7->setFont(sans19);
    onClick(Button7, this, &TForm1::Button7Click);

    StatusBar1 = place(new QStatusBar(this), "StatusBar1", 0, 358, 558, 27);
    StatusBar1->setSizeGripEnabled(false);
    const int panelWidths[] = {200, 200, 50};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(StatusBar1);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        StatusPanels[i]->setAlignment(Qt::AlignCenter);
        StatusPanels[i]->setFixedWidth(panelWidths[i]);
        StatusBar1->addWidget(StatusPanels[i]);
    }

    Label3 = place(new QLabel(this), "Label3", 0, 0, 0, 0);
    Button5 = place(new QPushButton(QStringLiteral("Auto disconnect mode OFF"), this), "Button5", 288, 160,
                    241, 40);
    Button5->hide();
    onClick(Button5, this, &TForm1::Button5Click);
    QButton = place(new QPushButton(QStringLiteral("退出(&Q)"), this), "QButton", 32, 290, 120, 30);
    QButton->hide();
    onClick(QButton, this, &TForm1::QButtonClick);

    setTabOrder(dk, sd);
    setTabOrder(sd, IPE);
    setTabOrder(IPE, Button6);
    setTabOrder(Button6, Button7);
    setTabOrder(Button7, Autocb);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });
    Timer1->start();
}

void TForm1::FormCreate() {
    NoticeStr = QStringLiteral("NOTICE:Please select the correct communication port!");
    setControlCharacters();
    tb->setText(QStringLiteral("KQ-A3XX") + QLatin1Char(LF) + QStringLiteral("波特率设置"));
    Label3->hide();
}

void TForm1::Timer1Timer() {
    QFont font = StatusBar1->font();
    font.setPointSize(14);
    StatusBar1->setFont(font);
    const QLocale locale = QLocale::system();
    StatusPanels[0]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    StatusPanels[1]->setText(locale.toString(QTime::currentTime(), QLocale::LongFormat));
}

void TForm1::sdChange() {
    cp.setBaudRate(rateFromText(sd->currentText()));
}

void TForm1::Button6Click() {
    CmdStr = autoDisconnectCommand(Autocb->currentIndex());
    fullSend(NameSource::Items);
}

void TForm1::Button5Click() {
    CmdStr = autoDisconnectOffCommand();
    fullSend(NameSource::Items);
}

void TForm1::Button7Click() {
    close();
}

void TForm1::QButtonClick() {
    close();
}
