#pragma once

#include "app/messages.h"

#include <QList>
#include <QString>

// Takes the place of the message boxes while it lives: records every box instead of showing it.
class MessageRecorder : public MessageService {
  public:
    enum class Kind { Information, Error };
    struct Entry {
        Kind kind;
        QString text;
        bool operator==(const Entry &other) const { return kind == other.kind && text == other.text; }
    };

    MessageRecorder() { setMessageService(this); }
    ~MessageRecorder() override { setMessageService(nullptr); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void information(const QString &text) override { entries.append({Kind::Information, text}); }
    void error(const QString &text) override { entries.append({Kind::Error, text}); }

    // Every text in order, whatever its kind.
    QStringList texts() const {
        QStringList all;
        for (const Entry &entry : entries)
            all << entry.text;
        return all;
    }
    static Entry info(const QString &text) { return {Kind::Information, text}; }
    static Entry err(const QString &text) { return {Kind::Error, text}; }

    QList<Entry> entries;
};
