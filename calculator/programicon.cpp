// SPDX-License-Identifier: MIT
#include "programicon.h"

#include <QSize>
#include <QString>

namespace korvane {

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon sizes;
        for (int side : {16, 24, 32, 48})
            sizes.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/korvane.png").arg(side),
                          QSize(side, side));
        return sizes;
    }();
    return icon;
}

} // namespace korvane
