#pragma once

#include "statusquery.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>

// The serial status detection: asks a printer on the main window's serial port whether it is on line
// and shows the answer as a text and a coloured circle.
class TForm2 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm2(QWidget *parent = nullptr);

    QGroupBox *RadioGroup1;
    QButtonGroup *RadioGroup1Items; // ids are the item indexes
    QLineEdit *Edit1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Button2;
    QPushButton *Button1;
    QLineEdit *Edit2;

    void Button1Click();
    void Button2Click();

    // The circle's bounding box in the client area, left of Label2.
    static constexpr QRect circleBox{100, 115, 20, 20};

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void createControls();
    void showStatus(PrinterStatus status);

    std::optional<QColor> circleColour; // from the last detection
};
