#pragma once

#include <QWidget>

class Tledf : public QWidget {
    Q_OBJECT
  public:
    explicit Tledf(QWidget *parent = nullptr);
};
