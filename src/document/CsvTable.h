#pragma once
// A table of rows read from a CSV file (RFC 4180): the first record names the
// columns; fields are separated by commas and may be quoted ("a, b", with ""
// for a quote and line breaks inside); records end at LF, CRLF or CR. A UTF-8
// byte order mark and blank lines are skipped.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace glimmora {

// A CSV file that cannot be read as a table; the message names the line.
class CsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CsvTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // each with one field per column
    std::vector<int> rowLines;                   // the line each row starts on, from 1

    // The column's index, or -1.
    int ColumnIndex(std::string_view name) const;
};

// Throws CsvError for an empty text, a quote left open, text after a closing
// quote, a column name that is empty or repeated, or a row whose number of
// fields differs from the columns'.
CsvTable ParseCsv(std::string_view text);

// ParseCsv of the file; a file that cannot be read throws CsvError naming it.
// Messages start with the file's name.
CsvTable ReadCsvFile(const std::filesystem::path& file);

}  // namespace glimmora
