#include "ipedit/ipedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(IPEditMetrics)

namespace {

QString fieldTexts(const TIPEdit &ip) {
    QStringList texts;
    for (const TIPFieldEdit *field : ip.Fields)
        texts << field->text();
    return texts.join(QLatin1Char('|'));
}

} // namespace

class TestIPEdit : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void defaults();
    void propertiesReachAllFields();
    void writeAndReadIPString_data();
    void writeAndReadIPString();
    void programTextIsValidated_data();
    void programTextIsValidated();
    void typedKeys_data();
    void typedKeys();
    void focusRules_data();
    void focusRules();
    void layoutFormulas_data();
    void layoutFormulas();
    void fontSize_data();
    void fontSize();
    void fieldsFollowSizeAndFont_data();
    void fieldsFollowSizeAndFont();
    void paintsBackgroundBorderAndDots();

  private:
    // A shown, active window holding a line edit, the control and another line edit, in Tab order.
    bool showWindow();
    // Focuses field index from inside the control (so without the redirection to field 0).
    bool focusField(int index);
    // Types keys into whichever widget has the focus at each step: '<' Left, '>' Right, '#' Backspace.
    void type(const QString &keys);
    void record();

    std::unique_ptr<QWidget> window;
    QLineEdit *before = nullptr;
    TIPEdit *ip = nullptr;
    QLineEdit *after = nullptr;
    QStringList events;
    QList<QObject *> senders;
};

void TestIPEdit::init() {
    window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("window"));
    window->resize(400, 120);
    before = new QLineEdit(window.get());
    before->setObjectName(QStringLiteral("before"));
    before->setGeometry(10, 10, 100, 24);
    ip = new TIPEdit(window.get());
    ip->setObjectName(QStringLiteral("IPE"));
    ip->move(10, 40);
    after = new QLineEdit(window.get());
    after->setObjectName(QStringLiteral("after"));
    after->setGeometry(10, 80, 100, 24);
    events.clear();
    senders.clear();
}

void TestIPEdit::cleanup() {
    window.reset();
    before = after = nullptr;
    ip = nullptr;
}

bool TestIPEdit::showWindow() {
    window->show();
    return QTest::qWaitForWindowActive(window.get(), 5000);
}

bool TestIPEdit::focusField(int index) {
    ip->Fields[0]->setFocus();
    ip->Fields[index]->setFocus();
    return QTest::qWaitFor([&] { return ip->FocusedFieldIndex() == index; }, 5000);
}

