#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// Shows a hidden panel control together with the window that carries it, so it takes clicks.
inline void reveal(QWidget *control) {
    for (QWidget *widget = control; widget; widget = widget->parentWidget())
        widget->show();
}

// A user's mouse click on a panel button or check box.
inline void click(QAbstractButton *button) {
    reveal(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Selects a list item.
inline void choose(QComboBox *list, const QString &item) {
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
}

// Replaces the text of an editable list by typing, as the user would.
inline void type(QComboBox *list, const QString &text) {
    list->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
    else
        QTest::keyClicks(list->lineEdit(), text);
}
