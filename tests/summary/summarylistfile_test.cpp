// SPDX-License-Identifier: MIT
#include "summaryitemprint.h"
#include "summarylistfile.h"
#include "testnames.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>

using korvane::SummaryItem;
using korvane::SummaryListFile;

namespace {

using Rows = std::vector<SummaryItem>;

// GBK: 钢板 B8D6 B0E5, 块 BFE9, ㎡ A94F, 槽钢 B2DB B8D6.
const std::string kSteelPlate = "\xB8\xD6\xB0\xE5";
const std::string kChannel = "\xB2\xDB\xB8\xD6";
const std::string kBlock = "\xBF\xE9";
const std::string kSquareMetre = "\xA9\x4F";

SummaryItem row(std::string number, std::string name, std::string size, std::string unitWeight,
                std::string quantity, std::string weight) {
    return {{std::move(number), std::move(name), std::move(size), std::move(unitWeight),
             std::move(quantity), std::move(weight)}};
}

const Rows kThreeRows = {
    row("1", kSteelPlate, "10mm*2.2m*12m*1" + kBlock, "78.50Kg/" + kSquareMetre,
        "26.40" + kSquareMetre, "2072.40"),
    row("2", kChannel + " 10#", "100*48*5.3", "10.007Kg/m", "6m", "60.042"),
    row("3", "", "", "", "", ""),
};

// One record as found in files, with every field open to choice, for files
// that our own writer never produces.
std::string record(std::uint8_t kind, const std::string& text, std::int32_t image = -1,
                   std::int32_t stateImage = -1, std::int32_t indent = 0, std::int32_t itemData = 0,
                   const std::string& second = "") {
    std::string out(1, static_cast<char>(kind));
    for (std::int32_t value : {image, stateImage, indent, itemData})
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF));
    return out + text + '\0' + second + '\0';
}

TEST(SummaryListFileLayout, RecordsAreByteExact) {
    using namespace std::string_literals;
    const std::string numberOne = "\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x00"
                                  "\x00\x00\x00\x00\x31\x00\x00"s;
    const std::string cellTwoPointFive = "\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x00"
                                         "\x00\x00\x00\x00\x32\x2E\x35\x00\x00"s;
    const std::string emptyCell = "\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x00"
                                  "\x00\x00\x00\x00\x00\x00"s;
    ASSERT_EQ(numberOne.size(), 20u);
    ASSERT_EQ(cellTwoPointFive.size(), 22u);
    const std::string file =
        numberOne + cellTwoPointFive + emptyCell + emptyCell + emptyCell + emptyCell;
    const Rows rows = {row("1", "2.5", "", "", "", "")};

    EXPECT_EQ(SummaryListFile::encode(rows), file);
    EXPECT_EQ(SummaryListFile::decode(file), rows);
}

TEST(SummaryListFileLayout, EmptyListIsEmptyFile) {
    EXPECT_EQ(SummaryListFile::encode({}), "");
    EXPECT_TRUE(SummaryListFile::decode("").empty());
}

TEST(SummaryListFileLayout, RowsComeBackInOrderWithNumbersAsSaved) {
    // Rows moved together with their numbers keep those numbers.
    Rows moved = kThreeRows;
    std::swap(moved[0], moved[2]);
    moved.push_back(row("1", "", "", "", "", ""));

    for (const Rows& rows : {kThreeRows, moved}) {
        const std::string file = SummaryListFile::encode(rows);
        std::size_t textBytes = 0;
        for (const SummaryItem& item : rows)
            for (const std::string& cell : item.cells)
                textBytes += cell.size();
        // six records of 19 bytes plus their text per row
        EXPECT_EQ(file.size(), rows.size() * 6 * 19 + textBytes);
        EXPECT_EQ(SummaryListFile::decode(file), rows);
    }
}

struct CutCase {
    std::string name;
    std::string text;
    std::size_t keptBytes;
};
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredText : public testing::TestWithParam<CutCase> {};

