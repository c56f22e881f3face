#include "opendialog.h"

#include <QFileDialog>

namespace {

class DialogChooser : public FileChooser {
  public:
    QString chooseFile(QWidget *parent, const QStringList &filters, const QString &selected) override {
        QString chosenFilter = selected;
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filters.join(QStringLiteral(";;")),
                                            &chosenFilter);
    }
};

DialogChooser dialogChooser;
FileChooser *installed = nullptr;

} // namespace

FileChooser &fileChooser() {
    return installed ? *installed : dialogChooser;
}

void setFileChooser(FileChooser *chooser) {
    installed = chooser;
}

QStringList qtNameFilters(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.trimmed().isEmpty())
            patterns = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

bool TOpenDialog::Execute(QWidget *parent) {
    const QStringList filters = qtNameFilters(Filter);
    const QString selected =
        FilterIndex >= 1 && FilterIndex <= filters.size() ? filters[FilterIndex - 1] : filters.value(0);
    const QString chosen = fileChooser().chooseFile(parent, filters, selected);
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    return true;
}
