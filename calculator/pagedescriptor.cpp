// SPDX-License-Identifier: MIT
#include "pagedescriptor.h"

#include <algorithm>

namespace korvane {

const char* PageDescriptor::lastInput() const {
    const char* last = nullptr;
    for (const FocusStop& stop : focusOrder) {
        if (stop.control == nullptr)
            break;
        last = stop.control;
    }
    return last;
}

std::span<const PageDescriptor> pageDescriptors() {
    static const std::vector<PageDescriptor> all = [] {
        std::vector<PageDescriptor> pages;
        for (auto form :
             {tablePageDescriptors(), formulaPageDescriptors(), auxiliaryPageDescriptors()})
            pages.insert(pages.end(), form.begin(), form.end());
        std::ranges::sort(pages, {},
                          [](const PageDescriptor& d) { return std::pair(d.page, d.nested); });
        return pages;
    }();
    return all;
}

const PageDescriptor* pageDescriptor(int page, int nested) {
    for (const PageDescriptor& d : pageDescriptors())
        if (d.page == page && d.nested == nested)
            return &d;
    return nullptr;
}

const PageDescriptor* pageDescriptor(SectionKind kind) {
    for (const PageDescriptor& d : pageDescriptors())
        if (d.kind == kind)
            return &d;
    return nullptr;
}

} // namespace korvane
