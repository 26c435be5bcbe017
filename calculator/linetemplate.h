// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// A text put together from a page: literal UTF-8 text with "{name}" standing
// for the text of the page's field `name` and "{#N}" for column N of the
// standard-table row that fills the page. Expanding gives a GBK text.
class LineTemplate {
  public:
    using FieldText = std::function<std::string(std::string_view name)>; // GBK
    using TableCell = std::function<std::string(int column)>;            // GBK

    static std::string expand(std::string_view pattern, const FieldText& field,
                              const TableCell& cell);
    // The field names a pattern refers to, in order.
    static std::vector<std::string> fieldNames(std::string_view pattern);
    // The table columns a pattern refers to, in order.
    static std::vector<int> tableColumns(std::string_view pattern);
};

} // namespace korvane
