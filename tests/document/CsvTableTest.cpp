// Rows of a CSV file for the data merge: quoting, line ends, blank lines and
// the byte order mark as spreadsheets write them; broken files name the line.

#include "document/CsvTable.h"

#include <gtest/gtest.h>

namespace glimmora {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(CsvTable, ReadsTheFormsSpreadsheetsWrite)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> columns;
        Rows rows;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"plain", "file,Title\nanna,Hello Anna\nbob,Hi\n", {"file", "Title"}, {{"anna", "Hello Anna"}, {"bob", "Hi"}}, {2, 3}},
        {"no final line end", "a,b\n1,2", {"a", "b"}, {{"1", "2"}}, {2}},
        {"CRLF and CR", "a,b\r\n1,2\r3,4\r\n", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, {2, 3}},
        {"byte order mark", "\xEF\xBB\xBFname,T\nx,y\n", {"name", "T"}, {{"x", "y"}}, {2}},
        {"quotes", "a,b\n\"one, two\",\"say \"\"hi\"\"\"\n", {"a", "b"}, {{"one, two", "say \"hi\""}}, {2}},
        {"line break in quotes", "a,b\n\"two\nlines\",x\nnext,y\n", {"a", "b"}, {{"two\nlines", "x"}, {"next", "y"}}, {2, 4}},
        {"blank lines skipped", "\na,b\n\n1,2\n\n\n3,4\n", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, {4, 7}},
        {"empty fields", "a,b,c\n,,\n\"\",x,\n", {"a", "b", "c"}, {{"", "", ""}, {"", "x", ""}}, {2, 3}},
        {"blanks kept", "a,b\n  x , y\n", {"a", "b"}, {{"  x ", " y"}}, {2}},
        {"UTF-8", "名字,标题\n张三,你好\n", {"名字", "标题"}, {{"张三", "你好"}}, {2}},
        {"header only", "a,b\n", {"a", "b"}, {}, {}},
    };
    for (const Case& c : cases) {
        const CsvTable table = ParseCsv(c.text);
        EXPECT_EQ(table.columns, c.columns) << c.name;
        EXPECT_EQ(table.rows, c.rows) << c.name;
        EXPECT_EQ(table.rowLines, c.lines) << c.name;
    }
}

TEST(CsvTable, BrokenTablesNameTheLine)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "there is no line naming the columns"},
        {"\n\n", "there is no line naming the columns"},
        {"a,b\n1,2,3\n", "line 2 has 3 fields, but there are 2 columns"},
        {"a,b\n1,2\n\n4\n", "line 4 has 1 fields, but there are 2 columns"},
        {"a,b\n\"open,2\n3,4\n", "line 2: a quoted field is not closed"},
        {"a,b\n\"x\"y,2\n", "line 2: text after a closing quote"},
        {"a,,b\n", "column 2 has no name"},
        {"a,b,a\n", "two columns are named 'a'"},
    };
    for (const Case& c : cases) {
        try {
            ParseCsv(c.text);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const CsvError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(CsvTable, FindsColumnsByTheirExactName)
{
    const CsvTable table = ParseCsv("file,Title\n");
    EXPECT_EQ(table.ColumnIndex("Title"), 1);
    EXPECT_EQ(table.ColumnIndex("title"), -1);
}

}  // namespace
}  // namespace glimmora
