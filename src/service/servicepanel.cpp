#include "servicepanel.h"

#include "app/mainwindow.h"
#include "app/messages.h"

namespace {

// The panel's rows: 21 pixels apart, controls 20 pixels high.
constexpr int rowTop(int row) {
    return 2 + 21 * row;
}
constexpr int rowHeight = 20;

template <class Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height = rowHeight) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    control->hide();
    return control;
}

QPushButton *button(QWidget *form, const char *name, const QString &caption, int left, int row, int width) {
    return place(new QPushButton(caption, form), name, left, rowTop(row), width);
}

QCheckBox *checkBox(QWidget *form, const char *name, const QString &caption, int left, int row, int width) {
    return place(new QCheckBox(caption, form), name, left, rowTop(row), width);
}

QLabel *label(QWidget *form, const char *name, const QString &caption, int left, int row, int width) {
    return place(new QLabel(caption, form), name, left, rowTop(row), width);
}

QLineEdit *edit(QWidget *form, const char *name, const QString &text, int left, int row, int width) {
    return place(new QLineEdit(text, form), name, left, rowTop(row), width);
}

TComboBox *list(QWidget *form, const char *name, const QStringList &items, int selected, int left, int row,
                int width) {
    TComboBox *box = place(new TComboBox(form), name, left, rowTop(row), width);
    box->addItems(items);
    box->setCurrentIndex(selected);
    return box;
}

TUpDown *upDown(QWidget *form, const char *name, QLineEdit *buddy, int min, int max, int position) {
    TUpDown *spinner = place(new TUpDown(form), name, buddy->x() + buddy->width(), buddy->y(), 16);
    spinner->setRange(min, max);
    spinner->setPosition(position);
    spinner->setBuddy(buddy);
    return spinner;
}

// An edit box that shows a spinner's position and takes no typing.
QLineEdit *buddyEdit(QWidget *form, const char *name, const QString &text, int left, int row, int width) {
    QLineEdit *box = edit(form, name, text, left, row, width);
    box->setReadOnly(true);
    box->setMaxLength(2);
    return box;
}

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

const QStringList enableDisable = {QStringLiteral("启用"), QStringLiteral("禁用")};

QStringList hexDigits() {
    QStringList digits;
    for (const char digit : QByteArrayLiteral("0123456789ABCDEF"))
        digits << QString(QLatin1Char(digit));
    return digits;
}

// Column of the group check boxes, of their buttons, and of their lists or edits.
constexpr int boxColumn = 4;
constexpr int buttonColumn = 158;
constexpr int valueColumn = 272;
constexpr int rightColumn = 400;

} // namespace

TForm1 &TServicePanel::form() {
    return static_cast<TForm1 &>(*this);
}

