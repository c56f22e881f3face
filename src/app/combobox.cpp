#include "combobox.h"

#include <QLineEdit>

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // completion would change what the user typed
    connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::followTypedText);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &TComboBox::userChange);
}

void TComboBox::followTypedText(const QString &text) {
    const int match = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match != currentIndex()) {
        const QSignalBlocker quiet(lineEdit());
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(match); // -1 clears the field: put the typed text back
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    emit userChange();
}
