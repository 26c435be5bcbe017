// SPDX-License-Identifier: MIT
#include "sketchview.h"

#include "scaledpicture.h"

#include <QPainter>

namespace korvane {

SketchView::SketchView(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {}

void SketchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ScaledPicture::paint(&painter, resource_, rect(), Qt::KeepAspectRatio);
}

} // namespace korvane
