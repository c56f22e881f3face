#pragma once

#include <QImage>
#include <QWidget>

// An image control that sizes itself to its picture and shows it unscaled. The picture keeps the
// decoded pixel format, so commands read its pixels directly.
class TImage : public QWidget {
    Q_OBJECT
  public:
    explicit TImage(QWidget *parent = nullptr);

    const QImage &picture() const { return image; }
    void setPicture(const QImage &picture);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QImage image;
};
