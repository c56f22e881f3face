#pragma once

#include "ipeditgeometry.h"
#include "ipfieldedit.h"

#include <QColor>
#include <QCursor>
#include <QWidget>
#include <array>

// An IPv4 address entry: one box with four octet fields and painted dots between them. The focus
// moves between the fields on the keys an address is typed with; entering the control always lands
// in field 0.
//
// Events are Qt signals, emitted synchronously on the GUI thread. Their sender argument is the
// control's parent (the window holding it), or nullptr without one.
//   OnChange(sender)       an edited field's accepted number changed; writing IPString never emits it
//   OnError(sender, field) a field's text was rejected; while connected slots run, Error() is true
//                          and IPString() is "255"
//   OnEnter / OnExit       the focus entered or left the control as a whole
//
// The owner sets the control's objectName (e.g. "IPE"); the fields are named "Fields0" to "Fields3".
class TIPEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString IPString READ IPString WRITE setIPString)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(bool Error READ Error)

  public:
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TIPEdit(QWidget *parent = nullptr);
    ~TIPEdit() override;

    // Left to right; owned by the control.
    std::array<TIPFieldEdit *, 4> Fields{};

    // Dotted decimal from the fields' accepted numbers. Writing parses all four octets before any
    // field changes: a bad octet becomes 255, a text with fewer than three dots in place is ignored,
    // anything after the fourth octet is dropped.
    QString IPString() const;
    void setIPString(const QString &text);

    // bsSingle paints a sunken two-pixel edge inside the control; the fields keep their places.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void setBorderStyle(TBorderStyle style);

    // Background of the control and of the fields.
    QColor Color() const { return color_; }
    void setColor(const QColor &color);

    // Colour of the digits and dots (the colour part of the original font setting).
    QColor FontColor() const;
    void setFontColor(const QColor &color);

    // Field 0 answers for all four; a differing write applies to all four.
    bool ReadOnly() const;
    void setReadOnly(bool readOnly);

    // The control's own Tab stop answers; a differing write applies to the control and all fields.
    bool TabStop() const;
    void setTabStop(bool tabStop);

    // The control's cursor answers; a write applies to the control and all fields.
    QCursor Cursor() const { return cursor(); }
    void setControlCursor(const QCursor &cursor);

    // True only while some field's text is rejected, i.e. inside an OnError slot.
    bool Error() const;

    // Places the fields for the current size and font. Does nothing without a parent. Runs on resize
    // events, which Qt delivers to a hidden widget only when it is shown.
    void ArrangeFields();
    // The layout the fields and the dots use now (font size P and height F at the screen's dpi).
    IPEditLayout Layout() const;

    // Moves the focus from the focused field to its neighbour, selecting the neighbour's whole text
    // or putting its caret at the near end.
    void FocusNextField(bool selectAll);
    void FocusPreviousField(bool selectAll);
    // The field that has the focus, or -1.
    int FocusedFieldIndex() const;

    QSize sizeHint() const override { return {180, 21}; }

  signals:
    void OnChange(QObject *sender);
    void OnError(QObject *sender, int field);
    void OnEnter(QObject *sender);
    void OnExit(QObject *sender);

  protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    friend class TIPFieldEdit;
    void fieldChanged();
    void fieldRejected(int index);
    // Returns true when the focus was handed on to field 0 instead of field.
    bool fieldFocusIn(TIPFieldEdit *field, Qt::FocusReason reason);
    void fieldFocusOut(Qt::FocusReason reason);
    void updateFieldMasks();
    int borderWidth() const { return borderStyle_ == bsSingle ? 2 : 0; }

    TBorderStyle borderStyle_ = bsSingle;
    QColor color_;
    bool focusInside_ = false;
    bool dying_ = false;
};
