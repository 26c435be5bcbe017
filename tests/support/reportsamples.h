// SPDX-License-Identifier: MIT
#pragma once

#include "gbkcodec.h"
#include "reportsheet.h"

#include <array>
#include <string>
#include <vector>

// Report sheets to export, built the way the report window builds them.
namespace reportsamples {

inline std::string g(const char* utf8) {
    return korvane::utf8ToGbk(utf8);
}

inline korvane::SummaryItem item(const char* number, const char* name, const char* size,
                                 const char* unit, const char* quantity, const char* weight) {
    return {{g(number), g(name), g(size), g(unit), g(quantity), g(weight)}};
}

inline korvane::ReportGrid report(const std::vector<korvane::SummaryItem>& items,
                                  const char* company = "A&B有限公司") {
    static const std::array<std::string, 6> titles = {g("序号"),     g("材料名称"), g("规格型号"),
                                                      g("理论重量"), g("数量"),     g("重量(Kg)")};
    return korvane::ReportSheet::build(
        items, titles, {g("材 料 重 量 汇 总 表"), g(company), g("张三"), g("2019年12月19日")});
}

// Three lines, one weight needing the format 0.00 and one 0.000, and a total of 2590.00.
inline korvane::ReportGrid threeItemReport() {
    return report({item("1", "钢板", "10mm*2.2m*12m*1", "78.50Kg/㎡", "26.40㎡", "2072.40"),
                   item("2", "工字钢", "I20a", "27.929Kg/m", "18m", "502.720"),
                   item("3", "圆钢", "Φ20", "2.466Kg/m", "6m", "14.88")});
}

inline korvane::ReportGrid manyItemReport(int count) {
    std::vector<korvane::SummaryItem> items;
    items.reserve(size_t(count));
    for (int i = 1; i <= count; ++i)
        items.push_back(item(std::to_string(i).c_str(), "工字钢", "I20a", "27.929Kg/m", "18m",
                             i % 2 ? "502.722" : "502.70"));
    return report(items);
}

} // namespace reportsamples
