// SPDX-License-Identifier: MIT
#include "svgpicture.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
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

QIcon SvgPicture::icon(const QString& resource) {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, resource, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace korvane
