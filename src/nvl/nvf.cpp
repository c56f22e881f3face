#include "nvf.h"

#include "app/layout.h"

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/textconv.h"
#include "bmpload.h"
#include "hexfile.h"
#include "mainwindownv.h"
#include "nvlogo.h"
#include "samples.h"

#include <QPainter>
#include <QThread>
#include <QVBoxLayout>

namespace {

template <class Control> Control *hidden(Control *control) {
    control->setVisible(false);
    return control;
}

// The window's picture sits at this point of the client area; the size rules leave room for it.
constexpr int pictureLeft = 272;
constexpr int pictureTop = 40;

// The network download's own pauses: after sending, and after closing before its message.
constexpr int downloadPauseAfterSendMs = 10;
constexpr int downloadPauseAfterCloseMs = 100;
constexpr int networkPortIndex = 10;

} // namespace

TRadioGroup::TRadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent) {
    auto *layout = new QVBoxLayout(this);
    for (const QString &item : items) {
        auto *button = new QRadioButton(item, this);
        layout->addWidget(button);
        Buttons << button;
    }
}

int TRadioGroup::ItemIndex() const {
    for (int i = 0; i < Buttons.size(); ++i)
        if (Buttons[i]->isChecked())
            return i;
    return -1;
}

void TRadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < Buttons.size())
        Buttons[index]->setChecked(true);
}

Tnvf::Tnvf(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint) {
    setObjectName(QStringLiteral("nvf"));
    setWindowTitle(QStringLiteral("KQ C6 NV Logo 演示"));
    setFont(pixelFont(QStringLiteral("宋体"), 14));
    resize(750, 539);
    createControls();
    connectHandlers();
    installMainWindowNvControls();
    connectBitImageCommands();
}

void Tnvf::createControls() {
    Image1 = place(new TImage(this), "Image1", pictureLeft, pictureTop, 0, 0);
    Image1->setPicture(nvLogoSample());

    Label1 =
        place(new QLabel(QStringLiteral("位图大小: 1176 字节"), this), "Label1", pictureLeft, 16, 400, 16);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);

    BitBtn1 = place(new QPushButton(QStringLiteral("打开BMP文件"), this), "BitBtn1", 16, 16, 241, 33);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    Button2 = place(new QPushButton(QStringLiteral("下载NV Logo"), this), "Button2", 16, 56, 241, 33);
    Button3 = place(new QPushButton(QStringLiteral("打印NV Logo"), this), "Button3", 16, 96, 241, 33);
    RadioGroup1 = place(new TRadioGroup(QStringLiteral("打印时大小缩放"),
                                        {QStringLiteral("原始大小"), QStringLiteral("双倍宽"),
                                         QStringLiteral("双倍高"), QStringLiteral("双倍宽、高")},
                                        this),
                        "RadioGroup1", 16, 136, 241, 121);
    RadioGroup1->setItemIndex(0);
    Button5 = place(new QPushButton(QStringLiteral("清除NV Logo"), this), "Button5", 16, 264, 241, 33);
    RadioButton5 = place(new QRadioButton(QStringLiteral("原始"), this), "RadioButton5", 16, 304, 100, 17);
    RadioButton5->setEnabled(false);
    RadioButton6 = place(new QRadioButton(QStringLiteral("变换后"), this), "RadioButton6", 136, 304, 100, 17);
    RadioButton6->setChecked(true);

    QLineEdit **edits[8] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8};
    for (int i = 0; i < 8; ++i) {
        const int left = 16 + (i % 2) * 120;
        const int top = 330 + (i / 2) * 26;
        const QByteArray editName = "Edit" + QByteArray::number(i + 1);
        const QByteArray labelName = "LabelE" + QByteArray::number(i + 1);
        EditLabels[i] = hidden(place(new QLabel(QStringLiteral("E%1").arg(i + 1), this),
                                     labelName.constData(), left, top + 4, 18, 14));
        *edits[i] = hidden(place(new QLineEdit(QString::fromLatin1(editName), this), editName.constData(),
                                 left + 20, top, 90, 22));
    }
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QStringLiteral("1"));
    Edit9 = hidden(place(new QLineEdit(QStringLiteral("c:\\hex.bin"), this), "Edit9", 16, 434, 241, 22));
    Edit10 = hidden(place(new QLineEdit(QStringLiteral("$00800000"), this), "Edit10", 16, 460, 117, 22));
    Edit11 = hidden(place(new QLineEdit(QStringLiteral("0"), this), "Edit11", 140, 460, 60, 22));
    hcb = hidden(place(new QCheckBox(QStringLiteral("HEX"), this), "hcb", 206, 462, 51, 18));

    Button1 = place(new QPushButton(QStringLiteral("关闭"), this), "Button1", 16, 488, 241, 33);

    const struct {
        QPushButton **button;
        const char *name;
        const char *caption;
    } hiddenButtons[] = {
        {&Button4, "Button4", "C6切切刀测试"}, {&Button6, "Button6", "转换后的数据TXT"},
        {&Button7, "Button7", "加密后的数据"}, {&Button8, "Button8", "定义下载位图"},
        {&Button9, "Button9", "Button9"},      {&Button10, "Button10", "打印下载位图"},
        {&Button11, "Button11", "Button11"},
    };
    for (int i = 0; i < 7; ++i) {
        const auto &b = hiddenButtons[i];
        *b.button = hidden(place(new QPushButton(QString::fromUtf8(b.caption), this), b.name,
                                 pictureLeft + (i % 4) * 116, 456 + (i / 4) * 32, 110, 27));
    }

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->Filter = QStringLiteral("位图文件(*.BMP)|*.BMP");
}

