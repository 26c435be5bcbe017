// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include <QPainter>

namespace korvane {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    scaled_ = QPixmap();
    update();
}

QRect PictureBox::placement(QSize picture, QSize box) {
    QSize size = picture;
    if (picture.width() > box.width() || picture.height() > box.height()) {
        // Integer cross-multiplication: the limiting side fills the box exactly
        // and the other is cut, never rounded up past the box.
        if (qint64(box.width()) * picture.height() <= qint64(box.height()) * picture.width())
            size =
                QSize(box.width(), int(qint64(picture.height()) * box.width() / picture.width()));
        else
            size =
                QSize(int(qint64(picture.width()) * box.height() / picture.height()), box.height());
    }
    return QRect(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
                 size);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    const QRect target = placement(pixmap_.size(), size());
    if (scaled_.isNull() || scaled_.size() != target.size())
        scaled_ =
            target.size() == pixmap_.size()
                ? pixmap_
                : pixmap_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter(this).drawPixmap(target.topLeft(), scaled_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    scaled_ = QPixmap();
}

} // namespace korvane
