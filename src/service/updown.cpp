#include "updown.h"

#include <algorithm>

TUpDown::TUpDown(QWidget *parent)
    : QWidget(parent), upButton(new QToolButton(this)), downButton(new QToolButton(this)) {
    upButton->setArrowType(Qt::UpArrow);
    downButton->setArrowType(Qt::DownArrow);
    upButton->setObjectName(QStringLiteral("up"));
    downButton->setObjectName(QStringLiteral("down"));
    connect(upButton, &QToolButton::clicked, this, [this] { step(1); });
    connect(downButton, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    setPosition(position_);
}

void TUpDown::setBuddy(QLineEdit *buddy) {
    buddy_ = buddy;
    setPosition(position_);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (buddy_)
        buddy_->setText(QString::number(position_));
}

void TUpDown::step(int delta) {
    setPosition(position_ + delta);
}

void TUpDown::resizeEvent(QResizeEvent *) {
    const int half = height() / 2;
    upButton->setGeometry(0, 0, width(), half);
    downButton->setGeometry(0, half, width(), height() - half);
}
