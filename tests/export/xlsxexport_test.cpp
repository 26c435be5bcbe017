// SPDX-License-Identifier: MIT
// The .xlsx export read back without a spreadsheet program: the workbook is
// unzipped here and its parts compared, so the same test holds on every
// platform the export is built for.
#include "reportsamples.h"
#include "testnames.h"
#include "xlsxexport.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>
#include <zlib.h>

using korvane::ReportGrid;
using korvane::XlsxExport;
using reportsamples::g;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le(const std::string& bytes, std::size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + size_t(i)));
    return value;
}

std::string inflated(const std::string& data, std::size_t size) {
    std::string out(size, '\0');
    z_stream stream{};
    EXPECT_EQ(inflateInit2(&stream, -MAX_WBITS), Z_OK);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
    inflateEnd(&stream);
    return out;
}

// The parts of a zip archive by name, read through its central directory.
std::map<std::string, std::string> zipParts(const std::string& zip) {
    std::map<std::string, std::string> parts;
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > zip.size()) {
        ADD_FAILURE() << "not a zip archive (" << zip.size() << " bytes)";
        return parts;
    }
    std::size_t entry = le(zip, end + 16, 4);
    for (uint32_t n = le(zip, end + 10, 2); n > 0; --n) {
        EXPECT_EQ(le(zip, entry, 4), 0x02014b50u) << "central directory entry at " << entry;
        const uint32_t method = le(zip, entry + 10, 2);
        const uint32_t packed = le(zip, entry + 20, 4), size = le(zip, entry + 24, 4);
        const uint32_t nameLength = le(zip, entry + 28, 2);
        const std::string name = zip.substr(entry + 46, nameLength);
        const std::size_t local = le(zip, entry + 42, 4);
        const std::size_t data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
        const std::string bytes = zip.substr(data, packed);
        EXPECT_TRUE(method == 0 || method == 8) << name << ": method " << method;
        parts[name] = method == 8 ? inflated(bytes, size) : bytes;
        entry += 46 + nameLength + le(zip, entry + 30, 2) + le(zip, entry + 32, 2);
    }
    return parts;
}

// A file of its own in the temporary folder, removed at the end of the test.
class XlsxFile : public testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove(path_); }

    std::map<std::string, std::string> written(const ReportGrid& grid, const char* sheet) {
        EXPECT_TRUE(XlsxExport::write(path_.string(), grid, g(sheet)));
        return zipParts(readFile(path_));
    }

    const std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("korvane-xlsx-" +
         std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".xlsx");
};

// The workbook's parts as a spreadsheet program reads them: the sheet with its
// cells, sizes and merges, the shared texts, the formats, the sheet's name.
// Only docProps/core.xml, which holds the time of writing, is left out.
TEST_F(XlsxFile, ReportOfThreeItemsHasTheExpectedPartsByteForByte) {
    const auto parts = written(reportsamples::threeItemReport(), "钢材汇总");
    const char* const compared[] = {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                    "xl/styles.xml", "xl/workbook.xml", "[Content_Types].xml"};
    for (const char* name : compared) {
        SCOPED_TRACE(name);
        std::string file = std::string("report_three_items.xlsx.") + name;
        std::replace(file.begin(), file.end(), '/', '.');
        const std::string expected = readFile(std::string(KORVANE_TEST_DATA "/") + file);
        ASSERT_FALSE(expected.empty()) << file;
        ASSERT_EQ(parts.count(name), 1u);
        const std::string& actual = parts.at(name);
        const auto [a, e] =
            std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
        EXPECT_TRUE(a == actual.end() && e == expected.end())
            << "first difference at byte " << (a - actual.begin()) << "\nactual:   "
            << actual.substr(size_t(std::max<std::ptrdiff_t>(a - actual.begin() - 60, 0)), 120)
            << "\nexpected: "
            << expected.substr(size_t(std::max<std::ptrdiff_t>(e - expected.begin() - 60, 0)), 120);
    }
    EXPECT_EQ(parts.count("docProps/core.xml"), 1u);
}

// Numbers are written as numbers with all the digits a double holds, and with
// the exponent spreadsheet programs write (two digits at least).
TEST_F(XlsxFile, NumbersKeepTheirValueAtEitherEndOfTheRange) {
    ReportGrid grid;
    const std::vector<std::pair<const char*, const char*>> cells = {
        {"123456789012345678901", "1.234567890123457E+20"},
        {"0.0000001", "1E-07"},
        {"-0.5", "-0.5"},
        {"007", "7"},
        {"2590.00", "2590"},
        {"3.14159265358979323", "3.141592653589793"},
    };
    grid.setRowCount(1);
    grid.setColumnCount(int(cells.size()));
    for (std::size_t c = 0; c < cells.size(); ++c)
        grid.setText(0, int(c), cells[c].first);
    const std::string sheet = written(grid, "工作表1")["xl/worksheets/sheet1.xml"];
    std::vector<std::string> values;
    const std::regex value("<v>([^<]*)</v>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), value);
         it != std::sregex_iterator(); ++it)
        values.push_back((*it)[1]);
    std::vector<std::string> expected;
    for (const auto& cell : cells)
        expected.push_back(cell.second);
    EXPECT_EQ(values, expected) << sheet;
}

TEST_F(XlsxFile, FolderThatIsNotThereFailsTheWrite) {
    const std::filesystem::path missing =
        std::filesystem::temp_directory_path() / "korvane-no-such-folder" / "a.xlsx";
    EXPECT_FALSE(XlsxExport::write(missing.string(), reportsamples::threeItemReport(), g("表")));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

struct NameCase {
    const char* typed;
    const char* name;
};

class SheetName : public testing::TestWithParam<NameCase> {};

TEST_P(SheetName, IsOneAWorkbookAccepts) {
    EXPECT_EQ(XlsxExport::sheetName(GetParam().typed), GetParam().name);
}

const NameCase kNameCases[] = {
    {"钢材汇总", "钢材汇总"},
    {"", "工作表1"},
    {"a[1]:b*c?d/e\\f", "a_1__b_c_d_e_f"},
    {"'报表'", "报表"},
    {"''", "工作表1"},
    {"it's", "it's"},
    // 31 characters, counted as characters, not bytes.
    {"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二",
     "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一"},
    {"abcdefghijklmnopqrstuvwxyz0123456789", "abcdefghijklmnopqrstuvwxyz01234"},
};
INSTANTIATE_TEST_SUITE_P(Table, SheetName, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return rowName(info.param.typed, info.index); });

} // namespace
