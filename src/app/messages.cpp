#include "messages.h"

#include "errors.h"
#include "startup.h"

#include <QMessageBox>

namespace {

class MessageBoxes : public MessageService {
  public:
    void information(const QString &text) override { show(QMessageBox::NoIcon, text); }
    void error(const QString &text) override { show(QMessageBox::Critical, text); }

  private:
    static void show(QMessageBox::Icon icon, const QString &text) {
        QMessageBox box(icon, QString::fromUtf8(applicationTitle), text, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
};

MessageService *installed = nullptr;

} // namespace

MessageService &messages() {
    static MessageBoxes boxes;
    return installed ? *installed : boxes;
}

void setMessageService(MessageService *service) {
    installed = service;
}

QString errorBoxText(const QString &message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void handleError(const std::exception &error) {
    try {
        const auto *own = dynamic_cast<const KqError *>(&error);
        messages().error(errorBoxText(own ? own->message() : QString::fromLocal8Bit(error.what())));
    } catch (...) {
        // Nothing may leave the handler guard, not even a failing message box.
    }
}
