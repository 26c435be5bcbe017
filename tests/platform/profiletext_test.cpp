// SPDX-License-Identifier: MIT
#include "profiletext.h"
#include "testnames.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

using korvane::ProfileText;

namespace {

// GBK: 编辑框 B1E0 BCAD BFF2, 抬头 CCA7 CDB7, 公司名称 B9AB CBBE C3FB B3C6,
// 制单人 D6C6 B5A5 C8CB, 钢材有限公司 B8D6 B2C4 D3D0 CFDE B9AB CBBE, 两行 C1BD D0D0.
#define GBK_SECTION "\xB1\xE0\xBC\xAD\xBF\xF2"
#define GBK_TITLE_KEY GBK_SECTION "1\xCC\xA7\xCD\xB7"
#define GBK_COMPANY_KEY GBK_SECTION "2\xB9\xAB\xCB\xBE\xC3\xFB\xB3\xC6"
#define GBK_PREPARER_KEY GBK_SECTION "3\xD6\xC6\xB5\xA5\xC8\xCB"
#define GBK_COMPANY "\xB8\xD6\xB2\xC4\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE"
#define GBK_TWO_LINES "\xC1\xBD\xD0\xD0"
// The same in UTF-8.
#define UTF8_SECTION "\xE7\xBC\x96\xE8\xBE\x91\xE6\xA1\x86"
#define UTF8_TITLE_KEY UTF8_SECTION "1\xE6\x8A\xAC\xE5\xA4\xB4"

// The buffer the report window reads its header texts into.
constexpr std::size_t kBuffer = 10240;

// The header-info file as the Windows profile-string service leaves it after
// a hand edit: GBK, CR LF, blanks around "=", a comment and another section.
// clang-format off
const std::string kWindowsFile = "; header texts\r\n"
                                 "[" GBK_SECTION "]\r\n"
                                 GBK_PREPARER_KEY " = A\r\n"
                                 GBK_COMPANY_KEY "\t=  " GBK_COMPANY "  \r\n"
                                 GBK_TITLE_KEY "=" GBK_TWO_LINES "><br><" GBK_TWO_LINES "\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "key=other\r\n";
// clang-format on

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileTextRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileTextRead, FindsTheValueAsTheProfileServiceDoes) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ProfileText(c.file).value(c.section, c.key, kBuffer), c.expected);
}

