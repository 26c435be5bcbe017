// SPDX-License-Identifier: MIT
#include "spreadsheetexport.h"

#include "gbkcodec.h"
#include "spreadsheetformats.h"

#include <map>
#include <unordered_map>
#include <vector>

namespace korvane {

namespace {

using SpreadsheetFormats::colorCode;
using SpreadsheetFormats::halfPointSize;
using SpreadsheetFormats::kFontFactor;
using SpreadsheetFormats::kLengthFactor;

// "&" and "<" as entities; inside an attribute value the quotation mark too.
// What an XML reader would not hand back as written is written otherwise: ">"
// closing "]]>" as an entity, tab, LF and CR inside an attribute value (which a
// reader takes for blanks) as character references, and the control characters
// XML cannot hold at all as U+FFFD, the replacement character. In element text
// a CR stays the byte itself: a reader turns CR LF, and a lone CR, into the LF
// that spreadsheets take for a line break inside a cell.
std::string escaped(std::string_view utf8, bool attribute) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>' && out.ends_with("]]"))
            out += "&gt;";
        else if (c == '"' && attribute)
            out += "&quot;";
        else if (attribute && (c == '\t' || c == '\n' || c == '\r'))
            out += "&#" + std::to_string(int(c)) + ';';
        else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            out += "\xEF\xBF\xBD";
        else
            out += c;
    }
    return out;
}

const char* alignmentName(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return "Center";
    case HorizontalAlignment::Right:
        return "Right";
    case HorizontalAlignment::Left:
        break;
    }
    return "Left";
}

// The style of a cell, as the lines between <Style> and </Style>.
std::string styleBody(const ReportGrid& grid, int row, int column) {
    const ReportCell& cell = grid.cell(row, column);
    std::string body;
    body.reserve(700);
    body += "   <Alignment ss:Horizontal=\"";
    body += alignmentName(cell.alignment);
    body += "\" ss:Vertical=\"Center\" ss:ShrinkToFit=\"1\"/>\r\n";

    body += "   <Borders>\r\n";
    const std::string border = "\" ss:LineStyle=\"Continuous\" ss:Weight=\"" +
                               std::to_string(grid.lineWidth()) + "\"\r\n     ss:Color=\"" +
                               colorCode(grid.lineColor()) + "\"/>\r\n";
    for (const char* position : {"Bottom", "Left", "Right", "Top"}) {
        body += "    <Border ss:Position=\"";
        body += position;
        body += border;
    }
    body += "   </Borders>\r\n";

    body += "   <Font ss:FontName=\"";
    body += escaped(gbkToUtf8(cell.fontFace), true);
    body += "\" x:CharSet=\"134\" ss:Size=\"";
    body += halfPointSize(grid.fontSize(row, column), kFontFactor);
    body += "\" ss:Color=\"";
    body += colorCode(grid.textColor(row, column));
    body += '"';
    if (cell.styleFlags & (Bold | Italic | Underline | StrikeThrough)) {
        body += "\r\n   ";
        if (cell.styleFlags & Bold)
            body += " ss:Bold=\"1\"";
        if (cell.styleFlags & Italic)
            body += " ss:Italic=\"1\"";
        if (cell.styleFlags & Underline)
            body += " ss:Underline=\"Single\"";
        if (cell.styleFlags & StrikeThrough)
            body += " ss:StrikeThrough=\"1\"";
    }
    body += "/>\r\n";

    body += "   <Interior ss:Color=\"";
    body += colorCode(grid.backgroundColor(row, column));
    body += "\" ss:Pattern=\"Solid\"/>\r\n";

    const std::string format = SpreadsheetFormats::numberFormat(cell.text);
    if (!format.empty())
        body += "   <NumberFormat ss:Format=\"" + format + "\"/>\r\n";
    return body;
}

