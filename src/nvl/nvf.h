#pragma once

#include <QWidget>

class Tnvf : public QWidget {
    Q_OBJECT
  public:
    explicit Tnvf(QWidget *parent = nullptr);
};
