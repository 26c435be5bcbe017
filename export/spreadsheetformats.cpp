// SPDX-License-Identifier: MIT
#include "spreadsheetformats.h"

#include "numbertext.h"

#include <algorithm>

namespace korvane::SpreadsheetFormats {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string halfPointSize(int pixels, double factor) {
    const float points = static_cast<float>(pixels * factor);
    const std::string tenths = NumberText::fixedDecimalsText(static_cast<double>(points), 1);
    const int lastDigit = tenths.back() - '0';
    const std::string whole = tenths.substr(0, tenths.size() - 2);
    if (lastDigit <= 2)
        return whole;
    if (lastDigit <= 7)
        return whole + ".5";
    return std::to_string(std::stoll(whole) + 1);
}

std::string colorCode(RgbColor color) {
    static constexpr const char* kSteps[] = {"00", "33", "66", "99", "CC", "FF"};
    // The upper ends of the steps: 0–32 -> 00, 33–83 -> 33, ... 237–255 -> FF.
    static constexpr int kUpperEnds[] = {32, 83, 134, 185, 236, 255};
    auto snap = [](std::uint8_t channel) {
        return kSteps[std::lower_bound(std::begin(kUpperEnds), std::end(kUpperEnds), int(channel)) -
                      std::begin(kUpperEnds)];
    };
    return std::string("#") + snap(color.red) + snap(color.green) + snap(color.blue);
}

bool isNumberLike(std::string_view text) {
    return !text.empty() && (isDigit(text[0]) || text[0] == '-') &&
           std::all_of(text.begin() + 1, text.end(), [](char c) { return isDigit(c) || c == '.'; });
}

bool isNumber(std::string_view text) {
    return isNumberLike(text) && std::count(text.begin(), text.end(), '.') <= 1 &&
           std::any_of(text.begin(), text.end(), isDigit);
}

std::string numberFormat(std::string_view text) {
    if (!isNumber(text) || text == NumberText::defaultNumberText(NumberText::textToNumber(text)))
        return {};
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos)
        return "0." + std::string(text.size() - point - 1, '0');
    // Leading zeros ("007"): as many digits as the text has.
    return std::string(size_t(std::count_if(text.begin(), text.end(), isDigit)), '0');
}

CellLook lookOf(const ReportGrid& grid, int row, int column) {
    const ReportCell& cell = grid.cell(row, column);
    return {cell.alignment,
            cell.wordWrap,
            cell.fontFace,
            grid.fontSize(row, column),
            cell.styleFlags,
            packed(grid.textColor(row, column)),
            packed(grid.backgroundColor(row, column)),
            numberFormat(cell.text)};
}

} // namespace korvane::SpreadsheetFormats
