#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// The LED customer display demo: six display commands, each sent with the main window's current
// choice, names from texts.
class Tledf : public QWidget {
    Q_OBJECT
  public:
    explicit Tledf(QWidget *parent = nullptr);

    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    QLineEdit *Edit1;
    QPushButton *Button5;
    QPushButton *Button6;
    QPushButton *Button7;
    QPushButton *Button1;
    QLabel *Image1;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

  private:
    void createControls();
};
