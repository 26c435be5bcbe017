// SPDX-License-Identifier: MIT
#include "profiletext.h"

#include "gbkcodec.h"

#include <utility>

namespace korvane {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

enum class Encoding { Gbk, Utf8 };

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Bytes of the character at `i`. A GBK lead byte takes the next byte with it,
// whatever it is, so that a trail byte that looks like "]" or a letter is never
// taken for one. In UTF-8 every byte of a multibyte character is above 0x7F,
// so going byte by byte is safe there.
std::size_t charLength(std::string_view text, std::size_t i, Encoding encoding) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (encoding == Encoding::Gbk && byte >= 0x81 && byte <= 0xFE && i + 1 < text.size())
        return 2;
    return 1;
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b, Encoding encoding) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t n = charLength(a, i, encoding);
        if (n == 1) {
            if (foldAscii(a[i]) != foldAscii(b[i]))
                return false;
        } else if (a.substr(i, n) != b.substr(i, n)) {
            return false;
        }
        i += n;
    }
    return true;
}

// Position of the line's last "]" that is a character of its own, or npos.
std::size_t lastClosingBracket(std::string_view line, Encoding encoding) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < line.size(); i += charLength(line, i, encoding)) {
        if (line[i] == ']')
            found = i;
    }
    return found;
}

struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0; // before the CR LF or LF
    std::size_t next = 0;       // where the following line begins
    bool terminated = false;
};

enum class LineKind { Blank, Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name; // section name or key
    std::string_view value;
};

ParsedLine parse(std::string_view content, Encoding encoding) {
    const std::string_view text = trimmed(content);
    if (text.empty())
        return {LineKind::Blank, {}, {}};
    if (text.front() == '[') {
        const std::size_t close = lastClosingBracket(text, encoding);
        if (close != std::string_view::npos)
            return {LineKind::Section, trimmed(text.substr(1, close - 1)), {}};
    }
    // "=" is below every GBK trail byte, so a plain search cannot land inside
    // a character.
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {LineKind::Other, text, {}};
    return {LineKind::Entry, trimmed(text.substr(0, equals)), trimmed(text.substr(equals + 1))};
}

// The bytes from `start` to the end, line by line.
template <typename Visit> void forEachLine(std::string_view bytes, std::size_t start, Visit visit) {
    for (std::size_t begin = start; begin < bytes.size();) {
        const std::size_t lf = bytes.find('\n', begin);
        Line line;
        line.begin = begin;
        line.terminated = lf != std::string_view::npos;
        line.next = line.terminated ? lf + 1 : bytes.size();
        line.contentEnd = line.terminated ? lf : bytes.size();
        if (line.contentEnd > begin && bytes[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        if (!visit(line, bytes.substr(begin, line.contentEnd - begin)))
            return;
        begin = line.next;
    }
}

struct Layout {
    Encoding encoding = Encoding::Gbk;
    std::size_t start = 0; // first byte after a byte-order mark
};

Layout layoutOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        return {Encoding::Utf8, kUtf8Bom.size()};
    return {};
}

// A GBK text as the file's encoding has it, and back.
std::string toFile(std::string_view gbk, Encoding encoding) {
    return encoding == Encoding::Utf8 ? gbkToUtf8(gbk) : std::string(gbk);
}

std::string fromFile(std::string_view text, Encoding encoding) {
    return encoding == Encoding::Utf8 ? utf8ToGbk(text) : std::string(text);
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// What a buffer of `bufferSize` bytes receives of a GBK text.
std::string cutToBuffer(std::string_view gbk, std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    const std::size_t limit = bufferSize - 1;
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t n = charLength(gbk, end, Encoding::Gbk);
        if (end + n > limit)
            break;
        end += n;
    }
    return std::string(gbk.substr(0, end));
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

ProfileText::ProfileText(std::string bytes) : bytes_(std::move(bytes)) {}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key,
                                              std::size_t bufferSize) const {
    const Layout layout = layoutOf(bytes_);
    const std::string wantedSection = toFile(section, layout.encoding);
    const std::string wantedKey = toFile(key, layout.encoding);

    std::optional<std::string_view> found;
    bool inSection = false;
    forEachLine(bytes_, layout.start, [&](const Line&, std::string_view content) {
        const ParsedLine line = parse(content, layout.encoding);
        if (line.kind == LineKind::Section)
            inSection = sameName(line.name, wantedSection, layout.encoding);
        else if (inSection && line.kind == LineKind::Entry &&
                 sameName(line.name, wantedKey, layout.encoding))
            found = line.value;
        return !found;
    });
    if (!found)
        return std::nullopt;
    return cutToBuffer(fromFile(withoutQuotes(*found), layout.encoding), bufferSize);
}

bool ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value) {
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || key.empty() ||
        key.find('=') != std::string_view::npos || key.front() == '[')
        return false;

    const Layout layout = layoutOf(bytes_);
    const std::string wantedSection = toFile(section, layout.encoding);
    const std::string wantedKey = toFile(key, layout.encoding);
    const std::string fileValue = toFile(value, layout.encoding);

    bool inSection = false;
    bool sectionSeen = false;
    bool firstSectionOver = false;
    Line lastOfFirstSection; // its last non-blank line, where a new key goes
    std::optional<Line> entry;
    std::string entryKey;
    forEachLine(bytes_, layout.start, [&](const Line& where, std::string_view content) {
        const ParsedLine line = parse(content, layout.encoding);
        if (line.kind == LineKind::Section) {
            firstSectionOver = firstSectionOver || sectionSeen;
            inSection = sameName(line.name, wantedSection, layout.encoding);
            if (inSection && !sectionSeen) {
                sectionSeen = true;
                lastOfFirstSection = where;
            }
            return true;
        }
        if (!inSection)
            return true;
        if (line.kind == LineKind::Entry && sameName(line.name, wantedKey, layout.encoding)) {
            entry = where;
            entryKey = line.name;
            return false;
        }
        if (line.kind != LineKind::Blank && !firstSectionOver)
            lastOfFirstSection = where;
        return true;
    });

    if (entry) {
        bytes_.replace(entry->begin, entry->contentEnd - entry->begin, entryKey + "=" + fileValue);
    } else if (sectionSeen) {
        const std::string line = wantedKey + "=" + fileValue + std::string(kLineEnd);
        if (lastOfFirstSection.terminated)
            bytes_.insert(lastOfFirstSection.next, line);
        else
            bytes_.append(std::string(kLineEnd) + line);
    } else {
        const bool openLine = bytes_.size() > layout.start && bytes_.back() != '\n';
        bytes_.append(openLine ? kLineEnd : "");
        bytes_.append("[" + wantedSection + "]" + std::string(kLineEnd));
        bytes_.append(wantedKey + "=" + fileValue + std::string(kLineEnd));
    }
    return true;
}

} // namespace korvane
