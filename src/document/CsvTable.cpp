#include "document/CsvTable.h"

#include "document/FileBytes.h"

#include <algorithm>

namespace glimmora {

namespace {

// Splits the text into records of fields, each with the line it starts on.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text)
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") text_.remove_prefix(3);
    }

    bool Done() const { return at_ >= text_.size(); }
    int Line() const { return line_; }

    // The next record; an empty vector for a blank line.
    std::vector<std::string> Next()
    {
        std::vector<std::string> fields;
        if (AtRecordEnd()) {
            SkipRecordEnd();
            return fields;
        }
        for (;;) {
            fields.push_back(Field());
            if (Done()) return fields;
            if (text_[at_] == ',') {
                ++at_;
                continue;
            }
            SkipRecordEnd();
            return fields;
        }
    }

private:
    bool AtRecordEnd() const { return Done() || text_[at_] == '\n' || text_[at_] == '\r'; }

    void SkipRecordEnd()
    {
        if (Done()) return;
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
        ++at_;
        ++line_;
    }

    std::string Field()
    {
        std::string field;
        if (Done() || text_[at_] != '"') {
            while (!AtRecordEnd() && text_[at_] != ',') field += text_[at_++];
            return field;
        }
        const int opened = line_;
        ++at_;
        for (;;) {
            if (Done()) throw CsvError("line " + std::to_string(opened) + ": a quoted field is not closed");
            const char c = text_[at_++];
            if (c == '"') {
                if (!Done() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                if (!AtRecordEnd() && text_[at_] != ',')
                    throw CsvError("line " + std::to_string(line_) + ": text after a closing quote");
                return field;
            }
            if (c == '\n' || (c == '\r' && (Done() || text_[at_] != '\n'))) ++line_;
            field += c;
        }
    }

    std::string_view text_;
    size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

int CsvTable::ColumnIndex(std::string_view name) const
{
    const auto it = std::find(columns.begin(), columns.end(), name);
    return it == columns.end() ? -1 : int(it - columns.begin());
}

CsvTable ParseCsv(std::string_view text)
{
    CsvReader reader(text);
    CsvTable table;
    while (!reader.Done() && table.columns.empty()) table.columns = reader.Next();
    if (table.columns.empty()) throw CsvError("there is no line naming the columns");
    for (size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].empty()) throw CsvError("column " + std::to_string(i + 1) + " has no name");
        if (std::count(table.columns.begin(), table.columns.end(), table.columns[i]) > 1)
            throw CsvError("two columns are named '" + table.columns[i] + "'");
    }
    while (!reader.Done()) {
        const int line = reader.Line();
        std::vector<std::string> fields = reader.Next();
        if (fields.empty()) continue;
        if (fields.size() != table.columns.size()) {
            throw CsvError("line " + std::to_string(line) + " has " + std::to_string(fields.size()) +
                           " fields, but there are " + std::to_string(table.columns.size()) + " columns");
        }
        table.rows.push_back(std::move(fields));
        table.rowLines.push_back(line);
    }
    return table;
}

CsvTable ReadCsvFile(const std::filesystem::path& file)
{
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) throw CsvError(file.string() + ": cannot be read");
    try {
        return ParseCsv(*bytes);
    } catch (const CsvError& e) {
        throw CsvError(file.string() + ": " + e.what());
    }
}

}  // namespace glimmora
