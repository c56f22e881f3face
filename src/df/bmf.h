#pragma once

#include <QWidget>

class Tbmf : public QWidget {
    Q_OBJECT
  public:
    explicit Tbmf(QWidget *parent = nullptr);
};
