#pragma once
// Small helpers of the document tests: files with given bytes in a fresh
// folder, and a movie document parsed from text.

#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/XmlDocument.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace glimmora::test {

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << file;
}

inline std::string BytesOf(const std::filesystem::path& file)
{
    auto bytes = ReadFileBytes(file);
    EXPECT_TRUE(bytes.has_value()) << file;
    return bytes.value_or("");
}

// The names in a folder, for checks that no temporary file was left behind.
inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class DocumentTest : public ::testing::Test {
protected:
    // Writes `xml` to a file in the test's folder and loads it.
    IXMLMovie Load(const std::string& xml, const std::string& name = "movie.gmr")
    {
        file_ = dir_ / name;
        WriteBytes(file_, xml);
        doc_.SetFileName(file_);
        return GetMovie(doc_);
    }

    // Saves the document to its file and returns what was written.
    std::string SaveAndRead()
    {
        doc_.SaveToFile();
        return BytesOf(doc_.FileName());
    }

    TempDir dir_;
    std::filesystem::path file_;
    TXMLDocument doc_;
};

}  // namespace glimmora::test