void TestIPEdit::type(const QString &keys) {
    for (const QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the focus");
        if (c == QLatin1Char('<'))
            QTest::keyClick(target, Qt::Key_Left);
        else if (c == QLatin1Char('>'))
            QTest::keyClick(target, Qt::Key_Right);
        else if (c == QLatin1Char('#'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else
            QTest::keyClick(target, c.toLatin1());
    }
}

void TestIPEdit::record() {
    connect(ip, &TIPEdit::OnChange, this, [this](QObject *sender) {
        senders << sender;
        events << QStringLiteral("change %1").arg(ip->IPString());
    });
    connect(ip, &TIPEdit::OnError, this, [this](QObject *sender, int field) {
        senders << sender;
        events << QStringLiteral("error %1 %2 %3").arg(field).arg(ip->IPString()).arg(ip->Error());
    });
}

void TestIPEdit::defaults() {
    QCOMPARE(ip->size(), QSize(180, 21));
    QCOMPARE(ip->font().pointSize(), 9);
    QVERIFY(ip->font().bold());
    QCOMPARE(ip->IPString(), QStringLiteral("0.0.0.0"));
    QCOMPARE(fieldTexts(*ip), QStringLiteral("0|0|0|0"));
    QCOMPARE(ip->BorderStyle(), TIPEdit::bsSingle);
    QVERIFY(!ip->ReadOnly());
    QVERIFY(ip->TabStop());
    QVERIFY(!ip->Error());
    QCOMPARE(ip->Color(), QApplication::palette().color(QPalette::Base));
    QCOMPARE(ip->Cursor().shape(), Qt::IBeamCursor);
    for (int i = 0; i < 4; ++i) {
        const TIPFieldEdit *field = ip->Fields[i];
        QCOMPARE(field->objectName(), QStringLiteral("Fields%1").arg(i));
        QCOMPARE(ip->findChild<TIPFieldEdit *>(QStringLiteral("Fields%1").arg(i)), field);
        QCOMPARE(field->parentWidget(), ip);
        QCOMPARE(field->Index(), i);
        QVERIFY(!field->hasFrame());
        QCOMPARE(field->maxLength(), 3);
        QVERIFY(field->alignment() & Qt::AlignHCenter);
        QCOMPARE(field->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(field->font(), ip->font());
        QCOMPARE(field->palette().color(QPalette::Base), ip->Color());
        QCOMPARE(int(field->MinValue), 0);
        QCOMPARE(int(field->MaxValue), 255);
        QCOMPARE(int(field->OctetValue), 0);
        QVERIFY(!field->ErrorFlag);
    }
}

void TestIPEdit::propertiesReachAllFields() {
    ip->setReadOnly(true);
    ip->setTabStop(false);
    ip->setColor(QColor(10, 200, 30));
    ip->setFontColor(Qt::red);
    ip->setControlCursor(Qt::CrossCursor);
    ip->setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    QVERIFY(ip->ReadOnly());
    QVERIFY(!ip->TabStop());
    QCOMPARE(ip->Cursor().shape(), Qt::CrossCursor);
    for (const TIPFieldEdit *field : ip->Fields) {
        QVERIFY(field->isReadOnly());
        QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
        QCOMPARE(field->palette().color(QPalette::Base), QColor(10, 200, 30));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(field->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(field->font().pointSize(), 12);
    }
    // QLineEdit puts back its own cursor when read-only changes; the control's must win.
    ip->setReadOnly(false);
    for (const TIPFieldEdit *field : ip->Fields) {
        QVERIFY(!field->isReadOnly());
        QCOMPARE(field->cursor().shape(), Qt::CrossCursor);
    }
}

void TestIPEdit::writeAndReadIPString_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("main window address") << "192.168.123.100"
                                         << "192.168.123.100";
    QTest::newRow("three octets ignored") << "1.2.3"
                                          << "9.9.9.9";
    QTest::newRow("empty ignored") << ""
                                   << "9.9.9.9";
    QTest::newRow("octet above 255") << "300.1.2.3"
                                     << "255.1.2.3";
    QTest::newRow("empty octet") << "1..2.3"
                                 << "1.255.2.3";
    QTest::newRow("fifth octet dropped") << "1.2.3.4.5"
                                         << "1.2.3.4";
    QTest::newRow("trailing letter") << "1.2.3.4x"
                                     << "1.2.3.255";
    QTest::newRow("integer conversion rules") << " 7.$10.0x20.-1"
                                              << "7.16.32.255";
    QTest::newRow("blank after number") << "1 .2.3.4"
                                        << "255.2.3.4";
}

void TestIPEdit::writeAndReadIPString() {
    QFETCH(QString, written);
    QFETCH(QString, read);
    QVERIFY(showWindow());
    ip->setIPString(QStringLiteral("9.9.9.9"));
    QVERIFY(focusField(0));
    ip->Fields[0]->SetCaretColumn(1);
    record();

    ip->setIPString(written);

    QCOMPARE(ip->IPString(), read);
    QCOMPARE(fieldTexts(*ip), read.split(QLatin1Char('.')).join(QLatin1Char('|')));
    QCOMPARE(events, QStringList());
    QCOMPARE(ip->FocusedFieldIndex(), 0);
    QVERIFY(!ip->Error());
}

void TestIPEdit::programTextIsValidated_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expectedEvents");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("address");
    QTest::newRow("above range") << "300" << QStringList{"error 1 255 1", "change 0.255.0.0"} << "255"
                                 << "0.255.0.0";
    QTest::newRow("not a number") << "abc" << QStringList{"error 1 255 1", "change 0.255.0.0"} << "255"
                                  << "0.255.0.0";
    QTest::newRow("hexadecimal") << "$FF" << QStringList{"change 0.255.0.0"} << "$FF"
                                 << "0.255.0.0";
    QTest::newRow("in range") << "7" << QStringList{"change 0.7.0.0"} << "7"
                              << "0.7.0.0";
    QTest::newRow("same number") << "00" << QStringList() << "00"
                                 << "0.0.0.0";
    QTest::newRow("emptied keeps number") << "" << QStringList() << ""
                                          << "0.0.0.0";
}

void TestIPEdit::programTextIsValidated() {
    QFETCH(QString, text);
    QFETCH(QStringList, expectedEvents);
    QFETCH(QString, shown);
    QFETCH(QString, address);
    record();

    ip->Fields[1]->setText(text);

    QCOMPARE(events, expectedEvents);
    QCOMPARE(ip->Fields[1]->text(), shown);
    QCOMPARE(ip->IPString(), address);
    QVERIFY(!ip->Error());
    if (shown == QLatin1String("255") && text != shown)
        QCOMPARE(ip->Fields[1]->CaretColumn(), 0);
    for (QObject *sender : senders)
        QCOMPARE(sender, window.get());
}

void TestIPEdit::typedKeys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("caret"); // -1 selects all, -2 empties the field
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expectedEvents");
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("focusedCaret");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("address");

    const QStringList none;
    QTest::newRow("three digits move on")
        << "0.0.0.0" << 0 << -2 << false << "192"
        << QStringList{"change 1.0.0.0", "change 19.0.0.0", "change 192.0.0.0"} << 1 << 0 << "0"
        << "192|0|0|0"
        << "192.0.0.0";
    QTest::newRow("next digits replace the selection")
        << "0.0.0.0" << 0 << -2 << false << "192168"
        << QStringList{"change 1.0.0.0",   "change 19.0.0.0",   "change 192.0.0.0",
                       "change 192.1.0.0", "change 192.16.0.0", "change 192.168.0.0"}
        << 2 << 0 << "0"
        << "192|168|0|0"
        << "192.168.0.0";
    QTest::newRow("above 255 becomes 255")
        << "0.0.0.0" << 2 << -2 << false << "256"
        << QStringList{"change 0.0.2.0", "change 0.0.25.0", "error 2 255 1", "change 0.0.255.0"} << 2 << 0
        << ""
        << "0|0|255|0"
        << "0.0.255.0";
    QTest::newRow("full stop moves on") << "0.10.0.0" << 1 << 2 << false << "." << none << 2 << 0 << "0"
                                        << "0|10|0|0"
                                        << "0.10.0.0";
    QTest::newRow("full stop in empty field") << "0.10.0.0" << 1 << -2 << false << "." << none << 1 << 0 << ""
                                              << "0||0|0"
                                              << "0.10.0.0";
    QTest::newRow("full stop over selection")
        << "0.10.0.0" << 1 << -1 << false << "." << none << 1 << 0 << "10"
        << "0|10|0|0"
        << "0.10.0.0";
    QTest::newRow("full stop in last field") << "0.0.0.10" << 3 << 2 << false << "." << none << 3 << 2 << ""
                                             << "0|0|0|10"
                                             << "0.0.0.10";
    QTest::newRow("backspace empties, number stays")
        << "192.0.0.0" << 0 << 3 << false << "###" << QStringList{"change 19.0.0.0", "change 1.0.0.0"} << 0
        << 0 << ""
        << "|0|0|0"
        << "1.0.0.0";
    QTest::newRow("backspace at column 0") << "1.22.3.4" << 2 << 0 << false << "#" << none << 1 << 2 << ""
                                           << "1|22|3|4"
                                           << "1.22.3.4";
    QTest::newRow("backspace over selection at column 0")
        << "1.22.3.4" << 2 << -1 << false << "#" << none << 1 << 2 << ""
        << "1|22||4"
        << "1.22.3.4";
    QTest::newRow("left at column 0") << "1.22.3.4" << 2 << 0 << false << "<" << none << 1 << 2 << ""
                                      << "1|22|3|4"
                                      << "1.22.3.4";
    QTest::newRow("left inside a field") << "1.22.33.4" << 2 << 1 << false << "<" << none << 2 << 0 << ""
                                         << "1|22|33|4"
                                         << "1.22.33.4";
    QTest::newRow("left in first field") << "1.2.3.4" << 0 << 0 << false << "<" << none << 0 << 0 << ""
                                         << "1|2|3|4"
                                         << "1.2.3.4";
    QTest::newRow("right at end") << "1.22.3.4" << 1 << 2 << false << ">" << none << 2 << 0 << ""
                                  << "1|22|3|4"
                                  << "1.22.3.4";
    QTest::newRow("right at end of last field")
        << "1.2.3.44" << 3 << 2 << false << ">" << none << 3 << 2 << ""
        << "1|2|3|44"
        << "1.2.3.44";
    QTest::newRow("letters and blanks dropped")
        << "1.2.3.4" << 1 << 1 << false << "a x-," << none << 1 << 1 << ""
        << "1|2|3|4"
        << "1.2.3.4";
    QTest::newRow("fourth digit refused") << "1.123.3.4" << 1 << 1 << false << "4" << none << 1 << 1 << ""
                                          << "1|123|3|4"
                                          << "1.123.3.4";
    QTest::newRow("read-only refuses digits, still navigates")
        << "1.22.3.4" << 2 << 0 << true << "9<" << none << 1 << 2 << ""
        << "1|22|3|4"
        << "1.22.3.4";
    QTest::newRow("read-only full stop moves on")
        << "1.22.3.4" << 1 << 2 << true << "." << none << 2 << 0 << "3"
        << "1|22|3|4"
        << "1.22.3.4";
}

void TestIPEdit::typedKeys() {
    QFETCH(QString, start);
    QFETCH(int, field);
    QFETCH(int, caret);
    QFETCH(bool, readOnly);
    QFETCH(QString, keys);
    QFETCH(QStringList, expectedEvents);
    QFETCH(int, focused);
    QFETCH(int, focusedCaret);
    QFETCH(QString, selected);
    QFETCH(QString, texts);
    QFETCH(QString, address);

    ip->setIPString(start);
    ip->setReadOnly(readOnly);
    QVERIFY(showWindow());
    QVERIFY(focusField(field));
    TIPFieldEdit *target = ip->Fields[field];
    if (caret == -2)
        target->setText(QString());
    else if (caret == -1)
        target->selectAll();
    else
        target->SetCaretColumn(caret);
    record();

    type(keys);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(events, expectedEvents);
    QCOMPARE(ip->FocusedFieldIndex(), focused);
    QCOMPARE(ip->Fields[focused]->CaretColumn(), focusedCaret);
    QCOMPARE(ip->Fields[focused]->selectedText(), selected);
    QCOMPARE(fieldTexts(*ip), texts);
    QCOMPARE(ip->IPString(), address);
    QVERIFY(!ip->Error());
    for (QObject *sender : senders)
        QCOMPARE(sender, window.get());
}

void TestIPEdit::focusRules_data() {
    QTest::addColumn<QString>("from"); // objectName, or "Fields<i>" reached from inside the control
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("tabStop");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("enters");
    QTest::addColumn<int>("exits");

    QTest::newRow("Tab into the control") << "before"
                                          << "tab" << true << "Fields0" << 1 << 0;
    QTest::newRow("Shift+Tab into the control") << "after"
                                                << "backtab" << true << "Fields0" << 1 << 0;
    QTest::newRow("program focuses field 2") << "before"
                                             << "focus2" << true << "Fields0" << 1 << 0;
    QTest::newRow("program focuses the control") << "before"
                                                 << "focusControl" << true << "Fields0" << 1 << 0;
    QTest::newRow("click on field 2 from outside") << "before"
                                                   << "click2" << true << "Fields0" << 1 << 0;
    QTest::newRow("click on the surface from outside") << "before"
                                                       << "clickSurface" << true << "Fields0" << 1 << 0;
    QTest::newRow("click on the surface inside") << "Fields2"
                                                 << "clickSurface" << true << "Fields2" << 0 << 0;
    QTest::newRow("click on field 2 inside") << "Fields1"
                                             << "click2" << true << "Fields2" << 0 << 0;
    QTest::newRow("Tab between fields") << "Fields2"
                                        << "tab" << true << "Fields3" << 0 << 0;
    QTest::newRow("Tab out of field 3") << "Fields3"
                                        << "tab" << true << "after" << 0 << 1;
    QTest::newRow("Shift+Tab between fields") << "Fields2"
                                              << "backtab" << true << "Fields1" << 0 << 0;
    QTest::newRow("Shift+Tab out of field 0") << "Fields0"
                                              << "backtab" << true << "before" << 0 << 1;
    QTest::newRow("Tab skips a control without tab stop") << "before"
                                                          << "tab" << false << "after" << 0 << 0;
}

void TestIPEdit::focusRules() {
    QFETCH(QString, from);
    QFETCH(QString, action);
    QFETCH(bool, tabStop);
    QFETCH(QString, expected);
    QFETCH(int, enters);
    QFETCH(int, exits);

    ip->setTabStop(tabStop);
    QVERIFY(showWindow());
    if (from.startsWith(QLatin1String("Fields"))) {
        QVERIFY(focusField(from.mid(6).toInt()));
    } else {
        QWidget *start = window->findChild<QWidget *>(from);
        QVERIFY(start);
        start->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), start, 5000);
    }
    QSignalSpy entered(ip, &TIPEdit::OnEnter);
    QSignalSpy left(ip, &TIPEdit::OnExit);

    QWidget *focus = QApplication::focusWidget();
    if (action == QLatin1String("tab"))
        QTest::keyClick(focus, Qt::Key_Tab);
    else if (action == QLatin1String("backtab"))
        QTest::keyClick(focus, Qt::Key_Tab, Qt::ShiftModifier);
    else if (action == QLatin1String("focus2"))
        ip->Fields[2]->setFocus();
    else if (action == QLatin1String("focusControl"))
        ip->setFocus();
    else if (action == QLatin1String("click2"))
        QTest::mouseClick(ip->Fields[2], Qt::LeftButton);
    else if (action == QLatin1String("clickSurface"))
        QTest::mouseClick(ip, Qt::LeftButton, {}, QPoint(10, 10)); // left of field 0
    else
        QFAIL("unknown action");

    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget()->objectName(), expected, 5000);
    QCOMPARE(entered.count(), enters);
    QCOMPARE(left.count(), exits);
    if (enters > 0)
        QCOMPARE(entered.at(0).at(0).value<QObject *>(), window.get());
}

