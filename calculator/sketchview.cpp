// SPDX-License-Identifier: MIT
#include "sketchview.h"

#include <QPainter>
#include <QSvgRenderer>

namespace korvane {

SketchView::SketchView(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {}

void SketchView::paintEvent(QPaintEvent*) {
    if (renderer_ == nullptr)
        renderer_ = new QSvgRenderer(resource_, this);
    if (!renderer_->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size =
        QSizeF(renderer_->defaultSize()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    renderer_->render(&painter, target);
}

} // namespace korvane