void TServicePanel::createServicePanel(QWidget *parent) {
    Button1 = button(parent, "Button1", QStringLiteral("打印测试(&P)"), boxColumn, 0, 110);
    Label6 = label(parent, "Label6", QStringLiteral(" 连续打印         次"), 118, 0, 150);
    Edit1 = edit(parent, "Edit1", QStringLiteral("5"), 190, 0, 40);
    RadioButton1 =
        place(new QRadioButton(QStringLiteral("40/33"), parent), "RadioButton1", valueColumn, rowTop(0), 80);
    RadioButton2 =
        place(new QRadioButton(QStringLiteral("42/35"), parent), "RadioButton2", 354, rowTop(0), 80);
    RadioButton3 =
        place(new QRadioButton(QStringLiteral("36/30"), parent), "RadioButton3", 436, rowTop(0), 80);
    RadioButton1->setChecked(true);

    Open = button(parent, "Open", QStringLiteral("开钱箱(&O)"), boxColumn, 1, 110);
    cut = button(parent, "cut", QStringLiteral("切纸(&C)"), 118, 1, 110);
    Label2 = label(parent, "Label2", QStringLiteral("请输入要打印的内容："), 232, 1, 200);
    Edit4 = edit(parent, "Edit4", QString(), 436, 1, 120);

    Button2 = button(parent, "Button2", QStringLiteral("针打机芯测试"), boxColumn, 2, 110);
    dck = checkBox(parent, "dck", QStringLiteral("倒置"), 118, 2, 60);
    Lfck = checkBox(parent, "Lfck", QStringLiteral("换行"), 180, 2, 60);
    zxck = checkBox(parent, "zxck", QStringLiteral("自选"), 242, 2, 60);
    bick = checkBox(parent, "bick", QStringLiteral("单向"), 304, 2, 60);
    dqck = checkBox(parent, "dqck", QStringLiteral("对齐"), 366, 2, 60);
    Label7 = label(parent, "Label7", QStringLiteral("开始"), 118, 3, 36);
    Edit2 = edit(parent, "Edit2", QStringLiteral("0"), 156, 3, 60);
    Label8 = label(parent, "Label8", QStringLiteral("结束"), 224, 3, 36);
    Edit3 = edit(parent, "Edit3", QStringLiteral("400"), 262, 3, 60);
    Edit5 = edit(parent, "Edit5", QString(), 330, 3, 100);
    Edit6 = edit(parent, "Edit6", QStringLiteral("Edit6"), 436, 3, 120);

    szt = checkBox(parent, "szt", QStringLiteral("设置针打H参数"), boxColumn, 4, 150);
    ph = button(parent, "ph", QStringLiteral("打印 H"), buttonColumn, 4, 80);
    st = button(parent, "st", QStringLiteral("设置参数  T ="), 242, 4, 110);
    cbs = list(parent, "cbs", hexDigits(), 5, 356, 4, 44);
    cbs->lineEdit()->setMaxLength(1);
    cs = buddyEdit(parent, "cs", QStringLiteral("5"), 404, 4, 28);
    cs->setEnabled(false);
    UpDown3 = upDown(parent, "UpDown3", cs, 0, 30, 5);
    Label5 = label(parent, "Label5", QStringLiteral("00 H <=T<=0F H(Hexadicimal)"), 452, 4, 104);

    szt0 = checkBox(parent, "szt0", QStringLiteral("设置默认代码页"), boxColumn, 5, 150);
    pt = button(parent, "pt", QStringLiteral("打印默认代码页"), buttonColumn, 5, 110);
    st0 = button(parent, "st0", QStringLiteral("设置参数 t ="), valueColumn, 5, 100);
    cst = edit(parent, "cst", QStringLiteral("0"), 376, 5, 40);
    cst->setMaxLength(3);
    Label9 = label(parent, "Label9", QStringLiteral("m=0,1"), 420, 5, 60);
    cs0 = edit(parent, "cs0", QStringLiteral(" 1"), 484, 5, 72);

    tcb = checkBox(parent, "tcb", QStringLiteral("KQA3系列串口设置"), boxColumn, 6, 150);
    tb = place(new QPushButton(parent), "tb", buttonColumn, rowTop(6), 110, 2 * rowHeight + 1);
    tc = list(parent, "tc",
              {QStringLiteral("0:4800bps"), QStringLiteral("1:9600bps"), QStringLiteral("2:19200bps"),
               QStringLiteral("3:38400bps"), QStringLiteral("4:57600bps"), QStringLiteral("5:115200bps"),
               QStringLiteral("6:2400bps")},
              -1, valueColumn, 6, 120);
    tc->setEditText(QStringLiteral("1: 9600bps"));
    Label14 = label(parent, "Label14", QStringLiteral("适用于KQ-A310、KQ-A320、"), rightColumn, 6, 156);
    Label15 = label(parent, "Label15", QStringLiteral("KQ-A330（K）、KQ-A340"), rightColumn, 7, 156);

    bpck = checkBox(parent, "bpck", QStringLiteral("KQC6 蜂鸣提示演示"), boxColumn, 8, 150);
    bpb = button(parent, "bpb", QStringLiteral("蜂鸣提示"), buttonColumn, 8, 80);
    Label12 = label(parent, "Label12", QStringLiteral("次数："), 242, 8, 48);
    bpe1 = buddyEdit(parent, "bpe1", QStringLiteral("3"), 290, 8, 24);
    UpDown1 = upDown(parent, "UpDown1", bpe1, 0, 10, 3);
    Label13 = label(parent, "Label13", QStringLiteral("时间："), 334, 8, 48);
    bpe2 = buddyEdit(parent, "bpe2", QStringLiteral("2"), 382, 8, 24);
    UpDown2 = upDown(parent, "UpDown2", bpe2, 0, 10, 2);
    ComboBox1 = list(parent, "ComboBox1",
                     {QStringLiteral("10 15 n t(十六进制）"), QStringLiteral("1B 42 n t(十六进制）")}, 0, 426,
                     8, 130);

    CheckBox1 = checkBox(parent, "CheckBox1", QStringLiteral("KQB4针打浓度设置"), boxColumn, 9, 150);
    sdb = button(parent, "sdb", QStringLiteral("设置打印浓度"), buttonColumn, 9, 110);
    dc = list(parent, "dc", {QStringLiteral("Light"), QStringLiteral("Normal"), QStringLiteral("Dark")}, 1,
              valueColumn, 9, 120);
    Label11 = label(parent, "Label11", QStringLiteral("（十进制数据）"), rightColumn, 9, 156);

    CheckBox2 = checkBox(parent, "CheckBox2", QStringLiteral("KQB4针打自动换行设置"), boxColumn, 10, 150);
    crb = button(parent, "crb", QStringLiteral("自动换行"), buttonColumn, 10, 110);
    crc = list(parent, "crc", enableDisable, 0, valueColumn, 10, 120);

    CheckBox3 = checkBox(parent, "CheckBox3", QStringLiteral("KQC6重打禁用/启用"), boxColumn, 11, 150);
    cdb = button(parent, "cdb", QStringLiteral("重打功能"), buttonColumn, 11, 110);
    cdc = list(parent, "cdc", enableDisable, 0, valueColumn, 11, 120);

    CheckBox4 = checkBox(parent, "CheckBox4", QStringLiteral("KQC6仿真模式选择"), boxColumn, 12, 150);
    msb = button(parent, "msb", QStringLiteral("仿真模式选择"), buttonColumn, 12, 110);
    msc = list(parent, "msc", {QStringLiteral("EPSON ESC/POS"), QStringLiteral("STAR(Line/T)")}, 0,
               valueColumn, 12, 120);

    CheckBox5 = checkBox(parent, "CheckBox5", QStringLiteral("KQB4针打蜂鸣器设置"), boxColumn, 13, 150);
    bb = button(parent, "bb", QStringLiteral("蜂鸣器功能"), buttonColumn, 13, 110);
    bc = list(parent, "bc", enableDisable, 0, valueColumn, 13, 120);

    CheckBox6 = checkBox(parent, "CheckBox6", QStringLiteral("KQA3小字体是否有效"), boxColumn, 14, 150);
    fontb = button(parent, "fontb", QStringLiteral("小字体功能"), buttonColumn, 14, 110);
    fontc = list(parent, "fontc", {QStringLiteral("启用小字体(9*17)"), QStringLiteral("禁用小字体(9*17)")}, 0,
                 valueColumn, 14, 120);

    Image1 = place(new QLabel(parent), "Image1", rightColumn, rowTop(10), 137, 2 * rowHeight + 1);
    Image2 = place(new QLabel(parent), "Image2", rightColumn, rowTop(12), 137, 2 * rowHeight + 1);
    Edit7 = edit(parent, "Edit7", QStringLiteral("Edit7"), rightColumn, 14, 156);

    dcb = checkBox(parent, "dcb", QStringLiteral("KQB4 针打黑标设置"), boxColumn, 15, 150);
    db = button(parent, "db", QStringLiteral("针打黑标控制设置"), buttonColumn, 15, 130);
    lcb = checkBox(parent, "lcb", QStringLiteral("KQ-A350 LED显示"), 292, 15, 130);
    lb = button(parent, "lb", QStringLiteral("LED显示演示"), 426, 15, 130);
    nvcb = checkBox(parent, "nvcb", QStringLiteral("KQC6 NV Logo演示"), boxColumn, 16, 150);
    nvd = button(parent, "nvd", QStringLiteral("NV Logo下载"), buttonColumn, 16, 130);
    nvp = button(parent, "nvp", QStringLiteral("NV Logo 打印"), 292, 16, 130);
    bbn = button(parent, "bbn", QStringLiteral("装载 BMP 文件"), 426, 16, 130);
    CheckBox7 = checkBox(parent, "CheckBox7", QStringLiteral("KQ串行接口状态检测"), boxColumn, 17, 150);
    Button3 = button(parent, "Button3", QStringLiteral("串口状态检测"), buttonColumn, 17, 130);
    ad = checkBox(parent, "ad", QStringLiteral("Additional Command"), 292, 17, 180);
    Button4 = button(parent, "Button4", QStringLiteral("Button4"), 476, 17, 80);
    for (QCheckBox *box : {dcb, lcb, nvcb})
        box->setFont(bold(box->font()));
    for (QWidget *entry :
         {static_cast<QWidget *>(db), static_cast<QWidget *>(lb), static_cast<QWidget *>(nvd),
          static_cast<QWidget *>(nvp), static_cast<QWidget *>(bbn), static_cast<QWidget *>(Button3)})
        entry->setEnabled(false);

    for (const Group &group : groups())
        for (QWidget *control : group.controls)
            control->setEnabled(false);
    connectHandlers();
}

