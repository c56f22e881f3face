#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "servicetesting.h"
#include "support/messagerecorder.h"
#include "support/programwindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

// The service panel's controls as the main window carries them, and the group check boxes.
class ServicePanelTest : public QObject {
    Q_OBJECT

  private:
    static QWidget *control(const char *name) {
        QWidget *found = Form1->findChild<QWidget *>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

    static QString caption(QWidget *widget) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            return edit->text();
        if (auto *list = qobject_cast<QComboBox *>(widget))
            return list->currentText();
        return QString();
    }

    static QStringList items(const QComboBox *list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i);
        return all;
    }

    struct Group {
        const char *box;
        QList<const char *> controls;
    };
    static QList<Group> groups() {
        return {{"szt", {"ph", "st", "cbs", "UpDown3"}},
                {"szt0", {"pt", "st0", "cst"}},
                {"tcb", {"tb", "tc"}},
                {"bpck", {"bpb", "bpe1", "bpe2", "UpDown1", "UpDown2", "Label12", "Label13"}},
                {"CheckBox1", {"sdb", "dc"}},
                {"CheckBox2", {"crb", "crc"}},
                {"CheckBox3", {"cdb", "cdc"}},
                {"CheckBox4", {"msb", "msc"}},
                {"CheckBox5", {"bb", "bc"}},
                {"CheckBox6", {"fontb", "fontc"}}};
    }

  private slots:
    void everyControlExistsHiddenWithItsCaption() {
        ProgramWindows windows;
        const std::pair<const char *, const char *> captions[] = {
            {"szt", "设置针打H参数"},
            {"szt0", "设置默认代码页"},
            {"tcb", "KQA3系列串口设置"},
            {"bpck", "KQC6 蜂鸣提示演示"},
            {"CheckBox1", "KQB4针打浓度设置"},
            {"CheckBox2", "KQB4针打自动换行设置"},
            {"CheckBox3", "KQC6重打禁用/启用"},
            {"CheckBox4", "KQC6仿真模式选择"},
            {"CheckBox5", "KQB4针打蜂鸣器设置"},
            {"CheckBox6", "KQA3小字体是否有效"},
            {"ph", "打印 H"},
            {"st", "设置参数  T ="},
            {"cbs", "5"},
            {"cs", "5"},
            {"pt", "打印默认代码页"},
            {"st0", "设置参数 t ="},
            {"cst", "0"},
            {"tb", "KQ-A3XX\n波特率设置"},
            {"tc", "1: 9600bps"},
            {"bpb", "蜂鸣提示"},
            {"Label12", "次数："},
            {"bpe1", "3"},
            {"Label13", "时间："},
            {"bpe2", "2"},
            {"sdb", "设置打印浓度"},
            {"dc", "Normal"},
            {"crb", "自动换行"},
            {"crc", "启用"},
            {"cdb", "重打功能"},
            {"cdc", "启用"},
            {"msb", "仿真模式选择"},
            {"msc", "EPSON ESC/POS"},
            {"bb", "蜂鸣器功能"},
            {"bc", "启用"},
            {"fontb", "小字体功能"},
            {"fontc", "启用小字体(9*17)"},
            {"Button1", "打印测试(&P)"},
            {"Edit1", "5"},
            {"RadioButton1", "40/33"},
            {"RadioButton2", "42/35"},
            {"RadioButton3", "36/30"},
            {"Open", "开钱箱(&O)"},
            {"cut", "切纸(&C)"},
            {"Button2", "针打机芯测试"},
            {"dck", "倒置"},
            {"Lfck", "换行"},
            {"zxck", "自选"},
            {"bick", "单向"},
            {"dqck", "对齐"},
            {"Label7", "开始"},
            {"Edit2", "0"},
            {"Label8", "结束"},
            {"Edit3", "400"},
            {"Label2", "请输入要打印的内容："},
            {"Label6", " 连续打印         次"},
            {"Label5", "00 H <=T<=0F H(Hexadicimal)"},
            {"Label9", "m=0,1"},
            {"Label11", "（十进制数据）"},
            {"Label14", "适用于KQ-A310、KQ-A320、"},
            {"Label15", "KQ-A330（K）、KQ-A340"},
            {"cs0", " 1"},
            {"Edit4", ""},
            {"Edit5", ""},
            {"Edit6", "Edit6"},
            {"Edit7", "Edit7"},
            {"ad", "Additional Command"},
            {"Button4", "Button4"},
            {"Image2", ""},
            {"ComboBox1", "10 15 n t(十六进制）"},
            {"dcb", "KQB4 针打黑标设置"},
            {"db", "针打黑标控制设置"},
            {"lcb", "KQ-A350 LED显示"},
            {"lb", "LED显示演示"},
            {"nvcb", "KQC6 NV Logo演示"},
            {"nvd", "NV Logo下载"},
            {"nvp", "NV Logo 打印"},
            {"bbn", "装载 BMP 文件"},
            {"CheckBox7", "KQ串行接口状态检测"},
            {"Button3", "串口状态检测"},
        };
        for (const auto &[name, text] : captions) {
            QWidget *widget = control(name);
            QVERIFY2(widget, name);
            QVERIFY2(widget->isHidden(), name);
            QCOMPARE(caption(widget), QString::fromUtf8(text));
            QVERIFY2(Form1->rect().contains(widget->geometry()), name);
        }
        for (const char *name : {"UpDown1", "UpDown2", "UpDown3", "Image1"}) {
            QVERIFY2(control(name), name);
            QVERIFY2(control(name)->isHidden(), name);
        }
    }

    void checkBoxesStartUntickedAndOnlyTheDefaultRadioButtonIsSelected() {
        ProgramWindows windows;
        for (QCheckBox *box : Form1->findChildren<QCheckBox *>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QVERIFY(Form1->RadioButton1->isChecked());
        QVERIFY(!Form1->RadioButton2->isChecked());
        QVERIFY(!Form1->RadioButton3->isChecked());
        click(Form1->RadioButton3);
        QVERIFY(Form1->RadioButton3->isChecked());
        QVERIFY(!Form1->RadioButton1->isChecked());
    }

    void listsHoldTheirItemsAndSelection() {
        ProgramWindows windows;
        const QStringList enableDisable{QStringLiteral("启用"), QStringLiteral("禁用")};
        QCOMPARE(items(Form1->cbs),
                 QStringLiteral("0 1 2 3 4 5 6 7 8 9 A B C D E F").split(QLatin1Char(' ')));
        QCOMPARE(Form1->cbs->currentIndex(), 5);
        QCOMPARE(items(Form1->tc), (QStringList{"0:4800bps", "1:9600bps", "2:19200bps", "3:38400bps",
                                                "4:57600bps", "5:115200bps", "6:2400bps"}));
        QCOMPARE(Form1->tc->currentIndex(), -1);
        QCOMPARE(items(Form1->dc), (QStringList{"Light", "Normal", "Dark"}));
        QCOMPARE(Form1->dc->currentIndex(), 1);
        for (const QComboBox *list : {Form1->crc, Form1->cdc, Form1->bc}) {
            QCOMPARE(items(list), enableDisable);
            QCOMPARE(list->currentIndex(), 0);
        }
        QCOMPARE(items(Form1->msc), (QStringList{"EPSON ESC/POS", "STAR(Line/T)"}));
        QCOMPARE(items(Form1->fontc), (QStringList{"启用小字体(9*17)", "禁用小字体(9*17)"}));
        QCOMPARE(items(Form1->ComboBox1), (QStringList{"10 15 n t(十六进制）", "1B 42 n t(十六进制）"}));
        for (const QComboBox *list : {Form1->msc, Form1->fontc, Form1->ComboBox1})
            QCOMPARE(list->currentIndex(), 0);
    }

    void editBoxesLimitWhatCanBeTyped() {
        ProgramWindows windows;
        QCOMPARE(Form1->cbs->lineEdit()->maxLength(), 1);
        QCOMPARE(Form1->cst->maxLength(), 3);
        for (const QLineEdit *edit : {Form1->bpe1, Form1->bpe2, Form1->cs}) {
            QCOMPARE(edit->maxLength(), 2);
            QVERIFY(edit->isReadOnly());
        }
        QVERIFY(!Form1->cs->isEnabled());
        reveal(Form1->cst);
        Form1->cst->selectAll();
        QTest::keyClicks(Form1->cst, QStringLiteral("12345"));
        QCOMPARE(Form1->cst->text(), QStringLiteral("0")); // disabled until szt0 is ticked
        click(Form1->szt0);
        Form1->cst->selectAll();
        QTest::keyClicks(Form1->cst, QStringLiteral("12345"));
        QCOMPARE(Form1->cst->text(), QStringLiteral("123"));
    }

    void spinnersStepTheirBuddyWithinTheRange() {
        ProgramWindows windows;
        struct Case {
            TUpDown *spinner;
            QLineEdit *buddy;
            int start;
            int max;
        };
        click(Form1->szt);
        click(Form1->bpck);
        const Case cases[] = {{Form1->UpDown1, Form1->bpe1, 3, 10},
                              {Form1->UpDown2, Form1->bpe2, 2, 10},
                              {Form1->UpDown3, Form1->cs, 5, 30}};
        for (const Case &c : cases) {
            QCOMPARE(c.spinner->position(), c.start);
            QCOMPARE(c.spinner->minimum(), 0);
            QCOMPARE(c.spinner->maximum(), c.max);
            for (int i = 0; i < c.max + 3; ++i)
                click(c.spinner->upButton);
            QCOMPARE(c.buddy->text(), QString::number(c.max)); // no wrap
            for (int i = 0; i < c.max + 3; ++i)
                click(c.spinner->downButton);
            QCOMPARE(c.buddy->text(), QStringLiteral("0"));
            click(c.spinner->upButton);
            QCOMPARE(c.buddy->text(), QStringLiteral("1"));
        }
    }

    void groupsStartDisabledAndFollowTheirCheckBox() {
        ProgramWindows windows;
        MessageRecorder recorder;
        const QList<Group> all = groups();
        for (const Group &group : all)
            for (const char *name : group.controls)
                QVERIFY2(!control(name)->isEnabled(), name);
        for (const Group &group : all) {
            auto *box = qobject_cast<QCheckBox *>(control(group.box));
            QVERIFY2(box, group.box);
            click(box);
            for (const Group &other : all)
                for (const char *name : other.controls)
                    QVERIFY2(control(name)->isEnabled() == (&other == &group), name);
            click(box);
            for (const char *name : group.controls)
                QVERIFY2(!control(name)->isEnabled(), name);
        }
        QVERIFY(recorder.entries.isEmpty());
    }

    void controlsWithoutAGroupStartEnabled() {
        ProgramWindows windows;
        for (const char *name : {"Button1", "Edit1", "RadioButton1", "RadioButton2", "RadioButton3", "Open",
                                 "cut", "Button2", "dck", "Lfck", "zxck", "bick", "dqck", "Edit2", "Edit3"})
            QVERIFY2(control(name)->isEnabled(), name);
    }

    void disabledButtonsTakeNoClick() {
        ProgramWindows windows;
        MessageRecorder recorder;
        type(Form1->dk, QString());
        click(Form1->ph); // enabled it would show the notice
        QVERIFY(recorder.entries.isEmpty());
        click(Form1->szt);
        click(Form1->ph);
        QCOMPARE(recorder.texts(), QStringList{NoticeStr});
    }

    void serialRateGroupSelectsCom3At9600WhenTicked() {
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("Ethernet"));
        click(Form1->tcb);
        QCOMPARE(Form1->dk->currentText(), QStringLiteral("COM3"));
        QCOMPARE(Form1->dk->currentIndex(), 4);
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("9600"));
        QCOMPARE(Form1->sd->currentIndex(), 2);
        QVERIFY(Form1->tb->isEnabled() && Form1->tc->isEnabled());

        choose(Form1->dk, QStringLiteral("LPT1"));
        type(Form1->sd, QStringLiteral("4800"));
        click(Form1->tcb); // unticking leaves the choice alone
        QCOMPARE(Form1->dk->currentText(), QStringLiteral("LPT1"));
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("4800"));
        QVERIFY(!Form1->tb->isEnabled() && !Form1->tc->isEnabled());

        click(Form1->tcb);
        QCOMPARE(Form1->dk->currentIndex(), 4);
        QCOMPARE(Form1->sd->currentIndex(), 2);
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("9600"));
    }

    void entryControlsOfTheOtherWindowsStartAsTheirWindowsNeed() {
        ProgramWindows windows;
        for (const QCheckBox *box : {Form1->dcb, Form1->lcb, Form1->nvcb})
            QVERIFY2(box->font().bold(), qPrintable(box->objectName()));
        for (const QWidget *button :
             {static_cast<QWidget *>(Form1->db), static_cast<QWidget *>(Form1->lb),
              static_cast<QWidget *>(Form1->nvd), static_cast<QWidget *>(Form1->nvp),
              static_cast<QWidget *>(Form1->bbn), static_cast<QWidget *>(Form1->Button3)})
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        QVERIFY(Form1->CheckBox7->isEnabled());
        QVERIFY(!Form1->CheckBox7->isChecked());
    }
};

QTEST_MAIN(ServicePanelTest)
#include "panel_test.moc"
