// libFuzzer target: reads arbitrary bytes as a project file (in whatever
// encoding its declaration names), reads every movie and object property,
// and saves it. A file that saves must load again and save to the same
// bytes: the program never writes a file it cannot read back. Any outcome but
// a DocumentError or a ConversionError is a finding.

#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace glimmora;

template <typename Read>
void Try(Read read)
{
    try {
        read();
    } catch (const ConversionError&) {
    }
}

void ReadEverything(const IXMLMovie& movie)
{
    movie.BgColor();
    movie.Loop();
    Try([&] { movie.Width(); });
    Try([&] { movie.Rate(); });
    const IXMLObjList objects = movie.Obj();
    for (int i = 0; i < objects.Count() && i < 64; ++i) {
        const IXMLObj obj = objects.Items(i);
        obj.ObjName();
        Try([&] { obj.StartTime(); });
        const IXMLObjText text = obj.ObjType().ObjText();
        text.Content();
        Try([&] { text.FontSize(); });
        text.SetContent(text.Content() + "\xE4\xB8\xAD");  // a character that legacy sets may not hold
        obj.ObjType().ObjPic().EffectName();
    }
}

std::filesystem::path Scratch(const char* name)
{
    return std::filesystem::temp_directory_path() / ("glimmora-fuzz-" + std::to_string(::getpid()) + name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path input = Scratch(".gmr");
    static const std::filesystem::path saved = Scratch("-saved.gmr");
    std::ofstream(input, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    bool savedOnce = false;
    try {
        TXMLDocument document;
        document.SetFileName(input);
        ReadEverything(GetMovie(document));
        document.SaveToFile(saved);
        savedOnce = true;
        const std::string first = ReadFileBytes(saved).value_or("");

        TXMLDocument again;
        again.SetFileName(saved);
        GetMovie(again);  // must not throw: we wrote it
        again.SaveToFile(saved);
        if (ReadFileBytes(saved).value_or("") != first) std::abort();
    } catch (const DocumentError&) {
        // A file we saved ourselves that does not load again is a finding.
        if (savedOnce) std::abort();
    }
    return 0;
}
