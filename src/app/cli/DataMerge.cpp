#include "app/cli/DataMerge.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ObjectProperties.h"
#include "app/cli/OpenProject.h"
#include "document/IntegerText.h"

#include <algorithm>
#include <map>

namespace glimmora::cli {

namespace {

std::vector<std::string> TextObjectNames(const std::filesystem::path& templateFile)
{
    OpenProject project(templateFile);
    std::vector<std::string> names;
    const IXMLObjList objects = project.Movie().Obj();
    for (int i = 0; i < objects.Count(); ++i)
        if (objects.Items(i).ObjTypeName() == "Text") names.push_back(objects.Items(i).ObjName());
    return names;
}

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "none" : text;
}

// "N" or "A-B" within 1..count.
std::pair<size_t, size_t> RowRange(const std::string& text, size_t count)
{
    const size_t dash = text.find('-');
    const auto first = TryParseIntegerText(text.substr(0, dash));
    const auto last = dash == std::string::npos ? first : TryParseIntegerText(text.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first)
        throw UsageError("--row takes a row number N or a range A-B, counted from 1, not '" + text + "'");
    if (size_t(*last) > count) {
        throw UsageError("there " + std::string(count == 1 ? "is 1 row" : "are " + std::to_string(count) + " rows") +
                         " below the column names; row " + std::to_string(*last) + " does not exist");
    }
    return {size_t(*first), size_t(*last)};
}

}  // namespace

MergePlan PlanMerge(const std::filesystem::path& templateFile, const std::filesystem::path& csvFile,
                    const std::optional<std::string>& nameColumn, const std::optional<std::string>& rows,
                    const std::optional<std::filesystem::path>& outputFolder)
{
    MergePlan plan;
    plan.table = ReadCsvFile(csvFile);
    const CsvTable& table = plan.table;
    const std::string csvName = csvFile.filename().string();

    plan.nameColumn = nameColumn ? table.ColumnIndex(*nameColumn) : 0;
    if (plan.nameColumn < 0)
        throw UsageError(csvName + " has no column '" + *nameColumn + "' (its columns: " + Joined(table.columns) + ")");

    const std::vector<std::string> texts = TextObjectNames(templateFile);
    std::vector<std::string> unknown;
    for (int c = 0; c < int(table.columns.size()); ++c) {
        const bool isText = std::find(texts.begin(), texts.end(), table.columns[c]) != texts.end();
        if (isText) plan.textColumns.push_back(c);
        else if (c != plan.nameColumn) unknown.push_back(table.columns[c]);
    }
    if (!unknown.empty()) {
        throw UsageError(csvName + ": the column" + (unknown.size() > 1 ? "s " : " ") + Joined(unknown) +
                         (unknown.size() > 1 ? " name" : " names") + " no text of " +
                         templateFile.filename().string() + " (its texts: " + Joined(texts) + ")");
    }

    if (table.rows.empty()) throw UsageError(csvName + " has no rows below the column names");
    const auto [first, last] = rows ? RowRange(*rows, table.rows.size()) : std::pair<size_t, size_t>{1, table.rows.size()};
    const std::filesystem::path folder =
        std::filesystem::absolute(outputFolder.value_or(std::filesystem::absolute(templateFile).parent_path()));
    std::map<std::string, size_t> taken;
    for (size_t number = first; number <= last; ++number) {
        const size_t index = number - 1;
        const std::string& name = table.rows[index][size_t(plan.nameColumn)];
        const std::string where = "row " + std::to_string(number) + " (line " + std::to_string(table.rowLines[index]) + ")";
        if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
            throw UsageError(csvName + ", " + where + ": '" + name + "' in column " + table.columns[size_t(plan.nameColumn)] +
                             " cannot name a movie file");
        const std::string file = name + ".swf";
        if (const auto [it, fresh] = taken.emplace(file, number); !fresh)
            throw UsageError(csvName + ": rows " + std::to_string(it->second) + " and " + std::to_string(number) +
                             " both make " + file);
        plan.rows.push_back({index, folder / file, "row " + std::to_string(number) + " (" + file + ")"});
    }
    return plan;
}

void FillRow(IXMLMovie& movie, const MergePlan& plan, const MergePlan::Row& row)
{
    const PropertySpec& content = *FindProperty("Text", "Content");
    const IXMLObjList objects = movie.Obj();
    for (int column : plan.textColumns) {
        const std::string& name = plan.table.columns[size_t(column)];
        const std::string value = CheckedValue(content, plan.table.rows[row.index][size_t(column)], row.label + ", " + name);
        for (int i = 0; i < objects.Count(); ++i) {
            const IXMLObj obj = objects.Items(i);
            if (obj.ObjName() != name) continue;
            if (obj.ObjTypeName() == "Text") obj.ObjType().ObjText().SetContent(value);
            break;
        }
    }
}

}  // namespace glimmora::cli
