// SPDX-License-Identifier: MIT
#include "svgpicture.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace korvane {

namespace {
QSvgRenderer* renderer(const QString& resource) {
    static QHash<QString, QSvgRenderer*> renderers;
    QSvgRenderer*& entry = renderers[resource];
    if (entry == nullptr)
        entry = new QSvgRenderer(resource);
    return entry;
}
} // namespace

void SvgPicture::paint(QPainter* painter, const QString& resource, const QRectF& target) {
    renderer(resource)->render(painter, target);
}

} // namespace korvane
