// The "Misc" section's constants, collected from C++ source text.
#include "settings/SourceStrings.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

struct SourceCase {
    const char* name;
    QStringList lines;
    std::vector<std::pair<std::string, std::string>> expected;
};

std::vector<std::pair<std::string, std::string>> Plain(const std::vector<SourceString>& strings) {
    std::vector<std::pair<std::string, std::string>> plain;
    for (const auto& [name, text] : strings) plain.emplace_back(name.toStdString(), text.toStdString());
    return plain;
}

const SourceCase kSourceCases[] = {
    {"constexpr array", {R"(constexpr char kTitle[] = "Save changes?";)"}, {{"kTitle", "Save changes?"}}},
    {"pointer", {R"(const char* SMsg = "Hello";)"}, {{"SMsg", "Hello"}}},
    {"pieces joined by a line break",
     {R"(SMsg = "Hello" "\r\n" "World";)"}, {{"SMsg", "Hello*|*World"}}},
    {"line break inside the text", {R"(SMsg = "one\ntwo";)"}, {{"SMsg", "one*|*two"}}},
    {"continued on the next lines",
     {R"(constexpr char kLong[] = "first ")", R"(    "second\n")", R"(    "third";)"}, {{"kLong", "first second*|*third"}}},
    {"escaped quotes and backslashes", {R"(kQuote = "say \"hi\" \\ there";)"}, {{"kQuote", R"(say "hi" \ there)"}}},
    {"comparisons are not constants", {R"(if (kind == "Text") return;)", R"(ok = name != "x";)"}, {}},
    {"appending is not a constant", {R"(text += "more";)"}, {}},
    {"comments are skipped", {R"(// kOld = "gone";)", R"(/* kOld = "gone"; */)"}, {}},
    {"a quoted argument is no continuation",
     {R"(kA = "a";)", R"("b", c);)"}, {{"kA", "a"}}},
    {"two in a row", {R"(kA = "a";)", R"(kB = "b";)"}, {{"kA", "a"}, {"kB", "b"}}},
};

class SourceStrings : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceStrings, CollectsTheConstants) {
    EXPECT_EQ(Plain(CollectSourceStrings(GetParam().lines)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SourceStrings, ::testing::ValuesIn(kSourceCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

void Write(const std::filesystem::path& file, const QByteArray& text) {
    QFile out(QString::fromStdString(file.string()));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
}

TEST(SourceFolder, ReadsTheCppSourcesButNotTheLanguageUnitNorOtherFiles) {
    TempDir dir;
    Write(dir / "Main.cpp", "constexpr char kSave[] = \"Save changes?\";\n");
    Write(dir / "Main.h", "constexpr char kTitle[] = \"Glimmora\";\n");
    Write(dir / "IniLang.cpp", "constexpr char kOwn[] = \"own\";\n");
    Write(dir / "notes.txt", "kText = \"text\";\n");
    std::vector<SourceString> strings;
    CollectSourceFolder(dir.Path(), "IniLang", strings);
    EXPECT_EQ(Plain(strings), (std::vector<std::pair<std::string, std::string>>{{"kSave", "Save changes?"},
                                                                                 {"kTitle", "Glimmora"}}));
}

}  // namespace
}  // namespace glimmora::test