// The text goes into a middle column, so a cut that broke the record would
// also lose the cells behind it.
TEST_P(StoredText, IsCutBeforeTheFirstCharacterThatDoesNotFit) {
    const CutCase& c = GetParam();
    const SummaryItem item = row("7", kSteelPlate, c.text, "1Kg/m", "2m", "2");
    SummaryItem expected = item;
    expected.cells[SummaryItem::Size] = c.text.substr(0, c.keptBytes);

    EXPECT_EQ(SummaryListFile::decode(SummaryListFile::encode(Rows{item})), Rows{expected});
}

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const std::string a258(258, 'a');
const CutCase kCutCases[] = {
    {"ascii_259_kept", std::string(259, 'a'), 259},
    {"ascii_300", std::string(300, 'a'), 259},
    {"gbk_ends_at_259", std::string(257, 'a') + kSteelPlate, 259},
    {"gbk_straddles_259", a258 + kSteelPlate, 258},
    {"gbk_only_300", repeat(kSteelPlate, 75), 258},
    // Every trail byte here also lies in the lead range; only a walk from the
    // start knows that byte 258 ends a character.
    {"gbk_after_one_ascii", "a" + repeat(kSteelPlate, 75), 259},
    {"lead_then_ascii_straddles", a258 + "\x81" + "A", 258},
    {"lead_FE_straddles", a258 + "\xFE\xA1", 258},
    {"byte_80_is_single", a258 + "\x80\xA1", 259},
    {"byte_FF_is_single", a258 + "\xFF\xA1", 259},
    {"lone_lead_at_end_kept", a258 + "\xB8", 259},
    {"zero_byte_ends_text", std::string("ab\0cd", 5), 2},
};
INSTANTIATE_TEST_SUITE_P(Table, StoredText, testing::ValuesIn(kCutCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct WalkCase {
    std::string name;
    std::string file;
    Rows rows;
};
void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadingWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(LoadingWalk, AppliesWhatTheRecordsSay) {
    EXPECT_EQ(SummaryListFile::decode(GetParam().file), GetParam().rows);
}

const WalkCase kWalkCases[] = {
    {"column_before_any_row_is_ignored",
     record(1, "x") + record(0, "1") + record(1, "a"),
     {row("1", "a", "", "", "", "")}},
    {"short_row_leaves_later_cells_empty",
     record(0, "1") + record(1, "a") + record(1, "b") + record(0, "2") + record(1, "c"),
     {row("1", "a", "b", "", "", ""), row("2", "c", "", "", "", "")}},
    {"columns_past_the_sixth_are_ignored",
     record(0, "1") + repeat(record(1, "c"), 5) + record(1, "extra") + record(1, "more") +
         record(0, "2"),
     {row("1", "c", "c", "c", "c", "c"), row("2", "", "", "", "", "")}},
    {"any_nonzero_kind_is_a_column",
     record(0, "1") + record(2, "a") + record(0x7F, "b") + record(0xFF, "c"),
     {row("1", "a", "b", "c", "", "")}},
    {"images_indent_and_item_data_are_ignored",
     record(0, "1", 3, 0, 2, 12345) + record(1, "a", 0x7FFFFFFF, 5, 1, 9),
     {row("1", "a", "", "", "", "")}},
    {"second_text_is_skipped",
     record(0, "1", -1, -1, 0, 0, "note") + record(1, "a", -1, -1, 0, 0, "more"),
     {row("1", "a", "", "", "", "")}},
    {"long_stored_text_is_kept",
     record(0, std::string(400, 'n')),
     {row(std::string(400, 'n'), "", "", "", "", "")}},
    {"garbage_without_zero_bytes", std::string(64, '\x41'), {}},
};
INSTANTIATE_TEST_SUITE_P(Table, LoadingWalk, testing::ValuesIn(kWalkCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

// Cut anywhere, a file gives exactly the cells whose records are complete
// before the cut: record i is column i % 6 of row i / 6.
TEST(LoadingWalkCut, KeepsEveryCompleteRecordBeforeTheEnd) {
    const std::string file = SummaryListFile::encode(kThreeRows);
    std::vector<std::size_t> recordEnds;
    std::size_t end = 0;
    for (const SummaryItem& item : kThreeRows)
        for (const std::string& cell : item.cells)
            recordEnds.push_back(end += 19 + cell.size());
    ASSERT_EQ(recordEnds.back(), file.size());

    for (std::size_t length = 0; length <= file.size(); ++length) {
        Rows expected;
        for (std::size_t i = 0; i < recordEnds.size() && recordEnds[i] <= length; ++i) {
            if (i % 6 == 0)
                expected.emplace_back();
            expected.back().cells[i % 6] = kThreeRows[i / 6].cells[i % 6];
        }
        EXPECT_EQ(SummaryListFile::decode(std::string_view(file).substr(0, length)), expected)
            << "file cut to " << length << " bytes";
    }
}

} // namespace
