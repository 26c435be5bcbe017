// SPDX-License-Identifier: MIT
#pragma once

#include "reportcell.h"
#include "reportgrid.h"

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// How a grid's sizes, colours and number texts read in a spreadsheet; the
// .xls and the .xlsx writer share them so that both files show the same sheet.
namespace SpreadsheetFormats {

// Pixels times `factor` in points, to the half point: tenths of .0–.2 round
// down, .3–.7 give .5, .8–.9 round up ("9.5", "13", "32.5"). Spreadsheet
// programs of the time kept sizes in half points. The factor is 0.75 for
// column widths and row heights, 0.8 for font sizes.
std::string halfPointSize(int pixels, double factor);
inline constexpr double kLengthFactor = 0.75;
inline constexpr double kFontFactor = 0.8;

// "#RRGGBB" with each channel snapped to the six steps 00, 33, 66, 99, CC, FF
// of the palette older spreadsheet programs can show.
std::string colorCode(RgbColor color);

// A digit or "-" first, then only digits and points: what the sheet offers
// as a number ("12.5", "-3", "007", but also "-" and "1.2.3").
bool isNumberLike(std::string_view text);
// A number-like text that is a number: an optional "-", digits with at most
// one point, at least one digit. "-", "1.2.3" and "1..5" are not; a spreadsheet
// program would reject or drop a number cell holding them.
bool isNumber(std::string_view text);

// The number format that shows a number with the digits of its text where the
// plain number would show fewer ("12.60" -> "0.00", "2.000" -> "0.000",
// "007" -> "000"); empty when the plain number shows the text as it is, and
// for texts that are not numbers.
std::string numberFormat(std::string_view text);

// 0xRRGGBB.
constexpr std::uint32_t packed(RgbColor color) {
    return (std::uint32_t(color.red) << 16) | (std::uint32_t(color.green) << 8) | color.blue;
}

// Everything a cell's style in either file is made of: cells that look alike
// share one style, and a sheet of thousands of rows has a handful of looks,
// so a style is worked out once per look.
struct CellLook {
    HorizontalAlignment alignment;
    bool wordWrap;
    std::string fontFace;
    int fontSize;
    unsigned styleFlags;
    std::uint32_t textColor;
    std::uint32_t background;
    std::string numberFormat;

    auto operator<=>(const CellLook&) const = default;
};
CellLook lookOf(const ReportGrid& grid, int row, int column);

} // namespace SpreadsheetFormats
} // namespace korvane
