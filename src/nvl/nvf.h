#pragma once

#include "imagecontrol.h"
#include "opendialog.h"
#include "raster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QVector>
#include <QWidget>

// A radio group: a titled frame of radio buttons, one item index.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    TRadioGroup(const QString &caption, const QStringList &items, QWidget *parent);
    int ItemIndex() const;
    void setItemIndex(int index);
    QVector<QRadioButton *> Buttons;
};

// The NV logo window: a picture, its data size, and the commands that turn it into printer dot data.
class Tnvf : public QWidget {
    Q_OBJECT
  public:
    explicit Tnvf(QWidget *parent = nullptr);

    TImage *Image1;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button5;
    TRadioGroup *RadioGroup1;
    QPushButton *Button1;
    QRadioButton *RadioButton5;
    QRadioButton *RadioButton6;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
    QLabel *EditLabels[8]; // "E1" to "E8" beside Edit1 to Edit8
    QLineEdit *Edit9;
    QLineEdit *Edit10;
    QLineEdit *Edit11;
    QCheckBox *hcb;
    QPushButton *Button4;
    QPushButton *Button6, *Button7, *Button8, *Button9, *Button10, *Button11;
    TOpenDialog *OpenDialog1;

    void BitBtn1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();

    // Paints the plan's blank positions right of and below the picture white on the window. Every
    // conversion calls it before sampling; the bands stay until another picture is opened.
    void blankFill(const ConversionPlan &plan);

    // Handlers of the bit image, export and cutter test commands.
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button6Click();
    void Button7Click();
    void Button4Click();
    // Connects Button4 and Button6 to Button11 with their handlers.
    void connectBitImageCommands();

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void createControls();
    void connectHandlers();
    void showPictureSize();

    QVector<QRect> whiteBands;
};
