// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <cstdio>
#include <ostream>

namespace korvane {

// Failures show a line as its six texts, GBK bytes as \xHH.
inline void PrintTo(const SummaryItem& item, std::ostream* os) {
    const char* separator = "{";
    for (const std::string& cell : item.cells) {
        *os << separator << '"';
        for (unsigned char c : cell) {
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
                *os << static_cast<char>(c);
            } else {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
                *os << escaped;
            }
        }
        *os << '"';
        separator = ", ";
    }
    *os << '}';
}

} // namespace korvane
