// SPDX-License-Identifier: MIT
// The profile text reader and writer on any file: writing one entry keeps
// every other byte and every other entry, and reads back the value written.
#include "fuzzcheck.h"
#include "gbkcodec.h"
#include "profiletext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using korvane::ProfileText;

namespace {

// Names as the program uses them: GBK, one of them ASCII, one with a double-byte
// character whose second byte is "[" and one with a "]" in it.
const std::array<std::string, 6> kSections = {
    "\xB1\xE0\xBC\xAD\xBF\xF2", // 编辑框
    "Settings",
    "SETTINGS",
    "a\x81[b",
    "x]y",
    "",
};
const std::array<std::string, 6> kKeys = {
    "\xB1\xEA\xCC\xE2", // 标题
    "Title",
    "title",
    "\xB5\xA5\xCE\xBB]",
    "k\x81=",
    "a b",
};

constexpr std::size_t kBuffer = std::size_t(1) << 20;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The value a reader gets for `gbk` written as it is: blanks around it and one
// pair of quotes do not count, and a UTF-8 file holds it as UTF-8.
std::string valueAsRead(std::string_view gbk, bool utf8File) {
    const std::string inFile = utf8File ? korvane::gbkToUtf8(gbk) : std::string(gbk);
    std::string_view text = inFile;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return utf8File ? korvane::utf8ToGbk(text) : std::string(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string& section = kSections[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    const std::string& key = kKeys[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    const std::string& otherSection = kSections[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    const std::string& otherKey = kKeys[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    const std::string value = input.ConsumeRandomLengthString(300);
    const std::string file = input.ConsumeRemainingBytesAsString();

    ProfileText text(file);
    const std::optional<std::string> otherBefore = text.value(otherSection, otherKey, kBuffer);
    const bool written = text.setValue(section, key, value);
    const std::string& after = text.bytes();
    if (!written) {
        FUZZ_CHECK(after == file);
        FUZZ_CHECK(value.find_first_of("\r\n") != std::string::npos || key.find('=') != key.npos);
        return 0;
    }

    const bool utf8File = file.starts_with("\xEF\xBB\xBF");
    const std::optional<std::string> read = text.value(section, key, kBuffer);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(*read == valueAsRead(value, utf8File));

    // Any other entry reads as before: the names match without regard to the
    // case of ASCII letters, which only the pairs here differ in.
    auto folded = [](std::string name) {
        for (char& c : name)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return name;
    };
    if (folded(otherSection) != folded(section) || folded(otherKey) != folded(key))
        FUZZ_CHECK(text.value(otherSection, otherKey, kBuffer) == otherBefore);

    // The bytes before and after the change are the file's: what went away is
    // at most part of one line, never a line end.
    std::size_t prefix = 0;
    while (prefix < file.size() && prefix < after.size() && file[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < file.size() - prefix && suffix < after.size() - prefix &&
           file[file.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view removed =
        std::string_view(file).substr(prefix, file.size() - prefix - suffix);
    FUZZ_CHECK(removed.find('\n') == std::string_view::npos);
    return 0;
}
