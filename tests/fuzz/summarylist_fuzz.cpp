// SPDX-License-Identifier: MIT
// The summary list file from any bytes: decoding never fails, and the rows it
// gives, saved and read again, are the same rows.
#include "fuzzcheck.h"
#include "summarylistfile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using korvane::SummaryItem;
using korvane::SummaryListFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<SummaryItem> rows = SummaryListFile::decode(bytes);

    const std::string saved = SummaryListFile::encode(rows);
    const std::vector<SummaryItem> again = SummaryListFile::decode(saved);
    FUZZ_CHECK(again.size() == rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int c = 0; c < SummaryItem::kColumnCount; ++c) {
            const std::string& before = rows[i].cells[std::size_t(c)];
            const std::string& after = again[i].cells[std::size_t(c)];
            // A record holds kMaxTextBytes; a longer text read from a file is
            // cut to whole characters on saving, never by more than one byte
            // below the limit.
            if (before.size() <= SummaryListFile::kMaxTextBytes) {
                FUZZ_CHECK(after == before);
            } else {
                FUZZ_CHECK(before.starts_with(after));
                FUZZ_CHECK(after.size() + 1 >= SummaryListFile::kMaxTextBytes);
            }
        }
    }
    // Saved once, the rows go through any number of saves unchanged.
    FUZZ_CHECK(SummaryListFile::encode(again) == saved);
    return 0;
}
