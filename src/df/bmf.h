#pragma once

#include "blackmarkcommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// The black-mark offset tool: start and cut/tear positions relative to the black mark, in millimetres,
// and two feed demonstrations. Every send reads the main window's choice afresh, names from texts.
class Tbmf : public QWidget {
    Q_OBJECT
  public:
    explicit Tbmf(QWidget *parent = nullptr);

    QPushButton *Button2;
    QLineEdit *Edit1;
    QLabel *Label1;
    QPushButton *Button3;
    QLineEdit *Edit2;
    QLabel *Label2;
    QPushButton *Button4;
    QLineEdit *Edit3;
    QLabel *Label3;
    QPushButton *Button5;
    QLineEdit *Edit4;
    QLabel *Label4;
    QPushButton *Button6;
    QLabel *Label5;
    QLineEdit *Edit5;
    QPushButton *Button7;
    QLabel *Label6;
    QLineEdit *Edit6;
    QPushButton *Button1;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

  private:
    void createControls();
    // Converts the edit's millimetres, shows nL and nH, and sends the offset command sends times.
    void sendOffset(const QLineEdit *edit, BlackMarkPosition position, FeedDirection direction, int sends);
};
