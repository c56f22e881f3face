#include "ledlogo.h"

#include <QFont>
#include <QPainter>

QImage ledLogo() {
    QImage logo(133, 39, QImage::Format_RGB888);
    logo.fill(QColor(24, 24, 24));
    QPainter painter(&logo);
    painter.setPen(QColor(64, 255, 64));
    QFont digits(QStringLiteral("Courier New"));
    digits.setPixelSize(26);
    digits.setBold(true);
    painter.setFont(digits);
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("8.888.88"));
    return logo;
}
