#include "ipedit.h"

#include "app/textconv.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <optional>
#include <qdrawutil.h>

namespace {

// All four octets, or nothing when a dot is missing; bad octets are already 255.
std::optional<std::array<std::uint8_t, 4>> parseAddress(const QString &text) {
    std::array<std::uint8_t, 4> octets{};
    QStringView rest(text);
    for (int i = 0; i < 4; ++i) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        const QStringView token = dot < 0 ? rest : rest.left(dot);
        rest = rest.mid(token.size());
        const std::optional<int> number = tryStrToInt(token.toString());
        octets[i] = number && *number >= 0 && *number <= 255 ? static_cast<std::uint8_t>(*number) : 255;
        if (i < 3) {
            if (!rest.startsWith(QLatin1Char('.')))
                return std::nullopt;
            rest = rest.mid(1);
        }
    }
    return octets;
}

} // namespace

TIPEdit::TIPEdit(QWidget *parent) : QWidget(parent) {
    // Fields first: the settings below send resize and font events that place them.
    for (int i = 0; i < 4; ++i)
        Fields[i] = new TIPFieldEdit(this, i); // creation order is the Tab order

    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab focus only: a click on the surface is handled in mousePressEvent, where it must not steal
    // the focus from a field. The proxy sends focus given to the control (by Tab or by the program)
    // to field 0, and lets Shift+Tab leave field 0 without landing on the control again.
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(Fields[0]);
    resize(180, 21);

    QFont own = font();
    own.setPointSize(9);
    own.setBold(true);
    setFont(own);

    setColor(palette().color(QPalette::Base));
    setControlCursor(Qt::IBeamCursor);
    ArrangeFields();
}

TIPEdit::~TIPEdit() {
    // Fields first, while this object is whole; focus changes caused by their deletion are ignored.
    dying_ = true;
    setFocusProxy(nullptr);
    for (TIPFieldEdit *&field : Fields) {
        delete field;
        field = nullptr;
    }
}

QString TIPEdit::IPString() const {
    QString result;
    for (int i = 0; i < 4; ++i) {
        if (Fields[i]->ErrorFlag)
            return QStringLiteral("255");
        result += QString::number(Fields[i]->OctetValue);
        if (i < 3)
            result += QLatin1Char('.');
    }
    return result;
}

void TIPEdit::setIPString(const QString &text) {
    const auto octets = parseAddress(text);
    if (!octets)
        return;
    for (int i = 0; i < 4; ++i)
        Fields[i]->SetOctet((*octets)[i]);
}

void TIPEdit::setBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    updateFieldMasks();
    update();
}

void TIPEdit::setColor(const QColor &color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color); // the fields' background
    setPalette(p);
    update();
}

QColor TIPEdit::FontColor() const {
    return palette().color(QPalette::Text);
}

void TIPEdit::setFontColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
    update();
}

bool TIPEdit::ReadOnly() const {
    return Fields[0]->isReadOnly();
}

void TIPEdit::setReadOnly(bool readOnly) {
    if (readOnly == ReadOnly())
        return;
    for (TIPFieldEdit *field : Fields) {
        field->setReadOnly(readOnly);
        field->setCursor(cursor()); // QLineEdit swaps in its own cursor when read-only changes
    }
}