QList<TServicePanel::Group> TServicePanel::groups() const {
    return {
        {szt, {ph, st, cbs, UpDown3}},
        {szt0, {pt, st0, cst}},
        {tcb, {tb, tc}},
        {bpck, {bpb, bpe1, bpe2, UpDown1, UpDown2, Label12, Label13}},
        {CheckBox1, {sdb, dc}},
        {CheckBox2, {crb, crc}},
        {CheckBox3, {cdb, cdc}},
        {CheckBox4, {msb, msc}},
        {CheckBox5, {bb, bc}},
        {CheckBox6, {fontb, fontc}},
    };
}

void TServicePanel::switchGroup(const QCheckBox *box) {
    for (const Group &group : groups())
        if (group.box == box)
            for (QWidget *control : group.controls)
                control->setEnabled(box->isChecked());
}

void TServicePanel::sztClick() {
    switchGroup(szt);
}

void TServicePanel::szt0Click() {
    switchGroup(szt0);
}

void TServicePanel::tcbClick() {
    switchGroup(tcb);
    if (tcb->isChecked()) {
        form().dk->setCurrentIndex(4); // "COM3"
        form().sd->setCurrentIndex(2); // "9600"
    }
}

void TServicePanel::bpckClick() {
    switchGroup(bpck);
}

