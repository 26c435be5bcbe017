// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <string>

// gtest wants test names of letters, digits and underscores; rows are named by
// their input, so everything else becomes "_" and the row index keeps names
// unique.
inline std::string rowName(const std::string& input, size_t index) {
    std::string name;
    for (unsigned char c : input)
        name.push_back(std::isalnum(c) != 0 && c < 0x80 ? static_cast<char>(c) : '_');
    if (name.size() > 40)
        name.resize(40);
    return name + "_" + std::to_string(index);
}
