// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QPainter;
class QRectF;

namespace korvane {

// Draws the program's SVG pictures at whatever size and pixel density they are
// shown, so that they stay crisp on high-DPI screens.
class SvgPicture {
  public:
    static void paint(QPainter* painter, const QString& resource, const QRectF& target);
};

} // namespace korvane
