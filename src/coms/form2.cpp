#include "form2.h"

#include "app/layout.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/sharedstate.h"
#include "statusexchange.h"

#include <QPainter>
#include <QRadioButton>

namespace {

constexpr int firstSerialIndex = 2; // "COM1"
constexpr int lastSerialIndex = 9;  // "COM8"

} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("KQ 串口型号打印机状态检测"));
    setGeometry(265, 173, 476, 337);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    createControls();
    // Start-up creates this window after the main window, whose entry controls open it. The handlers are
    // called directly: the sanitizer's vptr check wrongly rejects them through onClick's TForm1 pointer.
    QObject::connect(Form1->CheckBox7, &QCheckBox::clicked, Form1,
                     [] { guarded([] { Form1->CheckBox7Click(); }); });
    QObject::connect(Form1->Button3, &QPushButton::clicked, Form1,
                     [] { guarded([] { Form1->Button3Click(); }); });
}

void TForm2::createControls() {
    const QFont simSun = pixelFont(QStringLiteral("宋体"), 13);

    RadioGroup1 = new QGroupBox(QStringLiteral("打印机型号"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(8, 8, 449, 73);
    RadioGroup1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    RadioGroup1Items = new QButtonGroup(RadioGroup1);
    const QString families[] = {QStringLiteral("KQ-B4XX系列"), QStringLiteral("KQ-A300系列"),
                                QStringLiteral("KQ-C6XXX系列"), QStringLiteral("KQ-A360/KQ-A370系列")};
    // Two columns, filled column by column.
    const int columnWidth = (449 - 16) / 2;
    for (int i = 0; i < 4; ++i) {
        auto *item = new QRadioButton(families[i], RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        item->setGeometry(8 + (i / 2) * columnWidth, 18 + (i % 2) * 26, columnWidth, 24);
        RadioGroup1Items->addButton(item, i);
    }
    RadioGroup1Items->button(2)->setChecked(true);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 88, 449, 21);

    Label1 = new QLabel(QStringLiteral("打印机状态:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 120, 89, 13);
    Label1->setFont(simSun);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(136, 120, 201, 13);
    Label2->setFont(simSun);

    Button2 = new QPushButton(QStringLiteral("打印机状态检测"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(168, 168, 113, 34);
    Button2->setFont(simSun);
    onClick(Button2, this, &TForm2::Button2Click);
    Button1 = new QPushButton(QStringLiteral("关闭"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(168, 240, 113, 34);
    Button1->setFont(simSun);
    onClick(Button1, this, &TForm2::Button1Click);

    Edit2 = new QLineEdit(QStringLiteral("Edit2"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(8, 144, 121, 21);
    Edit2->hide();
}

void TForm2::Button1Click() {
    close();
}

void TForm2::Button2Click() {
    const StatusQuery query = statusQueryFor(RadioGroup1Items->checkedId());
    CmdStr = query.request;
    const int index = Form1->dk->currentIndex();
    if (index < firstSerialIndex || index > lastSerialIndex) {
        showMessage(QStringLiteral("You must select Serial Port!!"));
        return;
    }
    // The port name from the list item, the rate from the text shown.
    const QByteArray reply =
        exchangeStatus(Form1->cp, Form1->dk->itemText(index), Form1->sd->currentText(), query.request);
    showStatus(printerStatus(maskedReplyText(reply, query.mask), query));
}

void TForm2::showStatus(PrinterStatus status) {
    const StatusDisplay display = statusDisplay(status);
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, display.colour);
    Label2->setPalette(palette);
    Label2->setText(display.text);
    circleColour = display.colour;
    update(circleBox);
}

void TForm2::paintEvent(QPaintEvent *event) {
    QWidget::paintEvent(event);
    if (!circleColour)
        return;
    QPainter painter(this);
    painter.setPen(*circleColour);
    painter.setBrush(*circleColour);
    painter.drawEllipse(circleBox.adjusted(0, 0, -1, -1)); // the pen's outline stays inside the box
}
