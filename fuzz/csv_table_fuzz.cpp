// libFuzzer target: the CSV rows of the data merge. Any outcome but a table or
// a CsvError is a finding, and so is a table whose rows do not all have one
// field per column, or whose row lines do not grow.

#include "document/CsvTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const glimmora::CsvTable table =
            glimmora::ParseCsv(std::string_view(reinterpret_cast<const char*>(data), size));
        if (table.rows.size() != table.rowLines.size()) std::abort();
        int lastLine = 1;
        for (size_t i = 0; i < table.rows.size(); ++i) {
            if (table.rows[i].size() != table.columns.size() || table.rowLines[i] <= lastLine) std::abort();
            lastLine = table.rowLines[i];
        }
    } catch (const glimmora::CsvError&) {
    }
    return 0;
}
