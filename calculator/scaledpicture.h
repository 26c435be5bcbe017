// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <Qt>

#include <array>

class QPainter;
class QPixmap;
class QRectF;

namespace korvane {

// The pictures of the main window (selector buttons, calculator picture,
// section sketches). Each is kept as PNGs made from its SVG source by
// resources/make_pictures.sh, one for each screen scale, at the size the window
// shows it: NAME@1x.png, NAME@1.25x.png, NAME@1.5x.png and NAME@2x.png. A
// picture is read on its first paint and kept for later paints.
class ScaledPicture {
  public:
    static constexpr std::array<double, 4> kScales{1.0, 1.25, 1.5, 2.0};

    // ":/sketches/ibeam", 1.25 -> ":/sketches/ibeam@1.25x.png"
    static QString fileName(const QString& name, double scale);

    // The stored picture for a screen of this device pixel ratio: the one of
    // the smallest scale not below it (the largest beyond 2), with that scale
    // as its device pixel ratio. Null when the picture is missing.
    static QPixmap stored(const QString& name, double devicePixelRatio);

    // Draws the picture into `target` (centred in it when the aspect ratio is
    // kept). The stored picture goes onto the screen pixel for pixel when it
    // has the size shown; other sizes and scales are smooth-scaled from the
    // next larger one, once.
    static void paint(QPainter* painter, const QString& name, const QRectF& target,
                      Qt::AspectRatioMode mode);
};

} // namespace korvane
