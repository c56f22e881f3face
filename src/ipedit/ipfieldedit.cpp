#include "ipfieldedit.h"

#include "app/textconv.h"
#include "ipedit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

bool allDigits(const QString &text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

} // namespace

TIPFieldEdit::TIPFieldEdit(TIPEdit *owner, int index) : QLineEdit(owner), owner_(owner), index_(index) {
    setObjectName(QStringLiteral("Fields%1").arg(index));
    setFrame(false);
    // Top-aligned like a native single-line edit: the control's layout centres the text by placing
    // the field, not by the field centring vertically.
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setMaxLength(3);
    setInputMethodHints(Qt::ImhDigitsOnly);
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &TIPFieldEdit::ValidateField);
}

void TIPFieldEdit::SetOctet(std::uint8_t value) {
    OctetValue = value;
    replaceText(QString::number(value));
}

void TIPFieldEdit::ValidateField() {
    const QString current = text();
    if (!current.isEmpty()) {
        const std::optional<int> number = tryStrToInt(current);
        if (!number || *number < MinValue || *number > MaxValue) {
            ErrorFlag = true;
            owner_->fieldRejected(index_);
            // Re-enters ValidateField, which accepts 255 and clears ErrorFlag before we go on.
            replaceText(QStringLiteral("255"));
        } else {
            ErrorFlag = false;
            if (*number != OctetValue) {
                OctetValue = static_cast<std::uint8_t>(*number);
                owner_->fieldChanged();
            }
        }
    }
    if (!ErrorFlag && text().size() == 3 && CaretColumn() == 3)
        owner_->FocusNextField(true);
}

int TIPFieldEdit::CaretColumn() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TIPFieldEdit::SetCaretColumn(int column) {
    setCursorPosition(qBound(0, column, static_cast<int>(text().size())));
    deselect();
}

void TIPFieldEdit::replaceText(const QString &newText) {
    if (newText == text())
        return;
    {
        const QSignalBlocker blocker(this);
        setText(newText);
        SetCaretColumn(0);
    }
    emit textChanged(text());
}

void TIPFieldEdit::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Right:
        if (CaretColumn() >= text().size()) {
            SetCaretColumn(CaretColumn());
            owner_->FocusNextField(false);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
        if (CaretColumn() == 0) {
            SetCaretColumn(0);
            owner_->FocusPreviousField(false);
            event->accept();
            return;
        }
        break;
    case Qt::Key_Backspace:
        // Leaving at column 0 still lets this field delete a selection that starts there.
        if (CaretColumn() == 0)
            owner_->FocusPreviousField(false);
        QLineEdit::keyPressEvent(event);
        return;
    case Qt::Key_Delete:
        // Carries "\x7f" as text on some platforms, but it is an editing key, not a typed character.
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }

    const QString typed = event->text();
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed == QLatin1String(".")) {
        if (!hasSelectedText() && !text().isEmpty())
            owner_->FocusNextField(true);
        event->accept();
        return;
    }
    if (allDigits(typed)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Every other character is dropped. Enter and Escape still travel to the window so that default
    // and cancel buttons keep working.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        event->ignore();
    else
        event->accept();
}

void TIPFieldEdit::focusInEvent(QFocusEvent *event) {
    if (owner_->fieldFocusIn(this, event->reason())) {
        // The focus was handed on to field 0; this field never really got it.
        event->accept();
        return;
    }
    QLineEdit::focusInEvent(event);
}

void TIPFieldEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    owner_->fieldFocusOut(event->reason());
}
