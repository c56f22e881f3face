#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// What one printer family is asked and how its reply bytes are read.
struct StatusQuery {
    QByteArray request; // sent as it stands, once per exchange round
    int mask;           // the one status bit examined in each reply byte
    QString onLine;     // masked reply text of a printer on line
    QString offLine;    // masked reply text of a printer off line
};

// Families 0 to 2 are asked with DLE EOT 1 (bit 0x08), family 3 with ESC v (bit 0x04).
StatusQuery statusQueryFor(int familyIndex);

// The decimal text of (byte AND mask) for each reply byte, concatenated: "08080".
QString maskedReplyText(const QByteArray &reply, int mask);

enum class PrinterStatus { OnLine, OffLine, NoPrinter };

PrinterStatus printerStatus(const QString &maskedReply, const StatusQuery &query);

struct StatusDisplay {
    QString text;
    QColor colour;
};

StatusDisplay statusDisplay(PrinterStatus status);
