// SPDX-License-Identifier: MIT
#include "scaledpicture.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>

namespace korvane {

QString ScaledPicture::fileName(const QString& name, double scale) {
    return name + QLatin1Char('@') + QString::number(scale) + QStringLiteral("x.png");
}

QPixmap ScaledPicture::stored(const QString& name, double devicePixelRatio) {
    double scale = kScales.back();
    for (double candidate : kScales) {
        // A little slack: a ratio of 1.2500001 still takes the 1.25 picture.
        if (candidate >= devicePixelRatio - 0.001) {
            scale = candidate;
            break;
        }
    }
    // Qt's pixmap cache keeps the pictures read, and lets them go with the
    // application.
    const QString file = fileName(name, scale);
    QPixmap pixmap;
    if (!QPixmapCache::find(file, &pixmap) && pixmap.load(file)) {
        pixmap.setDevicePixelRatio(scale);
        QPixmapCache::insert(file, pixmap);
    }
    return pixmap;
}

void ScaledPicture::paint(QPainter* painter, const QString& name, const QRectF& target,
                          Qt::AspectRatioMode mode) {
    const double ratio = painter->device()->devicePixelRatioF();
    QPixmap pixmap = stored(name, ratio);
    if (pixmap.isNull())
        return;
    const QSizeF size = pixmap.deviceIndependentSize().scaled(target.size(), mode);
    const QPointF topLeft(target.x() + (target.width() - size.width()) / 2,
                          target.y() + (target.height() - size.height()) / 2);
    // A picture within a pixel of the size shown (75 px at 125 % is 93.75
    // screen pixels; the picture has 94) is drawn as it is: scaling it by so
    // little would blur its lines.
    const QSizeF pixels = size * ratio;
    if (std::abs(pixmap.width() - pixels.width()) >= 1 ||
        std::abs(pixmap.height() - pixels.height()) >= 1) {
        const QSize wanted = pixels.toSize();
        const QString key = fileName(name, pixmap.devicePixelRatio()) + QLatin1Char(' ') +
                            QString::number(wanted.width()) + QLatin1Char('x') +
                            QString::number(wanted.height());
        QPixmap scaled;
        if (!QPixmapCache::find(key, &scaled)) {
            scaled = pixmap.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled.setDevicePixelRatio(ratio);
            QPixmapCache::insert(key, scaled);
        }
        pixmap = scaled;
    }
    painter->drawPixmap(topLeft, pixmap);
}

} // namespace korvane