// An ordered list of styles: equal bodies share one id, ids are handed out in
// order of first use. The maps keep a sheet of thousands of rows linear.
class StyleList {
  public:
    StyleList(std::string prefix, int firstNumber, int step)
        : prefix_(std::move(prefix)), firstNumber_(firstNumber), step_(step) {}

    std::string idOfCell(const ReportGrid& grid, int row, int column) {
        // A cell that looks like one seen before needs no body built.
        auto [it, added] = idOfLook_.try_emplace(SpreadsheetFormats::lookOf(grid, row, column));
        if (added)
            it->second = idOfBody(styleBody(grid, row, column));
        return it->second;
    }

    void write(std::string& out) const {
        for (const Entry& entry : entries_) {
            out += "  <Style ss:ID=\"" + entry.id + "\">\r\n";
            out += *entry.body;
            out += "  </Style>\r\n";
        }
    }

  private:
    // Different looks may still give one body (colours snap to one code).
    std::string idOfBody(std::string body) {
        auto [it, added] = indexOfBody_.try_emplace(std::move(body), entries_.size());
        if (added)
            entries_.push_back(
                {prefix_ + std::to_string(firstNumber_ + step_ * int(entries_.size())),
                 &it->first});
        return entries_[it->second].id;
    }

    struct Entry {
        std::string id;
        const std::string* body; // the key in the map; stable while the map lives
    };
    std::string prefix_;
    int firstNumber_;
    int step_;
    std::unordered_map<std::string, std::size_t> indexOfBody_;
    std::vector<Entry> entries_;
    std::map<SpreadsheetFormats::CellLook, std::string> idOfLook_;
};

// The value of a <Data> element with the attribute value it closes.
std::string dataOf(std::string_view text) {
    // A number-like text that is no number ("-", "1.2.3") goes as text: a
    // number cell holding it would be rejected or emptied by the reader.
    if (SpreadsheetFormats::isNumber(text))
        return "Number\">" + std::string(text);
    return "String\">" + escaped(gbkToUtf8(text), false);
}

void writeCellValue(std::string& out, const std::string& text, bool blankBeforeEnd) {
    if (text.empty()) {
        out += blankBeforeEnd ? "/> \r\n" : "/>\r\n";
        return;
    }
    out += "><Data ss:Type=\"";
    out += dataOf(text);
    out += "</Data></Cell>\r\n";
}

constexpr std::string_view kMarginCell = "    <Cell ss:StyleID=\"s21\"/>\r\n";

// Walks the grid row by row; a merged range is written once, at its top-left
// cell, with the number of further columns and rows it spans.
std::string rowsOf(const ReportGrid& grid, StyleList& plain, StyleList& merged) {
    const int rows = grid.rowCount();
    const int columns = grid.columnCount();
    std::vector<bool> covered(size_t(rows) * size_t(columns), false);
    std::string out;
    out.reserve(size_t(rows) * size_t(columns) * 90 + 64 * size_t(rows));
    for (int i = 0; i < rows; ++i) {
        out += "   <Row ss:AutoFitHeight=\"0\" ss:Height=\"";
        out += halfPointSize(grid.rowHeight(i), kLengthFactor);
        out += "\">\r\n";
        out += kMarginCell;
        for (int j = 0; j < columns; ++j) {
            if (covered[size_t(i) * columns + j])
                continue;
            // The range itself, not a count of widths and heights, says how far
            // a merge reaches: columns or rows of no size cannot cut it short.
            int across = 1;
            int down = 1;
            if (const std::optional<CellRange> range = grid.mergeAt(i, j);
                range && range->firstRow == i && range->firstColumn == j) {
                across = range->lastColumn - j + 1;
                down = range->lastRow - i + 1;
                for (int r = i; r < i + down; ++r)
                    for (int c = j; c < j + across; ++c)
                        covered[size_t(r) * columns + c] = r != i || c != j;
            }
            const std::string& text = grid.cell(i, j).text;
            out += "    <Cell ss:Index=\"";
            out += std::to_string(j + 2); // the margin column is the sheet's first
            out += '"';
            if (across == 1 && down == 1) {
                out += " ss:StyleID=\"";
                out += plain.idOfCell(grid, i, j);
                out += '"';
                // The blank after an empty cell is kept: older files had it.
                writeCellValue(out, text, true);
            } else {
                if (across > 1)
                    out += " ss:MergeAcross=\"" + std::to_string(across - 1) + '"';
                if (down > 1)
                    out += " ss:MergeDown=\"" + std::to_string(down - 1) + '"';
                out += " ss:StyleID=\"";
                out += merged.idOfCell(grid, i, j);
                out += '"';
                writeCellValue(out, text, false);
            }
        }
        out += "   </Row>\r\n";
    }
    return out;
}

} // namespace

