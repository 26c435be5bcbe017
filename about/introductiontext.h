// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace korvane {

// The program's own introduction, shown on the About window's page "软件介绍".
// `downloadPage` is where the newer version with online prices is offered.
QString introductionText(const QString& downloadPage);

} // namespace korvane
