// SPDX-License-Identifier: MIT
// The report sheet of a list with any cell texts (any bytes), and its .xls
// export: the file is well-formed XML, and an XML reader gets back every cell
// text as written.
#include "fuzzcheck.h"
#include "gbkcodec.h"
#include "reportgrid.h"
#include "reportsheet.h"
#include "spreadsheetexport.h"
#include "spreadsheetformats.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace korvane;

namespace {

// What an XML reader gets of a GBK text: its UTF-8, with every control
// character XML cannot hold (all below U+0020 but tab, LF and CR) as U+FFFD.
// In element text the reader's line-end handling makes CR LF and a lone CR
// one LF; an attribute value keeps them, written as character references.
std::string asRead(std::string_view gbk, bool inAttribute) {
    const std::string utf8 = gbkToUtf8(gbk);
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r' && !inAttribute) {
            out += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
        } else if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

std::string attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr)
        return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::string content(xmlNode* node) {
    xmlChar* value = xmlNodeGetContent(node);
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

bool named(xmlNode* node, std::string_view name) {
    return node->type == XML_ELEMENT_NODE &&
           std::string_view(reinterpret_cast<const char*>(node->name)) == name;
}

xmlNode* child(xmlNode* node, std::string_view name) {
    for (xmlNode* c = node ? node->children : nullptr; c != nullptr; c = c->next)
        if (named(c, name))
            return c;
    return nullptr;
}

void silent(void*, const char*, ...) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    xmlInitParser();
    xmlSetGenericErrorFunc(nullptr, silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto itemCount = input.ConsumeIntegralInRange<std::size_t>(0, 12);
    auto text = [&input] { return input.ConsumeRandomLengthString(40); };

    std::vector<std::string> titles;
    for (int c = 0; c < SummaryItem::kColumnCount; ++c)
        titles.push_back(text());
    ReportHeader header;
    header.title = text();
    header.company = text();
    header.preparer = text();
    header.date = text();
    const std::string sheetName = text();
    std::vector<SummaryItem> items(itemCount);
    for (SummaryItem& item : items)
        for (std::string& cell : item.cells)
            cell = text();

    ReportGrid grid = ReportSheet::build(items, titles, header);
    // A few more merges and fonts, as a user's edits could leave them.
    const int merges = input.ConsumeIntegralInRange(0, 3);
    for (int m = 0; m < merges; ++m) {
        const int r = input.ConsumeIntegralInRange(0, grid.rowCount() - 1);
        const int c = input.ConsumeIntegralInRange(0, grid.columnCount() - 1);
        grid.merge(
            {r, c, r + input.ConsumeIntegralInRange(0, 3), c + input.ConsumeIntegralInRange(0, 3)});
    }
    grid.setFontFace({input.ConsumeIntegralInRange(0, grid.rowCount() - 1), 0}, text());
    const std::string remaining = input.ConsumeRemainingBytesAsString();
    grid.setText(grid.rowCount() - 2, 1, remaining);

    const std::string xml = SpreadsheetExport::xml(grid, sheetName);
    xmlDoc* doc =
        xmlReadMemory(xml.data(), int(xml.size()), "report.xls", nullptr, XML_PARSE_NONET);
    FUZZ_CHECK(doc != nullptr);

    xmlNode* worksheet = child(xmlDocGetRootElement(doc), "Worksheet");
    FUZZ_CHECK(worksheet != nullptr);
    FUZZ_CHECK(attribute(worksheet, "Name") == asRead(sheetName, true));
    xmlNode* table = child(worksheet, "Table");
    FUZZ_CHECK(table != nullptr);

    // The texts read back, by grid row and column.
    std::map<std::pair<int, int>, std::string> read;
    int row = -1; // the margin row comes first
    for (xmlNode* r = table->children; r != nullptr; r = r->next) {
        if (!named(r, "Row"))
            continue;
        for (xmlNode* c = r->children; c != nullptr; c = c->next) {
            xmlNode* value = named(c, "Cell") ? child(c, "Data") : nullptr;
            if (value == nullptr)
                continue;
            const int column = std::atoi(attribute(c, "Index").c_str()) - 2;
            read[{row, column}] = content(value);
        }
        ++row;
    }
    FUZZ_CHECK(row == grid.rowCount());
    xmlFreeDoc(doc);

    // Every cell with a text, once per merged range, reads back as written.
    std::size_t written = 0;
    for (int i = 0; i < grid.rowCount(); ++i) {
        for (int j = 0; j < grid.columnCount(); ++j) {
            const auto range = grid.mergeAt(i, j);
            const std::string& cellText = grid.cell(i, j).text;
            if ((range && (range->firstRow != i || range->firstColumn != j)) || cellText.empty())
                continue;
            ++written;
            const auto found = read.find({i, j});
            FUZZ_CHECK(found != read.end());
            FUZZ_CHECK(
                found->second ==
                (SpreadsheetFormats::isNumber(cellText) ? cellText : asRead(cellText, false)));
        }
    }
    FUZZ_CHECK(written == read.size());
    return 0;
}
