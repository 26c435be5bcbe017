// SPDX-License-Identifier: MIT
#include "reportsamples.h"
#include "spreadsheetexport.h"
#include "spreadsheetformats.h"
#include "testnames.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <regex>
#include <sstream>

using korvane::CellRange;
using korvane::HorizontalAlignment;
using korvane::ReportGrid;
using korvane::RgbColor;
using korvane::SpreadsheetExport;
using reportsamples::g;
using reportsamples::item;
using reportsamples::report;
namespace formats = korvane::SpreadsheetFormats;

namespace {

using Lines = std::vector<std::string>;

// The file's lines without their CR LF; a line end without CR fails the test.
Lines linesOf(const std::string& file) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t lf; (lf = file.find('\n', start)) != std::string::npos; start = lf + 1) {
        EXPECT_TRUE(lf > start && file[lf - 1] == '\r') << "bare LF at byte " << lf;
        lines.push_back(file.substr(start, lf - start - 1));
    }
    EXPECT_EQ(start, file.size()) << "the file ends without a line end";
    return lines;
}

// Whether the blocks of consecutive lines occur in `lines`, one after another.
testing::AssertionResult containsBlocks(const Lines& lines, const std::vector<Lines>& blocks) {
    auto from = lines.begin();
    for (const Lines& block : blocks) {
        const auto found = std::search(from, lines.end(), block.begin(), block.end());
        if (found == lines.end())
            return testing::AssertionFailure() << "missing, or out of order, the block starting\n"
                                               << block.front();
        from = found + std::ptrdiff_t(block.size());
    }
    return testing::AssertionSuccess();
}

Lines marginRow(int cells) {
    Lines lines{R"(   <Row ss:AutoFitHeight="0" ss:Height="10">)"};
    lines.insert(lines.end(), size_t(cells), R"(    <Cell ss:StyleID="s21"/>)");
    lines.push_back("   </Row>");
    return lines;
}

ReportGrid oneRow(std::vector<const char*> texts) {
    ReportGrid grid;
    grid.setRowCount(1);
    grid.setColumnCount(int(texts.size()));
    for (int c = 0; c < int(texts.size()); ++c)
        grid.setText(0, c, g(texts[size_t(c)]));
    return grid;
}

std::string xmlOf(const ReportGrid& grid, const char* sheet = "工作表1") {
    return SpreadsheetExport::xml(grid, g(sheet));
}

struct EdgeCase {
    const char* name;
    std::function<std::string()> file;
    std::vector<Lines> blocks;
    int rowElements = -1; // <Row> elements, margin row included; -1: not checked
};
void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class SpreadsheetExportEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(SpreadsheetExportEdges, WritesTheLines) {
    const Lines lines = linesOf(GetParam().file());
    EXPECT_TRUE(containsBlocks(lines, GetParam().blocks));
    if (GetParam().rowElements >= 0) {
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.starts_with("   <Row "); }),
                  GetParam().rowElements);
    }
}

