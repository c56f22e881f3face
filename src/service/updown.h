#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

// An up-down spinner: two arrow buttons that step a position within a range and show it in a buddy
// edit box, which the user cannot type into.
class TUpDown : public QWidget {
    Q_OBJECT
  public:
    explicit TUpDown(QWidget *parent = nullptr);

    void setRange(int min, int max);
    void setBuddy(QLineEdit *buddy);
    void setPosition(int position);
    int position() const { return position_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }

    // One click on an arrow: +1 or -1, held at the ends of the range (the spinners do not wrap).
    void step(int delta);

    QToolButton *const upButton;
    QToolButton *const downButton;

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    QLineEdit *buddy_ = nullptr;
};