const ReadCase kReadCases[] = {
    {"windows_file_blanks_around_equals", kWindowsFile, GBK_SECTION, GBK_PREPARER_KEY, "A"},
    {"windows_file_tab_and_trailing_blanks", kWindowsFile, GBK_SECTION, GBK_COMPANY_KEY,
     GBK_COMPANY},
    {"windows_file_line_break_marker_kept", kWindowsFile, GBK_SECTION, GBK_TITLE_KEY,
     GBK_TWO_LINES "><br><" GBK_TWO_LINES},
    {"windows_file_other_section", kWindowsFile, "Other", "key", "other"},
    {"key_of_another_section", kWindowsFile, "Other", GBK_TITLE_KEY, std::nullopt},
    {"missing_section", kWindowsFile, "Missing", "key", std::nullopt},
    {"empty_file", "", "s", "k", std::nullopt},
    {"lf_line_ends", "[s]\nk=v\n", "s", "k", "v"},
    {"no_line_end_at_all", "[s]\nk=v", "s", "k", "v"},
    {"indented_names", "  [ s ]  \r\n\tk\t=v\r\n", "s", "k", "v"},
    {"empty_value_is_present", "[s]\r\nk=\r\n", "s", "k", ""},
    {"equals_inside_value", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {"ascii_case_ignored", "[SeCtIoN]\r\nKeY=v\r\n", "section", "KEY", "v"},
    // B141 and B161 are two different characters whose second bytes are "A"
    // and "a"
    {"double_byte_characters_not_folded", "[s]\r\n\xB1\x41=v\r\n", "s", "\xB1\x61", std::nullopt},
    // B15D ends in the byte of "]": the name ends at the "]" before it
    {"bracket_byte_inside_a_character", "[s]\xB1\x5D\r\nk=v\r\n", "s", "k", "v"},
    {"name_up_to_the_last_bracket", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
    {"entries_before_any_section", "k=v\r\n[s]\r\n", "s", "k", std::nullopt},
    {"first_duplicate_key_wins", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
    {"later_section_of_the_same_name", "[s]\r\na=1\r\n[t]\r\n[S]\r\nk=2\r\n", "s", "k", "2"},
    {"comment_is_not_an_entry", "[s]\r\n;k=v\r\n", "s", "k", std::nullopt},
    {"double_quotes_dropped", "[s]\r\nk=\" a b \"\r\n", "s", "k", " a b "},
    {"single_quotes_dropped", "[s]\r\nk='x'\r\n", "s", "k", "x"},
    {"unmatched_quotes_kept", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
    {"lone_quote_kept", "[s]\r\nk=\"\r\n", "s", "k", "\""},
    {"byte_order_mark_not_part_of_the_first_name", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
    {"utf8_file_read_as_gbk", "\xEF\xBB\xBF[" UTF8_SECTION "]\r\n" UTF8_TITLE_KEY "=" UTF8_SECTION,
     GBK_SECTION, GBK_TITLE_KEY, GBK_SECTION},
};
INSTANTIATE_TEST_SUITE_P(Table, ProfileTextRead, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct LimitCase {
    const char* name;
    std::string value;
    std::size_t bufferSize;
    std::string expected;
};
void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileTextReadLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ProfileTextReadLimit, KeepsRoomForTheTerminatingZero) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(ProfileText("[s]\r\nk=" + c.value + "\r\n").value("s", "k", c.bufferSize),
              c.expected);
}

const LimitCase kLimitCases[] = {
    {"fills_the_buffer", std::string(kBuffer - 1, 'x'), kBuffer, std::string(kBuffer - 1, 'x')},
    {"one_byte_too_long", std::string(kBuffer, 'x'), kBuffer, std::string(kBuffer - 1, 'x')},
    {"far_too_long", std::string(3 * kBuffer, 'x'), kBuffer, std::string(kBuffer - 1, 'x')},
    // the last character would have only its first byte in the buffer
    {"double_byte_character_not_split", std::string(kBuffer - 2, 'x') + "\xB1\xE0", kBuffer,
     std::string(kBuffer - 2, 'x')},
    {"double_byte_character_fits", std::string(kBuffer - 3, 'x') + "\xB1\xE0", kBuffer,
     std::string(kBuffer - 3, 'x') + "\xB1\xE0"},
    {"quotes_dropped_before_cutting", "\"" + std::string(kBuffer - 1, 'x') + "\"", kBuffer,
     std::string(kBuffer - 1, 'x')},
    {"buffer_of_one_byte", "x", 1, ""},
    {"no_buffer", "x", 0, ""},
};
INSTANTIATE_TEST_SUITE_P(Table, ProfileTextReadLimit, testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct WriteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileTextWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileTextWrite, ChangesOneEntryAndKeepsEveryOtherByte) {
    const WriteCase& c = GetParam();
    ProfileText text(c.before);
    ASSERT_TRUE(text.setValue(c.section, c.key, c.value));
    EXPECT_EQ(text.bytes(), c.after);
    EXPECT_EQ(text.value(c.section, c.key, kBuffer), c.value);
}

const WriteCase kWriteCases[] = {
    // clang-format off
    {"replaces_an_entry_with_blanks_around_equals", kWindowsFile, GBK_SECTION, GBK_COMPANY_KEY, "B",
     "; header texts\r\n"
     "[" GBK_SECTION "]\r\n"
     GBK_PREPARER_KEY " = A\r\n"
     GBK_COMPANY_KEY "=B\r\n"
     GBK_TITLE_KEY "=" GBK_TWO_LINES "><br><" GBK_TWO_LINES "\r\n"
     "\r\n"
     "[Other]\r\n"
     "key=other\r\n"},
    // clang-format on
    {"keeps_the_line_end_of_the_entry", "[s]\nk=old\nj=1\n", "s", "k", "new", "[s]\nk=new\nj=1\n"},
    {"keeps_the_files_spelling_of_the_key", "[S]\r\n  KEY = old\r\n", "s", "key", "new",
     "[S]\r\nKEY=new\r\n"},
    {"replaces_the_last_line_without_line_end", "[s]\r\nk=old", "s", "k", "new", "[s]\r\nk=new"},
    {"adds_a_key_after_the_sections_last_line", "[s]\r\na=1\r\n;note\r\n\r\n[t]\r\nk=t\r\n", "s",
     "k", "v", "[s]\r\na=1\r\n;note\r\nk=v\r\n\r\n[t]\r\nk=t\r\n"},
    {"adds_a_key_under_an_empty_section", "[s]\n\n[t]\n", "s", "k", "v", "[s]\nk=v\r\n\n[t]\n"},
    {"adds_a_key_at_the_end_without_line_end", "[s]\r\na=1", "s", "k", "v",
     "[s]\r\na=1\r\nk=v\r\n"},
    {"adds_a_key_to_the_first_section_of_the_name", "[s]\r\na=1\r\n[t]\r\n[s]\r\nb=2\r\n", "s", "k",
     "v", "[s]\r\na=1\r\nk=v\r\n[t]\r\n[s]\r\nb=2\r\n"},
    {"replaces_a_key_in_a_later_section_of_the_name", "[s]\r\na=1\r\n[s]\r\nk=old\r\n", "s", "k",
     "new", "[s]\r\na=1\r\n[s]\r\nk=new\r\n"},
    {"adds_a_section_to_an_empty_file", "", GBK_SECTION, GBK_TITLE_KEY, GBK_COMPANY,
     "[" GBK_SECTION "]\r\n" GBK_TITLE_KEY "=" GBK_COMPANY "\r\n"},
    {"adds_a_section_after_the_last_line", "[t]\nk=t\n", "s", "k", "v", "[t]\nk=t\n[s]\r\nk=v\r\n"},
    {"ends_an_open_last_line_first", "[t]\r\nk=t", "s", "k", "v", "[t]\r\nk=t\r\n[s]\r\nk=v\r\n"},
    {"adds_a_section_after_a_byte_order_mark", "\xEF\xBB\xBF", "s", "k", "v",
     "\xEF\xBB\xBF[s]\r\nk=v\r\n"},
    {"writes_utf8_into_a_utf8_file", "\xEF\xBB\xBF[" UTF8_SECTION "]\r\n", GBK_SECTION,
     GBK_TITLE_KEY, GBK_SECTION,
     "\xEF\xBB\xBF[" UTF8_SECTION "]\r\n" UTF8_TITLE_KEY "=" UTF8_SECTION "\r\n"},
    {"empty_value", "[s]\r\nk=old\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Table, ProfileTextWrite, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct RefusedCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileTextRefusedWrite : public testing::TestWithParam<RefusedCase> {};

TEST_P(ProfileTextRefusedWrite, ChangesNothing) {
    const RefusedCase& c = GetParam();
    ProfileText text(kWindowsFile);
    EXPECT_FALSE(text.setValue(c.section, c.key, c.value));
    EXPECT_EQ(text.bytes(), kWindowsFile);
}

// Each would split the entry or make it read back as something else.
const RefusedCase kRefusedCases[] = {
    {"lf_in_value", "s", "k", "a\nb"},         {"cr_in_value", "s", "k", "a\rb"},
    {"line_break_in_key", "s", "k\r\nj", "v"}, {"line_break_in_section", "s\nt", "k", "v"},
    {"equals_in_key", "s", "k=j", "v"},        {"empty_key", "s", "", "v"},
    {"key_like_a_section", "s", "[t]", "v"},
};
INSTANTIATE_TEST_SUITE_P(Table, ProfileTextRefusedWrite, testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

} // namespace