void TServicePanel::CheckBox1Click() {
    switchGroup(CheckBox1);
}

void TServicePanel::CheckBox2Click() {
    switchGroup(CheckBox2);
}

void TServicePanel::CheckBox3Click() {
    switchGroup(CheckBox3);
}

void TServicePanel::CheckBox4Click() {
    switchGroup(CheckBox4);
}

void TServicePanel::CheckBox5Click() {
    switchGroup(CheckBox5);
}

void TServicePanel::CheckBox6Click() {
    switchGroup(CheckBox6);
}

void TServicePanel::connectHandlers() {
    TForm1 *window = &form();
    // As onClick, but calling the handler on the panel itself: onClick would need the panel's member
    // pointer converted to one of TForm1, whose second base the panel is, and the call through it
    // fails the undefined-behaviour checker's type check.
    const auto connectClick = [this, window](QAbstractButton *control, void (TServicePanel::*handler)()) {
        QObject::connect(control, &QAbstractButton::clicked, window,
                         [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    connectClick(szt, &TServicePanel::sztClick);
    connectClick(szt0, &TServicePanel::szt0Click);
    connectClick(tcb, &TServicePanel::tcbClick);
    connectClick(bpck, &TServicePanel::bpckClick);
    connectClick(CheckBox1, &TServicePanel::CheckBox1Click);
    connectClick(CheckBox2, &TServicePanel::CheckBox2Click);
    connectClick(CheckBox3, &TServicePanel::CheckBox3Click);
    connectClick(CheckBox4, &TServicePanel::CheckBox4Click);
    connectClick(CheckBox5, &TServicePanel::CheckBox5Click);
    connectClick(CheckBox6, &TServicePanel::CheckBox6Click);
    connectClick(Button1, &TServicePanel::Button1Click);
    connectClick(Open, &TServicePanel::OpenClick);
    connectClick(cut, &TServicePanel::cutClick);
    connectClick(Button2, &TServicePanel::Button2Click);
    connectClick(ph, &TServicePanel::phClick);
    connectClick(st, &TServicePanel::stClick);
    connectClick(st0, &TServicePanel::st0Click);
    connectClick(pt, &TServicePanel::ptClick);
    connectClick(tb, &TServicePanel::tbClick);
    connectClick(bpb, &TServicePanel::bpbClick);
    connectClick(sdb, &TServicePanel::sdbClick);
    connectClick(crb, &TServicePanel::crbClick);
    connectClick(cdb, &TServicePanel::cdbClick);
    connectClick(msb, &TServicePanel::msbClick);
    connectClick(bb, &TServicePanel::bbClick);
    connectClick(fontb, &TServicePanel::fontbClick);
}
