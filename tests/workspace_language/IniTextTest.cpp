// Reading language files: sections, keys, letter case, blanks, comments and
// the first "=", and the local 8-bit encoding for files that are not UTF-8.
#include "settings/IniFile.h"
#include "support/TempDir.h"

#include <QFile>

#include <langinfo.h>

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: the key is missing
};

const ReadCase kReadCases[] = {
    {"plain", "[Main]\nMain.Caption=Hello\n", "Main", "Main.Caption", "Hello"},
    {"section in other case", "[MAINFORM]\nMainForm.Caption=Hi\n", "MainForm", "MainForm.Caption", "Hi"},
    {"key in other case", "[MainForm]\nmainform.fileNEW.caption=New\n", "MainForm", "MainForm.FileNew.Caption", "New"},
    {"blanks around everything", "  [ Main ]  \n   Main.Caption   =   Hello World  \n", "Main", "Main.Caption",
     "Hello World"},
    {"first equals sign splits", "[M]\nM.Caption=a=b=c\n", "M", "M.Caption", "a=b=c"},
    {"empty value", "[M]\nM.Caption=\n", "M", "M.Caption", ""},
    {"comment line", "[M]\n;M.Caption=Hidden\n", "M", "M.Caption", nullptr},
    {"comment after blanks", "[M]\n   ; M.Caption=Hidden\n", "M", "M.Caption", nullptr},
    {"semicolon inside a value", "[M]\nM.Caption=a;b\n", "M", "M.Caption", "a;b"},
    {"line before the first section", "M.Caption=Orphan\n[M]\n", "M", "M.Caption", nullptr},
    {"key of another section", "[A]\nK=1\n[B]\nK=2\n", "B", "K", "2"},
    {"line without equals sign", "[M]\nM.Caption\n", "M", "M.Caption", nullptr},
    {"carriage returns", "[M]\r\nM.Caption=Windows\r\n", "M", "M.Caption", "Windows"},
    {"first of two equal keys", "[M]\nK=first\nk=second\n", "M", "K", "first"},
    {"quotes are kept", "[M]\nK=\"quoted\"\n", "M", "K", "\"quoted\""},
    {"missing section", "[M]\nK=1\n", "N", "K", nullptr},
    {"byte order mark", "\xEF\xBB\xBF[M]\nK=bom\n", "M", "K", "bom"},
    {"utf-8 text", "[M]\nK=\xE6\x96\xB0\xE5\xBB\xBA\n", "M", "K", "\xE6\x96\xB0\xE5\xBB\xBA"},
    {"section reopened", "[M]\nA=1\n[N]\n[m]\nB=2\n", "M", "B", "2"},
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
    const ReadCase& c = GetParam();
    const TIniText ini = TIniText::Parse(QByteArray(c.text));
    const QString value = ini.ReadString(c.section, c.key, "fsdef");
    if (c.expected) {
        EXPECT_TRUE(ini.HasKey(c.section, c.key));
        EXPECT_EQ(value.toStdString(), c.expected);
    } else {
        EXPECT_FALSE(ini.HasKey(c.section, c.key));
        EXPECT_EQ(value.toStdString(), "fsdef");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRead, ::testing::ValuesIn(kReadCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(IniText, BytesThatAreNotUtf8AreReadAsLatin1InAUtf8Locale) {
    const QByteArray latin = "[M]\nK=caf\xE9\n";  // not valid UTF-8
    const TIniText ini = TIniText::Parse(latin);
    const QByteArray codeset = QByteArray(nl_langinfo(CODESET)).toUpper();
    if (codeset != "UTF-8" && codeset != "ANSI_X3.4-1968") GTEST_SKIP() << "locale encoding " << codeset.constData();
    EXPECT_EQ(ini.ReadString("M", "K"), QString::fromUtf8("caf\u00e9"));
}

TEST(IniWriter, OverwritesItsKeysInPlaceAndKeepsEverythingElse) {
    TempDir dir;
    const auto file = dir / "Custom.ini";
    {
        QFile out(QString::fromStdString(file.string()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("; my notes\n[MainForm]\nMainForm.FileNew.Caption=Old\nMainForm.Mine=kept\n\n[Other]\nX=1\n");
    }
    TIniWriter writer(file);
    writer.WriteString("mainform", "MAINFORM.FILENEW.CAPTION", "New");
    writer.WriteString("MainForm", "MainForm.FileOpen.Caption", "Open");
    writer.WriteString("Misc", "kName", "text");
    writer.Save();

    QFile in(QString::fromStdString(file.string()));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const TIniText ini = TIniText::Parse(bytes);
    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileNew.Caption"), "New");
    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileOpen.Caption"), "Open");
    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.Mine"), "kept");
    EXPECT_EQ(ini.ReadString("Other", "X"), "1");
    EXPECT_EQ(ini.ReadString("Misc", "kName"), "text");
    EXPECT_TRUE(bytes.startsWith("; my notes"));
    EXPECT_EQ(bytes.count("FileNew"), 1);  // replaced, not added, spelt as before
    // The new key joins its section, not the end of the file.
    EXPECT_LT(bytes.indexOf("FileOpen"), bytes.indexOf("[Other]"));
}

}  // namespace
}  // namespace glimmora::test
