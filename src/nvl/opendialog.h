#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// Asks the user for a file to open. Tests install a replacement, so nothing blocks on a real dialog.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // filters are Qt name filters ("Bitmaps (*.BMP)"); selected is one of them. Returns the chosen
    // file, or an empty text when the user cancelled.
    virtual QString chooseFile(QWidget *parent, const QStringList &filters, const QString &selected) = 0;
};

FileChooser &fileChooser();
// Installs a replacement (nullptr restores the real dialog); the caller keeps ownership.
void setFileChooser(FileChooser *chooser);

// A filter text of description and pattern pairs, "Bitmaps (*.BMP)|*.BMP", as Qt name filters. A
// description without a pattern lists every file.
QStringList qtNameFilters(const QString &filter);

// The open-file dialog control: its filter, the selected filter (1 for the first) and the chosen file.
class TOpenDialog : public QObject {
    Q_OBJECT
  public:
    explicit TOpenDialog(QObject *parent = nullptr) : QObject(parent) {}

    QString Filter;
    int FilterIndex = 1;
    QString FileName;

    // Runs the dialog; true when a file was chosen, which FileName then holds.
    bool Execute(QWidget *parent);
};
