#pragma once

#include "combobox.h"
#include "ipedit/ipedit.h"
#include "link/comport.h"
#include "messages.h"
#include "service/servicepanel.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

// The main window: port, rate and address choice, the auto-disconnect command and the clock; the
// service panel's hidden controls come from TServicePanel.
class TForm1 : public QWidget, public TServicePanel {
    Q_OBJECT
  public:
    explicit TForm1(QWidget *parent = nullptr);

    QLabel *Label1;
    TComboBox *dk;
    QLabel *Label4;
    TComboBox *sd;
    QLabel *Label16;
    TIPEdit *IPE;
    TComboBox *Autocb;
    QPushButton *Button6;
    QPushButton *Button7;
    QStatusBar *StatusBar1;
    QLabel *StatusPanels[3];
    QLabel *Label3;
    QPushButton *Button5;
    QPushButton *QButton;
    QTimer *Timer1;
    TComPort cp;

    void FormCreate();
    void Timer1Timer();
    void sdChange();
    void Button6Click();
    void Button5Click();
    void Button7Click();
    void QButtonClick();

  private:
    void createVisibleControls();
};

// Connects a button's click to a handler of the window, through the handler guard. The handler may belong
// to a base of the window (the service panel's).
template <class Button, class Window, class Base>
void onClick(Button *button, Window *window, void (Base::*handler)()) {
    Base *owner = window;
    QObject::connect(button, &Button::clicked, window, [owner, handler] { guarded([&] { (owner->*handler)(); }); });
}