void Tnvf::connectHandlers() {
    onClick(BitBtn1, this, &Tnvf::BitBtn1Click);
    onClick(Button2, this, &Tnvf::Button2Click);
    onClick(Button3, this, &Tnvf::Button3Click);
    onClick(Button5, this, &Tnvf::Button5Click);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
}

void Tnvf::BitBtn1Click() {
    OpenDialog1->FilterIndex = 1;
    if (OpenDialog1->Execute(this)) {
        Image1->setPicture(loadPicture(OpenDialog1->FileName));
        whiteBands.clear();
        update();
    }
    showPictureSize();
}

void Tnvf::showPictureSize() {
    const QImage &picture = Image1->picture();
    const RasterGeometry geometry = rasterGeometry(picture.width(), picture.height());
    Edit1->setText(QString::number(geometry.paddedColumns()));
    Edit2->setText(QString::number(geometry.paddedRows()));
    const QSize size = windowSizeFor(geometry);
    resize(size);
    Edit3->setText(QString::number(size.width()));
    Edit4->setText(QString::number(size.height()));
    Label1->setText(pictureSizeText(geometry.dataSize));
    if (geometry.tooLarge())
        showMessage(QStringLiteral("BMP图形太大!请重新选择!"));
}

void Tnvf::Button2Click() {
    CmdStr.clear();
    const QImage &picture = Image1->picture();
    const int leftTrim = StrToInt(Edit11->text());
    if (conversionPlan(ConversionCommand::NvLogoDownload, picture.size(), leftTrim).geometry.tooLarge()) {
        showMessage(QStringLiteral("BMP图形太大，不能下载！请重新选择!"));
        return;
    }
    const int threshold = StrToInt(Edit10->text());
    const ConversionPlan plan =
        conversionPlan(ConversionCommand::NvLogoDownload, picture.size(), leftTrim, threshold);
    blankFill(plan);
    CmdStr = nvLogoDownloadCommand(picture, plan);
    if (hcb->isChecked())
        writeHexFile(Edit9->text(), CmdStr);
    const PortChoice choice = currentPortChoice(NameSource::Texts);
    if (choice.index != networkPortIndex) {
        fullSend(NameSource::Texts);
        return;
    }
    Edit1->setText(QString::number(CmdStr.size()));
    // The message promises a delivered logo: it follows only a send that delivered every byte.
    if (!fullSend(NameSource::Texts, SendVariant{downloadPauseAfterSendMs}))
        return;
    QThread::msleep(downloadPauseAfterCloseMs);
    showMessage(QStringLiteral("恭喜！！NV Logo 下载成功！"));
}

void Tnvf::Button3Click() {
    CmdStr = nvLogoPrintCommand(RadioGroup1->ItemIndex());
    fullSend(NameSource::Texts);
}

void Tnvf::Button5Click() {
    CmdStr = nvLogoClearCommand();
    fullSend(NameSource::Texts);
}

void Tnvf::blankFill(const ConversionPlan &plan) {
    const QSize picture = Image1->picture().size();
    const RasterSample &s = plan.sample;
    const int right = s.firstColumn + s.columns; // one past the last picture column sampled
    const QPoint origin = Image1->pos();
    whiteBands.clear();
    if (right > picture.width())
        whiteBands << QRect(origin.x() + picture.width(), origin.y(), right - picture.width(),
                            std::max(s.rows, picture.height()));
    if (s.rows > picture.height())
        whiteBands << QRect(origin.x() + std::max(0, s.firstColumn), origin.y() + picture.height(),
                            std::max(0, std::min(right, picture.width()) - std::max(0, s.firstColumn)),
                            s.rows - picture.height());
    update();
}

void Tnvf::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    for (const QRect &band : whiteBands)
        painter.fillRect(band, Qt::white);
}
