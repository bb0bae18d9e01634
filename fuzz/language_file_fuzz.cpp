// libFuzzer target: interface language files. Arbitrary bytes are read as an
// INI text; every section and key it lists must then be found again with its
// letters in the other case, and a key it lacks must give the caller's default.

#include "settings/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The text with its ASCII letters in the other case; other letters keep
// theirs ("ß" has no single-letter capital to come back from).
QString OtherCase(QString text)
{
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
        else if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const glimmora::TIniText ini = glimmora::TIniText::Parse(bytes);
    for (const QString& section : ini.Sections()) {
        for (const QString& key : ini.Keys(section)) {
            if (!ini.HasKey(OtherCase(section), OtherCase(key))) std::abort();
            if (ini.ReadString(section, key, "fsdef") != ini.ReadString(OtherCase(section), OtherCase(key), "x"))
                std::abort();
        }
        if (ini.ReadString(section, "\x01missing", "fsdef") != "fsdef") std::abort();
    }
    return 0;
}
