#include "imagecontrol.h"

#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QImage &picture) {
    image = picture;
    resize(image.size());
    update();
}

void TImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}
