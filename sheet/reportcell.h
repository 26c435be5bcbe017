// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// A 24-bit RGB colour.
struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RgbColor&) const = default;
};

// The numbers are those the sheet's readers expect (1 left, 2 centre, 3 right).
enum class HorizontalAlignment { Left = 1, Center = 2, Right = 3 };

// Style flags of a cell's font, as a bit set.
enum StyleFlag : unsigned {
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeThrough = 8,
};

// One cell of the report sheet. Texts are GBK.
struct ReportCell {
    std::string text;
    std::string fontFace;
    // A pixel height. Stored as given, read as its absolute value: a negative
    // height is the form font dialogs hand over for the character height.
    int fontSize = 0;
    unsigned styleFlags = 0;
    // None: the grid's colour applies.
    std::optional<RgbColor> textColor;
    std::optional<RgbColor> backgroundColor;
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    // Off: one line, centred vertically; on: lines broken from the top of the cell.
    bool wordWrap = false;

    bool operator==(const ReportCell&) const = default;
};

} // namespace korvane
