#pragma once

#include <QString>
#include <stdexcept>

// The one exception type of the program: it carries the text the user sees. Handlers never catch it;
// the handler guard hands it to the default error handler.
class KqError : public std::runtime_error {
  public:
    explicit KqError(const QString &message) : std::runtime_error(message.toStdString()), text(message) {}
    const QString &message() const { return text; }

  private:
    QString text;
};

// Raised by the serial layer: "<step text> (win error code: N)".
class EComPort : public KqError {
  public:
    EComPort(const QString &stepText, int code)
        : KqError(QStringLiteral("%1 (win error code: %2)").arg(stepText).arg(code)), errorCode(code) {}
    int code() const { return errorCode; }

  private:
    int errorCode;
};

// Raised by the file layer with the Windows-style code its text was written for.
class EInOutError : public KqError {
  public:
    explicit EInOutError(int code);
    int code() const { return errorCode; }

  private:
    int errorCode;
};