std::string SpreadsheetExport::xml(const ReportGrid& grid, std::string_view sheetName) {
    StyleList plain("s", 22, 1);
    StyleList merged("m", 60444964, 10);
    // The styles come first in the file, but are known only once every cell
    // has been seen.
    const std::string rows = rowsOf(grid, plain, merged);
    const int columns = grid.columnCount();

    std::string out;
    out.reserve(rows.size() + 4096);
    out += "<?xml version=\"1.0\"?>\r\n"
           "<?mso-application progid=\"Excel.Sheet\"?>\r\n"
           "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
           " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\r\n"
           " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\r\n"
           " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
           " xmlns:html=\"http://www.w3.org/TR/REC-html40\">\r\n";

    out += " <Styles>\r\n"
           "  <Style ss:ID=\"Default\" ss:Name=\"Normal\">\r\n"
           "   <Alignment ss:Vertical=\"Center\"/>\r\n"
           "   <Borders/>\r\n"
           "   <Font ss:FontName=\"宋体\" x:CharSet=\"134\" ss:Size=\"9.5\"/>\r\n"
           "   <Interior/>\r\n"
           "   <NumberFormat/>\r\n"
           "   <Protection/>\r\n"
           "  </Style>\r\n";
    merged.write(out);
    out += "  <Style ss:ID=\"s21\">\r\n"
           "   <Borders/>\r\n"
           "  </Style>\r\n";
    plain.write(out);
    out += " </Styles>\r\n";

    out += " <Worksheet ss:Name=\"" + escaped(gbkToUtf8(sheetName), true) + "\">\r\n";
    out += "  <Table ss:ExpandedColumnCount=\"" + std::to_string(columns + 1) +
           "\" ss:ExpandedRowCount=\"" + std::to_string(grid.rowCount() + 1) +
           "\" x:FullColumns=\"1\"\r\n";
    out += "   x:FullRows=\"1\" ss:DefaultColumnWidth=\"" +
           halfPointSize(grid.defaultColumnWidth(), kLengthFactor) + "\" ss:DefaultRowHeight=\"" +
           halfPointSize(grid.defaultRowHeight(), kLengthFactor) + "\">\r\n";

    out += "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"10\"/>\r\n";
    for (int j = 0; j < columns; ++j)
        out += "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"" +
               halfPointSize(grid.columnWidth(j), kLengthFactor) + "\"/>\r\n";

    out += "   <Row ss:AutoFitHeight=\"0\" ss:Height=\"10\">\r\n";
    for (int j = 0; j <= columns; ++j)
        out += kMarginCell;
    out += "   </Row>\r\n";
    out += rows;
    out += "  </Table>\r\n";

    out += "  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">\r\n"
           "   <Unsynced/>\r\n"
           "   <Selected/>\r\n"
           "   <DoNotDisplayGridlines/>\r\n"
           "   <DoNotDisplayHeadings/>\r\n"
           "   <ProtectObjects>False</ProtectObjects>\r\n"
           "   <ProtectScenarios>False</ProtectScenarios>\r\n"
           "  </WorksheetOptions>\r\n"
           " </Worksheet>\r\n"
           "</Workbook>\r\n";
    return out;
}

} // namespace korvane
