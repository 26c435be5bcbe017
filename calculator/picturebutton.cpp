// SPDX-License-Identifier: MIT
#include "picturebutton.h"

#include "scaledpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvane {

PictureButton::PictureButton(QString picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QWidget::mousePressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ScaledPicture::paint(&painter, picture_, rect(), Qt::KeepAspectRatio);
}

} // namespace korvane
