#pragma once

#include "nvl/opendialog.h"

#include <QStringList>

// Takes the place of the open-file dialog while it lives: answers with the queued file names (an empty
// name, or an empty queue, is a cancel) and records what each dialog offered.
class ScriptedChooser : public FileChooser {
  public:
    ScriptedChooser() { setFileChooser(this); }
    ~ScriptedChooser() override { setFileChooser(nullptr); }
    ScriptedChooser(const ScriptedChooser &) = delete;
    ScriptedChooser &operator=(const ScriptedChooser &) = delete;

    QString chooseFile(QWidget *, const QStringList &offered, const QString &selectedFilter) override {
        filters = offered;
        selected = selectedFilter;
        ++runs;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList filters;
    QString selected;
    int runs = 0;
};
