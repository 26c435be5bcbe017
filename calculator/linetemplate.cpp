// SPDX-License-Identifier: MIT
#include "linetemplate.h"

#include "gbkcodec.h"

#include <charconv>

namespace korvane {
namespace {

// Calls `literal` for each run of plain text and `placeholder` for the text
// between each pair of braces. An unclosed brace is plain text.
template <typename Literal, typename Placeholder>
void walk(std::string_view pattern, Literal literal, Placeholder placeholder) {
    while (!pattern.empty()) {
        const size_t open = pattern.find('{');
        const size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            literal(pattern);
            return;
        }
        if (open > 0)
            literal(pattern.substr(0, open));
        placeholder(pattern.substr(open + 1, close - open - 1));
        pattern.remove_prefix(close + 1);
    }
}

// "#N" gives N; anything else -1.
int columnOf(std::string_view placeholder) {
    int column = -1;
    if (placeholder.size() < 2 || placeholder[0] != '#')
        return -1;
    const char* end = placeholder.data() + placeholder.size();
    auto [ptr, error] = std::from_chars(placeholder.data() + 1, end, column);
    return error == std::errc() && ptr == end ? column : -1;
}

} // namespace

std::string LineTemplate::expand(std::string_view pattern, const FieldText& field,
                                 const TableCell& cell) {
    std::string text;
    walk(
        pattern, [&](std::string_view literal) { text += utf8ToGbk(literal); },
        [&](std::string_view placeholder) {
            const int column = columnOf(placeholder);
            text += column >= 0 ? cell(column) : field(placeholder);
        });
    return text;
}

std::vector<std::string> LineTemplate::fieldNames(std::string_view pattern) {
    std::vector<std::string> names;
    walk(
        pattern, [](std::string_view) {},
        [&](std::string_view placeholder) {
            if (columnOf(placeholder) < 0)
                names.emplace_back(placeholder);
        });
    return names;
}

std::vector<int> LineTemplate::tableColumns(std::string_view pattern) {
    std::vector<int> columns;
    walk(
        pattern, [](std::string_view) {},
        [&](std::string_view placeholder) {
            if (const int column = columnOf(placeholder); column >= 0)
                columns.push_back(column);
        });
    return columns;
}

} // namespace korvane
