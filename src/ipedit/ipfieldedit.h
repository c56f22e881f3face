#pragma once

#include <QLineEdit>
#include <cstdint>

class TIPEdit;

// One octet of a TIPEdit: a frameless, centred edit box of at most three digits. Its text is checked
// on every change (ValidateField); the accepted number lives in OctetValue, not in the text, so an
// emptied field still reports its last number.
class TIPFieldEdit : public QLineEdit {
    Q_OBJECT

  public:
    // objectName is "Fields<index>".
    TIPFieldEdit(TIPEdit *owner, int index);

    bool ErrorFlag = false;      // the last validated text was rejected
    std::uint8_t MinValue = 0;   // lowest accepted number
    std::uint8_t MaxValue = 255; // highest accepted number
    std::uint8_t OctetValue = 0; // the last accepted number

    int Index() const { return index_; }

    // Stores the number first, so the validation its new text triggers sees no change.
    void SetOctet(std::uint8_t value);

    // Runs on every change of the text, typed, pasted or set by the program.
    void ValidateField();

    // Start of the selection, or the caret when nothing is selected.
    int CaretColumn() const;
    // Puts the caret at column (clamped to the text) with nothing selected.
    void SetCaretColumn(int column);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    // A program-made text change leaves the caret at column 0 before the text is validated, like a
    // native edit box, so a three-digit replacement never jumps to the next field.
    void replaceText(const QString &text);

    TIPEdit *owner_;
    int index_;
};
