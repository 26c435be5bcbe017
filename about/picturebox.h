// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace korvane {

// A borderless picture box. The picture is drawn centred; one larger than the
// box is first shrunk to fit, keeping its proportions, each side cut to whole
// pixels. Smaller pictures are never enlarged.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

    // Where a picture of `picture` pixels lands in a box of `box` pixels.
    static QRect placement(QSize picture, QSize box);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPixmap pixmap_;
    // The picture at the size it is drawn, made once per picture and box size.
    QPixmap scaled_;
};

} // namespace korvane
