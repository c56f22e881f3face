#pragma once

#include <QString>
#include <exception>

// Every message box of the program goes through this service: modal, OK only, titled with the
// application title. Tests install a recorder in its place.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void information(const QString &text) = 0;
    virtual void error(const QString &text) = 0; // stop icon
};

MessageService &messages();
// Installs a replacement (nullptr restores the real boxes); the caller keeps ownership.
void setMessageService(MessageService *service);

// ShowMessage of the original toolkit.
inline void showMessage(const QString &text) {
    messages().information(text);
}

// The application's default error handler: the error's text, with a full stop appended when its last
// character sorts after ".", in an error box.
QString errorBoxText(const QString &message);
void handleError(const std::exception &error);

// Runs one event handler; an error ends the handler and reaches the default error handler, never
// Qt's event loop.
template <class Handler> void guarded(Handler &&handler) noexcept {
    try {
        handler();
    } catch (const std::exception &error) {
        handleError(error);
    } catch (...) {
        handleError(std::runtime_error("Unknown error"));
    }
}
