// SPDX-License-Identifier: MIT
#include "xlsxexport.h"

#include "gbkcodec.h"
#include "numbertext.h"
#include "spreadsheetformats.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>
#include <xlsxwriter.h>

namespace korvane {

namespace {

using SpreadsheetFormats::halfPointSize;

lxw_color_t rgb(RgbColor color) {
    return SpreadsheetFormats::packed(color);
}

uint8_t alignment(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Right:
        return LXW_ALIGN_RIGHT;
    case HorizontalAlignment::Left:
        break;
    }
    return LXW_ALIGN_LEFT;
}

uint8_t borderStyle(int lineWidth) {
    if (lineWidth <= 0)
        return LXW_BORDER_NONE;
    return lineWidth == 1 ? LXW_BORDER_THIN : lineWidth == 2 ? LXW_BORDER_MEDIUM : LXW_BORDER_THICK;
}

// One format per distinct look: a sheet of thousands of rows uses a handful.
class Formats {
  public:
    Formats(lxw_workbook* workbook, const ReportGrid& grid) : workbook_(workbook), grid_(grid) {}

    lxw_format* of(int row, int column) {
        auto [it, added] =
            formats_.try_emplace(SpreadsheetFormats::lookOf(grid_, row, column), nullptr);
        if (added)
            it->second = make(it->first);
        return it->second;
    }

  private:
    using Look = SpreadsheetFormats::CellLook;

    lxw_format* make(const Look& look) {
        const auto& [align, wrap, face, fontSize, flags, textColor, background, numberFormat] =
            look;
        lxw_format* format = workbook_add_format(workbook_);
        format_set_align(format, alignment(align));
        if (wrap) {
            // Wrapped text runs from the top of the cell, as in the window.
            format_set_text_wrap(format);
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
        } else {
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
            format_set_shrink(format);
        }
        format_set_border(format, borderStyle(grid_.lineWidth()));
        format_set_border_color(format, rgb(grid_.lineColor()));
        format_set_font_name(format, gbkToUtf8(face).c_str());
        format_set_font_size(format,
                             std::stod(halfPointSize(fontSize, SpreadsheetFormats::kFontFactor)));
        format_set_font_color(format, textColor);
        if (flags & Bold)
            format_set_bold(format);
        if (flags & Italic)
            format_set_italic(format);
        if (flags & Underline)
            format_set_underline(format, LXW_UNDERLINE_SINGLE);
        if (flags & StrikeThrough)
            format_set_font_strikeout(format);
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, background);
        if (!numberFormat.empty())
            format_set_num_format(format, numberFormat.c_str());
        return format;
    }

    lxw_workbook* workbook_;
    const ReportGrid& grid_;
    std::map<Look, lxw_format*> formats_;
};

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

} // namespace

std::string XlsxExport::sheetName(std::string_view utf8) {
    constexpr std::size_t kMaxCharacters = 31;
    std::string name;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size() && characters < kMaxCharacters; ++characters) {
        // The whole UTF-8 sequence of one character.
        std::size_t length = 1;
        while (i + length < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        const std::string_view character = utf8.substr(i, length);
        name += character.find_first_of("[]:*?/\\") == std::string_view::npos
                    ? std::string(character)
                    : "_";
        i += length;
    }
    while (!name.empty() && name.front() == '\'')
        name.erase(0, 1);
    while (!name.empty() && name.back() == '\'')
        name.pop_back();
    return name.empty() ? std::string("工作表1") : name;
}

bool XlsxExport::write(const std::string& path, const ReportGrid& grid,
                       std::string_view sheetName) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr)
        return false;
    std::unique_ptr<lxw_workbook, WorkbookCloser> closer(workbook);
    lxw_worksheet* sheet =
        workbook_add_worksheet(workbook, XlsxExport::sheetName(gbkToUtf8(sheetName)).c_str());
    if (sheet == nullptr)
        return false;
    // The sheet's own borders and fills are what the reader should see.
    worksheet_gridlines(sheet, LXW_HIDE_ALL_GRIDLINES);
    // Printed as the report window prints it: scaled to the page width.
    worksheet_fit_to_pages(sheet, 1, 0);

    const int rows = grid.rowCount();
    const int columns = grid.columnCount();
    for (int j = 0; j < columns; ++j)
        worksheet_set_column_pixels(sheet, lxw_col_t(j), lxw_col_t(j),
                                    uint32_t(std::max(grid.columnWidth(j), 0)), nullptr);
    for (int i = 0; i < rows; ++i)
        worksheet_set_row(
            sheet, lxw_row_t(i),
            std::stod(halfPointSize(grid.rowHeight(i), SpreadsheetFormats::kLengthFactor)),
            nullptr);

    Formats formats(workbook, grid);
    std::vector<bool> covered(size_t(rows) * size_t(columns), false);
    bool ok = true;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            if (covered[size_t(i) * columns + j])
                continue;
            const std::string& text = grid.cell(i, j).text;
            lxw_format* format = formats.of(i, j);
            const bool number = SpreadsheetFormats::isNumber(text);
            const std::string utf8 = number ? std::string() : gbkToUtf8(text);
            const std::optional<CellRange> range = grid.mergeAt(i, j);
            if (range && range->firstRow == i && range->firstColumn == j) {
                for (int r = range->firstRow; r <= range->lastRow; ++r)
                    for (int c = range->firstColumn; c <= range->lastColumn; ++c)
                        covered[size_t(r) * columns + c] = true;
                // The range takes the top-left cell's format in every cell, so
                // that its borders and fill reach across.
                ok &= worksheet_merge_range(sheet, lxw_row_t(i), lxw_col_t(j),
                                            lxw_row_t(range->lastRow), lxw_col_t(range->lastColumn),
                                            utf8.c_str(), format) == LXW_NO_ERROR;
                if (!number)
                    continue;
            }
            lxw_error written;
            if (number)
                written = worksheet_write_number(sheet, lxw_row_t(i), lxw_col_t(j),
                                                 NumberText::textToNumber(text), format);
            else if (text.empty())
                written = worksheet_write_blank(sheet, lxw_row_t(i), lxw_col_t(j), format);
            else
                written =
                    worksheet_write_string(sheet, lxw_row_t(i), lxw_col_t(j), utf8.c_str(), format);
            ok &= written == LXW_NO_ERROR;
        }
    }
    return workbook_close(closer.release()) == LXW_NO_ERROR && ok;
}

} // namespace korvane