void TestIPEdit::layoutFormulas_data() {
    QTest::addColumn<IPEditMetrics>("metrics");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("y");
    QTest::addColumn<QList<QRect>>("fields");
    QTest::addColumn<QList<QPoint>>("dots");

    QTest::newRow("default instance")
        << IPEditMetrics{180, 21, 9, 12} << 27 << 4 << 28 << 2
        << QList<QRect>{{28, 2, 27, 19}, {59, 2, 27, 19}, {90, 2, 27, 19}, {121, 2, 27, 19}}
        << QList<QPoint>{{55, -7}, {86, -7}, {117, -7}};
    QTest::newRow("main window instance")
        << IPEditMetrics{193, 30, 15, 20} << 45 << 6 << -4 << 3
        << QList<QRect>{{-4, 3, 45, 28}, {47, 3, 45, 28}, {98, 3, 45, 28}, {149, 3, 45, 28}}
        << QList<QPoint>{{41, 0}, {92, 0}, {143, 0}};
    // (9 - 136) / 2 = -63 and (5 - 16) / 2 + 1 = -4: division truncates toward zero.
    QTest::newRow("too small") << IPEditMetrics{9, 5, 10, 10} << 30 << 4 << -63 << -4
                               << QList<QRect>{{-63, -4, 30, 3},
                                               {-29, -4, 30, 3},
                                               {5, -4, 30, 3},
                                               {39, -4, 30, 3}}
                               << QList<QPoint>{{-33, -12}, {1, -12}, {35, -12}};
}

