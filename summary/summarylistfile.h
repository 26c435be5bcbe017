// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The saved summary list: binary cell records despite the ".txt" name, one per
// cell, row after row, with nothing before, between or after them.
//
// A record is the kind byte (0 starts a row, anything else is the next column
// of that row), four signed 32-bit little-endian numbers (image index,
// state image index, indent, item data), the cell's GBK text ending in a zero
// byte and a second, always empty, zero-terminated text.
//
// Files written by earlier versions must keep loading unchanged, and ours must
// read back in them, so the layout is fixed byte for byte.
class SummaryListFile {
  public:
    // Longest cell text a record holds, in bytes.
    static constexpr std::size_t kMaxTextBytes = 259;

    // The file's bytes for `rows`; no rows give no bytes. Texts longer than
    // kMaxTextBytes are cut before the first GBK character that does not fit
    // whole; a text stops at a zero byte, which would otherwise end it early
    // on reading and throw every later record out of step.
    static std::string encode(std::span<const SummaryItem> rows);

    // The rows held by `bytes`. Never fails: records are applied as far as
    // they are complete and the rest is ignored. Records of a column the list
    // does not have, or before the first row, change nothing; cells without a
    // record stay empty. Images, indents and item data are read past: the
    // list shows none.
    static std::vector<SummaryItem> decode(std::string_view bytes);
};

} // namespace korvane