bool TIPEdit::TabStop() const {
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TIPEdit::setTabStop(bool tabStop) {
    if (tabStop == TabStop())
        return;
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
    for (TIPFieldEdit *field : Fields)
        field->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TIPEdit::setControlCursor(const QCursor &c) {
    setCursor(c);
    for (TIPFieldEdit *field : Fields)
        field->setCursor(c);
}

bool TIPEdit::Error() const {
    for (const TIPFieldEdit *field : Fields)
        if (field->ErrorFlag)
            return true;
    return false;
}

IPEditLayout TIPEdit::Layout() const {
    const QFont f = font();
    const IPFontSize size = ipFontSize(f.pointSizeF(), f.pixelSize(), logicalDpiY());
    return ipEditLayout({width(), height(), size.points, size.pixels});
}

void TIPEdit::ArrangeFields() {
    if (!parentWidget() || !Fields[3])
        return;
    const IPEditLayout layout = Layout();
    for (int i = 0; i < 4; ++i)
        Fields[i]->setGeometry(layout.fields[i]);
    updateFieldMasks();
}

void TIPEdit::updateFieldMasks() {
    if (!Fields[3])
        return;
    // Fields may reach into the border (or beyond the control); clip them so the edge stays visible.
    const int b = borderWidth();
    const QRect inner = rect().adjusted(b, b, -b, -b);
    for (TIPFieldEdit *field : Fields) {
        const QRect visible = field->geometry().intersected(inner);
        if (visible == field->geometry() || visible.isEmpty())
            field->clearMask();
        else
            field->setMask(visible.translated(-field->pos()));
    }
}

void TIPEdit::FocusNextField(bool selectAll) {
    for (int i = 0; i < 3; ++i) {
        if (!Fields[i]->hasFocus())
            continue;
        TIPFieldEdit *next = Fields[i + 1];
        if (selectAll)
            next->selectAll();
        else
            next->SetCaretColumn(0);
        next->setFocus(Qt::OtherFocusReason); // keeps the selection just made
        return;
    }
}

void TIPEdit::FocusPreviousField(bool selectAll) {
    for (int i = 3; i > 0; --i) {
        if (!Fields[i]->hasFocus())
            continue;
        TIPFieldEdit *previous = Fields[i - 1];
        if (selectAll)
            previous->selectAll();
        else
            previous->SetCaretColumn(3);
        previous->setFocus(Qt::OtherFocusReason);
        return;
    }
}

int TIPEdit::FocusedFieldIndex() const {
    for (int i = 0; i < 4; ++i)
        if (Fields[i]->hasFocus())
            return i;
    return -1;
}

void TIPEdit::fieldChanged() {
    emit OnChange(parent());
}

void TIPEdit::fieldRejected(int index) {
    emit OnError(parent(), index);
}

bool TIPEdit::fieldFocusIn(TIPFieldEdit *field, Qt::FocusReason reason) {
    if (dying_ || focusInside_)
        return false; // moving between the fields
    focusInside_ = true;
    const bool redirect = field != Fields[0];
    if (redirect)
        Fields[0]->setFocus(reason);
    emit OnEnter(parent());
    return redirect;
}

void TIPEdit::fieldFocusOut(Qt::FocusReason reason) {
    // Window switches and popups (the context menu used for pasting) return the focus where it was.
    if (dying_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || !focusInside_)
        return;
    const QWidget *now = QApplication::focusWidget();
    for (const TIPFieldEdit *field : Fields)
        if (now == field)
            return;
    focusInside_ = false;
    emit OnExit(parent());
}

bool TIPEdit::event(QEvent *e) {
    if (e->type() == QEvent::ParentChange)
        ArrangeFields();
    return QWidget::event(e);
}

void TIPEdit::changeEvent(QEvent *e) {
    if (e->type() == QEvent::FontChange)
        ArrangeFields();
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(e);
}

void TIPEdit::resizeEvent(QResizeEvent *e) {
    ArrangeFields();
    QWidget::resizeEvent(e);
}

void TIPEdit::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    if (borderStyle_ == bsSingle)
        qDrawWinPanel(&painter, rect(), palette(), true);

    QFont dotFont = font();
    dotFont.setBold(true);
    dotFont.setPointSize(ipEditDotPointSize);
    painter.setFont(dotFont);
    painter.setPen(FontColor());
    const QSize cell(width(), height() + 2 * QFontMetrics(dotFont).height());
    for (const QPoint &dot : Layout().dots)
        painter.drawText(QRect(dot, cell), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QStringLiteral("."));
}

void TIPEdit::mousePressEvent(QMouseEvent *e) {
    if (FocusedFieldIndex() < 0)
        Fields[0]->setFocus(Qt::MouseFocusReason);
    e->accept();
}