void TestIPEdit::layoutFormulas() {
    QFETCH(IPEditMetrics, metrics);
    QFETCH(int, s);
    QFETCH(int, g);
    QFETCH(int, x0);
    QFETCH(int, y);
    QFETCH(QList<QRect>, fields);
    QFETCH(QList<QPoint>, dots);

    const IPEditLayout layout = ipEditLayout(metrics);

    QCOMPARE(layout.fieldWidth, s);
    QCOMPARE(layout.gap, g);
    QCOMPARE(layout.left, x0);
    QCOMPARE(layout.top, y);
    QCOMPARE(QList<QRect>(layout.fields.begin(), layout.fields.end()), fields);
    QCOMPARE(QList<QPoint>(layout.dots.begin(), layout.dots.end()), dots);
}

void TestIPEdit::fontSize_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("F");
    QTest::newRow("9 pt at 96 dpi") << 9.0 << -1 << 96 << 9 << 12;
    QTest::newRow("20 px at 96 dpi") << -1.0 << 20 << 96 << 15 << 20;
    QTest::newRow("9 pt at 120 dpi") << 9.0 << -1 << 120 << 9 << 15;
    QTest::newRow("14 px at 96 dpi rounds") << -1.0 << 14 << 96 << 11 << 14;
}

void TestIPEdit::fontSize() {
    QFETCH(double, points);
    QFETCH(int, pixels);
    QFETCH(int, dpi);
    QFETCH(int, P);
    QFETCH(int, F);
    const IPFontSize size = ipFontSize(points, pixels, dpi);
    QCOMPARE(size.points, P);
    QCOMPARE(size.pixels, F);
}