const EdgeCase kEdgeCases[] = {
    {"empty_list",
     [] { return xmlOf(report({})); },
     {{R"(  <Table ss:ExpandedColumnCount="8" ss:ExpandedRowCount="7" x:FullColumns="1")",
       R"(   x:FullRows="1" ss:DefaultColumnWidth="37.5" ss:DefaultRowHeight="19">)"},
      marginRow(8),
      {R"(    <Cell ss:Index="2" ss:StyleID="s23"><Data ss:Type="String"> 合计：</Data></Cell>)",
       R"(    <Cell ss:Index="3" ss:MergeAcross="3" ss:StyleID="m60444984"/>)",
       R"(    <Cell ss:Index="7" ss:StyleID="s24"><Data ss:Type="Number">0.00</Data></Cell>)"}},
     7},
    {"company_A_and_B",
     [] { return xmlOf(report({}, "A&B")); },
     {{R"(    <Cell ss:Index="2" ss:MergeAcross="6" ss:StyleID="m60444974"><Data ss:Type="String">单位名称：A&amp;B</Data></Cell>)"}}},
    {"sheet_name_x_lt_y",
     [] { return xmlOf(report({}), "x<y"); },
     {{R"( <Worksheet ss:Name="x&lt;y">)"}}},
    {"sheet_name_with_quote_and_ampersand",
     [] { return xmlOf(report({}), "a\"b&c"); },
     {{R"( <Worksheet ss:Name="a&quot;b&amp;c">)"}}},
    {"cancelled_sheet_name",
     [] { return xmlOf(report({}), ""); },
     {{R"( <Worksheet ss:Name="">)"}}},
    {"quote_and_markup_in_a_cell",
     [] { return xmlOf(oneRow({"say \"hi\" <b>"})); },
     {{R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">say "hi" &lt;b></Data></Cell>)"}}},
    {"cdata_end_in_a_cell",
     [] { return xmlOf(oneRow({"a]]>b"})); },
     {{R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">a]]&gt;b</Data></Cell>)"}}},
    {"carriage_return_in_a_cell",
     [] { return xmlOf(oneRow({"a\rb\tc"})); },
     {{"    <Cell ss:Index=\"2\" ss:StyleID=\"s22\"><Data "
       "ss:Type=\"String\">a\rb\tc</Data></Cell>"}}},
    {"control_characters_in_a_cell",
     [] {
         return xmlOf(oneRow({"a\x01"
                              "b\x1a"}));
     },
     {{R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">a�b�</Data></Cell>)"}}},
    {"sheet_name_with_tab_and_line_break",
     [] { return xmlOf(report({}), "a\tb\r\nc"); },
     {{R"( <Worksheet ss:Name="a&#9;b&#13;&#10;c">)"}}},
    {"font_face_with_quote",
     [] {
         ReportGrid grid = oneRow({"x"});
         grid.setFontFace({0, 0}, "A\"&<");
         return xmlOf(grid);
     },
     {{R"(   <Font ss:FontName="A&quot;&amp;&lt;" x:CharSet="134" ss:Size="9.5" ss:Color="#000000"/>)"}}},
    {"lines_of_two_items_share_one_style",
     [] {
         return xmlOf(report({item("1", "钢板", "10", "1Kg/m", "1m", "5.5"),
                              item("2", "圆钢", "20", "2Kg/m", "2m", "6.5")}));
     },
     {{R"(    <Cell ss:Index="2" ss:MergeAcross="6" ss:StyleID="m60444964"><Data ss:Type="String">材 料 重 量 汇 总 表</Data></Cell>)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">序号</Data></Cell>)",
       R"(    <Cell ss:Index="3" ss:StyleID="s22"><Data ss:Type="String">材料名称</Data></Cell>)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s23"><Data ss:Type="Number">1</Data></Cell>)",
       R"(    <Cell ss:Index="3" ss:StyleID="s23"><Data ss:Type="String">钢板</Data></Cell>)",
       R"(    <Cell ss:Index="4" ss:StyleID="s23"><Data ss:Type="Number">10</Data></Cell>)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s23"><Data ss:Type="Number">2</Data></Cell>)",
       R"(    <Cell ss:Index="3" ss:StyleID="s23"><Data ss:Type="String">圆钢</Data></Cell>)"},
      // the total 12.00 needs a format of its own
      {R"(    <Cell ss:Index="7" ss:StyleID="s24"><Data ss:Type="Number">12.00</Data></Cell>)"}}},
    // Colours that snap to one code give one body, and so one style.
    {"colours_snapping_alike_share_one_style",
     [] {
         ReportGrid grid = oneRow({"a", "b", "c"});
         grid.setTextColor({0, 1}, {20, 30, 0});
         grid.setBackgroundColor({0, 2}, {0, 0, 200});
         return xmlOf(grid);
     },
     {{R"(  <Style ss:ID="s23">)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">a</Data></Cell>)",
       R"(    <Cell ss:Index="3" ss:StyleID="s22"><Data ss:Type="String">b</Data></Cell>)",
       R"(    <Cell ss:Index="4" ss:StyleID="s23"><Data ss:Type="String">c</Data></Cell>)"}}},
    {"empty_plain_cell_keeps_its_style_and_a_trailing_blank",
     [] {
         return xmlOf(oneRow({"a", "b", "c", ""}));
     },
     {{R"(    <Cell ss:Index="4" ss:StyleID="s22"><Data ss:Type="String">c</Data></Cell>)",
       R"(    <Cell ss:Index="5" ss:StyleID="s22"/> )", "   </Row>"}}},
    {"empty_merged_cell_has_no_trailing_blank",
     [] {
         ReportGrid grid = oneRow({"", "", "x"});
         grid.merge({0, 0, 0, 1});
         return xmlOf(grid);
     },
     {{R"(    <Cell ss:StyleID="s21"/>)",
       R"(    <Cell ss:Index="2" ss:MergeAcross="1" ss:StyleID="m60444964"/>)",
       R"(    <Cell ss:Index="4" ss:StyleID="s22"><Data ss:Type="String">x</Data></Cell>)"}}},
    {"merge_down_and_across_is_written_once",
     [] {
         ReportGrid grid = oneRow({"a", "b", "c"});
         grid.setRowCount(2);
         grid.setText(1, 2, "d");
         grid.merge({0, 0, 1, 1});
         return xmlOf(grid);
     },
     {{R"(   <Row ss:AutoFitHeight="0" ss:Height="19">)", R"(    <Cell ss:StyleID="s21"/>)",
       R"(    <Cell ss:Index="2" ss:MergeAcross="1" ss:MergeDown="1" ss:StyleID="m60444964"><Data ss:Type="String">a</Data></Cell>)",
       R"(    <Cell ss:Index="4" ss:StyleID="s22"><Data ss:Type="String">c</Data></Cell>)",
       "   </Row>", R"(   <Row ss:AutoFitHeight="0" ss:Height="19">)",
       R"(    <Cell ss:StyleID="s21"/>)",
       R"(    <Cell ss:Index="4" ss:StyleID="s22"><Data ss:Type="String">d</Data></Cell>)",
       "   </Row>"}},
     3},
    {"second_export_numbers_styles_anew",
     [] {
         (void)xmlOf(reportsamples::threeItemReport());
         ReportGrid grid = oneRow({"", "x"});
         grid.merge({0, 0, 0, 1});
         grid.setRowCount(2);
         grid.setText(1, 0, "y");
         return xmlOf(grid);
     },
     {{R"(  <Style ss:ID="m60444964">)"},
      {R"(  <Style ss:ID="s22">)"},
      {R"(    <Cell ss:Index="2" ss:MergeAcross="1" ss:StyleID="m60444964"/>)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">y</Data></Cell>)"}}},
    {"every_style_flag_and_a_negative_font_size",
     [] {
         ReportGrid grid = oneRow({"x"});
         grid.setStyleFlags({0, 0}, 15);
         grid.setFontSize({0, 0}, -16);
         grid.setTextColor({0, 0}, {200, 90, 10});
         grid.setAlignment({0, 0}, HorizontalAlignment::Right);
         return xmlOf(grid);
     },
     {{R"(   <Alignment ss:Horizontal="Right" ss:Vertical="Center" ss:ShrinkToFit="1"/>)"},
      {R"(   <Font ss:FontName="宋体" x:CharSet="134" ss:Size="13" ss:Color="#CC6600")",
       R"(    ss:Bold="1" ss:Italic="1" ss:Underline="Single" ss:StrikeThrough="1"/>)",
       R"(   <Interior ss:Color="#FFFFFF" ss:Pattern="Solid"/>)"}}},
    {"grid_lines_give_every_border",
     [] {
         ReportGrid grid = oneRow({"x"});
         grid.setLineColor({90, 140, 250});
         grid.setLineWidth(2);
         return xmlOf(grid);
     },
     {{"   <Borders>",
       R"(    <Border ss:Position="Bottom" ss:LineStyle="Continuous" ss:Weight="2")",
       R"(     ss:Color="#6699FF"/>)",
       R"(    <Border ss:Position="Left" ss:LineStyle="Continuous" ss:Weight="2")",
       R"(     ss:Color="#6699FF"/>)",
       R"(    <Border ss:Position="Right" ss:LineStyle="Continuous" ss:Weight="2")",
       R"(     ss:Color="#6699FF"/>)",
       R"(    <Border ss:Position="Top" ss:LineStyle="Continuous" ss:Weight="2")",
       R"(     ss:Color="#6699FF"/>)", "   </Borders>"}}},
    // Bytes that are no GBK character show as U+FFFD; the file stays UTF-8.
    {"invalid_gbk_bytes",
     [] {
         ReportGrid grid;
         grid.setRowCount(1);
         grid.setColumnCount(1);
         grid.setText(0, 0, "a\x81");
         return SpreadsheetExport::xml(grid, "\xFF");
     },
     {{R"( <Worksheet ss:Name="�">)"},
      {R"(    <Cell ss:Index="2" ss:StyleID="s22"><Data ss:Type="String">a�</Data></Cell>)"}}},
};
INSTANTIATE_TEST_SUITE_P(Table, SpreadsheetExportEdges, testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

// The number format of the style of the cell whose data is `data`: "" when
// the style has none; "<no cell>" when no cell holds it.
std::string numberFormatOfCell(const std::string& file, const std::string& type,
                               const std::string& data) {
    const std::regex cell(
        "ss:StyleID=\"([a-z0-9]+)\"><Data ss:Type=\"" + type + "\">" +
        std::regex_replace(data, std::regex(R"([.\-^$*+?()\[\]{}|\\])"), R"(\$&)") + "</Data>");
    std::smatch match;
    if (!std::regex_search(file, match, cell))
        return "<no cell>";
    const std::size_t style = file.find("<Style ss:ID=\"" + match[1].str() + "\">");
    const std::size_t end = file.find("</Style>", style);
    const std::regex format("<NumberFormat ss:Format=\"([0.]*)\"/>");
    std::smatch found;
    const std::string body = file.substr(style, end - style);
    return std::regex_search(body, found, format) ? found[1].str() : "";
}

struct NumberCase {
    const char* text;
    const char* type; // of the Data element
    const char* format;
    // The sheet holding the text; a single cell when not given.
    std::function<ReportGrid()> grid = {};
};
void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.text;
}

class SpreadsheetExportNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(SpreadsheetExportNumbers, KeepTheDigitsOfTheirText) {
    const NumberCase& c = GetParam();
    const ReportGrid grid = c.grid ? c.grid() : oneRow({c.text});
    EXPECT_EQ(numberFormatOfCell(xmlOf(grid), c.type, c.text), c.format);
}

const NumberCase kNumberCases[] = {
    {"1.50", "Number", "0.00"},
    {"1.500", "Number", "0.000"},
    {"2.000", "Number", "0.000"},
    {"12.60", "Number", "0.00"},
    {"1.5", "Number", ""},
    {"12.5", "Number", ""},
    {"-3", "Number", ""},
    {"0", "Number", ""},
    {"007", "Number", "000"},
    {"-0.50", "Number", "0.00"},
    {"15.70", "Number", "0.00",
     [] {
         return report(
             {item("1", "钢板", "", "", "", "10.20"), item("2", "圆钢", "", "", "", "5.5")});
     }},
    // number-like, but no number: text cells without a number format
    {"-", "String", ""},
    {"1.2.3", "String", ""},
    {"1..5", "String", ""},
    {"-.", "String", ""},
    // not number-like
    {"1e5", "String", ""},
    {"12kg", "String", ""},
    {" 12", "String", ""},
    {"+5", "String", ""},
};
INSTANTIATE_TEST_SUITE_P(Table, SpreadsheetExportNumbers, testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return rowName(info.param.text, info.index); });

struct SizeCase {
    int pixels;
    double factor;
    const char* size;
};
void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.pixels << " px at " << c.factor;
}
class HalfPointSize : public testing::TestWithParam<SizeCase> {};

TEST_P(HalfPointSize, RoundsToHalfPoints) {
    EXPECT_EQ(formats::halfPointSize(GetParam().pixels, GetParam().factor), GetParam().size);
}

const SizeCase kSizeCases[] = {
    {80, 0.75, "60"},   {43, 0.75, "32.5"}, {85, 0.75, "64"},  {25, 0.75, "19"},
    {70, 0.75, "52.5"}, {30, 0.75, "22.5"}, {40, 0.75, "30"},  {0, 0.75, "0"},
    {12, 0.8, "9.5"},   {16, 0.8, "13"},    {13, 0.8, "10.5"}, {19, 0.8, "15"},
    {25, 0.8, "20"},    {1, 0.8, "1"},      {2, 0.75, "1.5"},  {2000, 0.75, "1500"},
};
INSTANTIATE_TEST_SUITE_P(Table, HalfPointSize, testing::ValuesIn(kSizeCases), [](const auto& info) {
    return rowName(std::to_string(info.param.pixels) + "px_" +
                       (info.param.factor < 0.78 ? "length" : "font"),
                   info.index);
});

struct ColorCase {
    RgbColor color;
    const char* code;
};
void PrintTo(const ColorCase& c, std::ostream* os) {
    *os << int(c.color.red) << "," << int(c.color.green) << "," << int(c.color.blue);
}
class ColorCode : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorCode, SnapsEachChannel) {
    EXPECT_EQ(formats::colorCode(GetParam().color), GetParam().code);
}

const ColorCase kColorCases[] = {
    {{0, 0, 0}, "#000000"},       {{255, 255, 255}, "#FFFFFF"}, {{236, 236, 236}, "#CCCCCC"},
    {{0, 0, 255}, "#0000FF"},     {{32, 33, 83}, "#003333"},    {{84, 134, 135}, "#666699"},
    {{185, 186, 237}, "#99CCFF"}, {{255, 0, 0}, "#FF0000"},
};
INSTANTIATE_TEST_SUITE_P(Table, ColorCode, testing::ValuesIn(kColorCases),
                         [](const auto& info) { return rowName(info.param.code, info.index); });

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void expectFile(const std::string& actual, const char* name) {
    const std::string expected = readFile(std::string(KORVANE_TEST_DATA "/") + name);
    ASSERT_FALSE(expected.empty()) << name;
    EXPECT_TRUE(actual == expected) << "sizes " << actual.size() << " and " << expected.size();
    // On a difference, the first line that differs says more than the whole file.
    const Lines a = linesOf(actual), e = linesOf(expected);
    const auto [first, second] = std::mismatch(a.begin(), a.end(), e.begin(), e.end());
    if (first != a.end() || second != e.end())
        ADD_FAILURE() << "line " << (first - a.begin()) + 1
                      << "\nactual:   " << (first != a.end() ? *first : "<end>")
                      << "\nexpected: " << (second != e.end() ? *second : "<end>");
}

// The expected files were written out by hand from the description of the file
// format, not produced by the program.
TEST(SpreadsheetExportFile, ReportOfThreeItemsIsByteForByteTheExpectedFile) {
    expectFile(xmlOf(reportsamples::threeItemReport()), "report_three_items.xls");
}

// A title of two lines (as "配置.txt" keeps it from earlier versions) holds CR
// LF; the cell's text carries both bytes raw, as spreadsheet files do.
TEST(SpreadsheetExportFile, TitleOfTwoLinesKeepsItsLineBreakRaw) {
    ReportGrid grid = reportsamples::threeItemReport();
    korvane::ReportSheet::setTitle(grid, reportsamples::g("材料单\r\n第二行"));
    expectFile(xmlOf(grid), "report_two_line_title.xls");
}

} // namespace
