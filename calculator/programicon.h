// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace korvane {

// The program's icon for its windows and the tray: the pictures that
// resources/make_pictures.sh renders, at the small sizes a title bar, a task
// bar and a tray show. Drawing the SVG at start-up instead cost a third of
// the time to the first frame, most of it in laying out the picture's text.
QIcon programIcon();

} // namespace korvane