void TestIPEdit::fieldsFollowSizeAndFont_data() {
    QTest::addColumn<bool>("mainWindowSetup");
    QTest::addColumn<QList<QRect>>("fields");
    QTest::newRow("default instance")
        << false << QList<QRect>{{28, 2, 27, 19}, {59, 2, 27, 19}, {90, 2, 27, 19}, {121, 2, 27, 19}};
    QTest::newRow("main window instance")
        << true << QList<QRect>{{-4, 3, 45, 28}, {47, 3, 45, 28}, {98, 3, 45, 28}, {149, 3, 45, 28}};
}

void TestIPEdit::fieldsFollowSizeAndFont() {
    QFETCH(bool, mainWindowSetup);
    QFETCH(QList<QRect>, fields);
    QVERIFY(showWindow());
    QCOMPARE(ip->logicalDpiY(), 96);
    if (mainWindowSetup) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(20);
        font.setBold(true);
        ip->setFont(font);
        ip->setGeometry(10, 40, 193, 30);
    }
    QList<QRect> placed;
    for (const TIPFieldEdit *field : ip->Fields)
        placed << field->geometry();
    QCOMPARE(placed, fields);
}

void TestIPEdit::paintsBackgroundBorderAndDots() {
    const QColor background(10, 200, 30);
    ip->setColor(background);
    ip->setFontColor(Qt::red);
    QVERIFY(showWindow());
    for (TIPFieldEdit *field : ip->Fields)
        field->hide(); // leaves only what the control paints itself

    const QImage framed = ip->grab().toImage();
    QCOMPARE(framed.pixelColor(10, 10), background);
    QVERIFY(framed.pixelColor(0, 0) != background);

    // Every red pixel belongs to one of the three dots, and each dot has some.
    std::array<int, 3> dotPixels{};
    const IPEditLayout layout = ip->Layout();
    for (int y = 0; y < framed.height(); ++y) {
        for (int x = 0; x < framed.width(); ++x) {
            if (framed.pixelColor(x, y) != QColor(Qt::red))
                continue;
            int owner = -1;
            for (int k = 0; k < 3; ++k)
                if (QRect(layout.dots[k], QSize(layout.fieldWidth, 40)).contains(x, y))
                    owner = k;
            QVERIFY2(owner >= 0, qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
            ++dotPixels[owner];
        }
    }
    for (int k = 0; k < 3; ++k)
        QVERIFY2(dotPixels[k] > 0, qPrintable(QStringLiteral("dot %1 missing").arg(k)));

    ip->setBorderStyle(TIPEdit::bsNone);
    QCOMPARE(ip->grab().toImage().pixelColor(0, 0), background);
}

QTEST_MAIN(TestIPEdit)
#include "tst_ipedit.moc"
