// SPDX-License-Identifier: MIT
#include "summarylistfile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace korvane {

namespace {

constexpr char kRowKind = 0;
constexpr char kColumnKind = 1;
// Kind byte and four 32-bit numbers before the text.
constexpr std::size_t kHeaderBytes = 1 + 4 * 4;
constexpr std::int32_t kNoImage = -1;

void appendInt32(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// The longest prefix of `text` that a record can hold: up to the first zero
// byte and at most kMaxTextBytes, never ending inside a two-byte GBK
// character. A lead byte 0x81-0xFE always takes the byte after it, whatever
// that byte is, as the reader's GBK conversion does.
std::string_view storedText(std::string_view text) {
    if (const auto zero = text.find('\0'); zero != std::string_view::npos)
        text = text.substr(0, zero);
    if (text.size() <= SummaryListFile::kMaxTextBytes)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const auto byte = static_cast<unsigned char>(text[end]);
        const std::size_t width = byte >= 0x81 && byte <= 0xFE && end + 1 < text.size() ? 2 : 1;
        if (end + width > SummaryListFile::kMaxTextBytes)
            break;
        end += width;
    }
    return text.substr(0, end);
}

void appendRecord(std::string& out, char kind, std::string_view text) {
    out.push_back(kind);
    appendInt32(out, kNoImage); // image
    appendInt32(out, kNoImage); // state image
    appendInt32(out, 0);        // indent
    appendInt32(out, 0);        // item data
    out.append(storedText(text));
    out.push_back('\0');
    out.push_back('\0'); // the second text, always empty
}

} // namespace

std::string SummaryListFile::encode(std::span<const SummaryItem> rows) {
    std::string out;
    std::size_t size = 0;
    for (const SummaryItem& row : rows)
        for (const std::string& cell : row.cells)
            size += kHeaderBytes + 2 + std::min(cell.size(), kMaxTextBytes);
    out.reserve(size);

    for (const SummaryItem& row : rows) {
        appendRecord(out, kRowKind, row.cells[0]);
        for (std::size_t column = 1; column < row.cells.size(); ++column)
            appendRecord(out, kColumnKind, row.cells[column]);
    }
    return out;
}

std::vector<SummaryItem> SummaryListFile::decode(std::string_view bytes) {
    std::vector<SummaryItem> rows;
    // Column of the record read last within the current row; it keeps
    // counting past the list's columns so that surplus records stay ignored.
    std::size_t column = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < kHeaderBytes)
            break;
        const char kind = bytes[pos];
        const std::size_t textStart = pos + kHeaderBytes;
        const void* textEnd = std::memchr(bytes.data() + textStart, '\0', bytes.size() - textStart);
        if (textEnd == nullptr)
            break;
        const auto textSize =
            static_cast<std::size_t>(static_cast<const char*>(textEnd) - bytes.data()) - textStart;
        const std::size_t secondStart = textStart + textSize + 1;
        const void* secondEnd =
            std::memchr(bytes.data() + secondStart, '\0', bytes.size() - secondStart);
        if (secondEnd == nullptr)
            break;
        pos = static_cast<std::size_t>(static_cast<const char*>(secondEnd) - bytes.data()) + 1;

        const std::string_view text = bytes.substr(textStart, textSize);
        if (kind == kRowKind) {
            rows.emplace_back().cells[0] = text;
            column = 0;
        } else if (!rows.empty() && ++column < std::size_t{SummaryItem::kColumnCount}) {
            rows.back().cells[column] = text;
        }
    }
    return rows;
}

} // namespace korvane
