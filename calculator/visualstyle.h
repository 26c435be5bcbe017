// SPDX-License-Identifier: MIT
#pragma once

namespace korvane {

// The program-wide look: the Fusion style and the Chinese font names the
// program uses, mapped to fonts that are installed.
class VisualStyle {
  public:
    static void apply();
};

} // namespace korvane
