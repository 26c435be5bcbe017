// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace korvane::platform {

// Where a window that docks beside the main window goes: at `wanted`, moved
// left and up as far as needed to lie wholly inside `available` (the free area
// of the screen that holds the main window), its height bounded by that
// area's. Both rectangles are outer ones, title bar and borders included. A
// window wider than the area starts at the area's left edge.
QRect keptInside(QRect wanted, const QRect& available);

enum class Fit {
    Place,          // the window keeps its size
    PlaceAndHeight, // it may be made as low as its minimumSizeHint() to fit
};

// Docks `window` with its frame's top-left corner at `frameTopLeft`, kept
// inside the free area of the screen that holds `anchor`. With
// Fit::PlaceAndHeight the window's height is its sizeHint() (as designed)
// where there is room, else as much as the area leaves, down to its
// minimumSizeHint().
void dock(QWidget* window, const QWidget* anchor, QPoint frameTopLeft, Fit fit = Fit::Place);

} // namespace korvane::platform
