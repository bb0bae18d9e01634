#pragma once
// The data merge: one movie per row of a CSV table, built from a template
// project whose texts are filled from the row. Each column names a text
// object of the template; one column (the first, or the one chosen) names
// the row's movie file.

#include "document/CsvTable.h"
#include "document/XmlBinding.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::cli {

struct MergePlan {
    CsvTable table;
    int nameColumn = 0;
    std::vector<int> textColumns;  // the columns that fill texts
    struct Row {
        size_t index;                  // in table.rows
        std::filesystem::path target;  // the row's movie
        std::string label;             // "row 3 (anna.swf)"
    };
    std::vector<Row> rows;  // the rows to build, in order
};

// Reads the table and checks it against the template before anything is
// built: the name column exists, every other column names a text object of
// the template, each selected row names a movie file of its own. `rows` is
// "N" or "A-B", counted from 1 over the rows below the column names (all
// when not given); `outputFolder` defaults to the template's folder. Throws
// UsageError for bad choices and CsvError / DocumentError for bad files.
MergePlan PlanMerge(const std::filesystem::path& templateFile, const std::filesystem::path& csvFile,
                    const std::optional<std::string>& nameColumn, const std::optional<std::string>& rows,
                    const std::optional<std::filesystem::path>& outputFolder);

// Fills the template's texts from a row. Throws UsageError naming the row
// and the text when a value cannot be a text's content.
void FillRow(IXMLMovie& movie, const MergePlan& plan, const MergePlan::Row& row);

}  // namespace glimmora::cli
