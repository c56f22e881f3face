#pragma once

#include <QComboBox>

// An editable drop-down list that behaves like the original toolkit's: typing leaves no item selected
// unless the typed text equals an item's text exactly; typed text never becomes an item. userChange is
// raised whenever the user changes the text shown, by typing or by choosing an item; selections made by
// the program raise nothing.
class TComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TComboBox(QWidget *parent = nullptr);

  signals:
    void userChange();

  private:
    void followTypedText(const QString &text);
};
