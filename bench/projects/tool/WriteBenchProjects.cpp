// Writes the projects of the benchmarks, each into a folder of its own:
//
//   glimmora-bench-projects FOLDER                 the standard set: busy,
//                                                  texts-100, texts-1000,
//                                                  texts-5000, pictures-500
//   glimmora-bench-projects FOLDER texts N [EFFECT]  N texts (all with EFFECT)
//   glimmora-bench-projects FOLDER pictures N        N pictures
//
// Build one with `glimmora-cli build FOLDER/texts-1000/texts-1000.gmr`.

#include "projects/BusyMovie.h"
#include "projects/LongMovies.h"

#include <cctype>
#include <charconv>
#include <exception>
#include <iostream>
#include <string>

namespace {

using namespace glimmora::bench;

int Usage()
{
    std::cerr << "usage: glimmora-bench-projects FOLDER [texts N [EFFECT] | pictures N | busy]\n";
    return 2;
}

bool ParseCount(const std::string& text, int& count)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count >= 0;
}

std::string Slug(const std::string& effect)
{
    std::string slug;
    for (char c : effect) {
        if (std::isalnum(static_cast<unsigned char>(c))) slug += char(std::tolower(static_cast<unsigned char>(c)));
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug;
}

void Written(const std::filesystem::path& project) { std::cout << project.string() << '\n'; }

void WriteTexts(const std::filesystem::path& folder, int count, const std::string& effect)
{
    TextMovieShape shape;
    shape.texts = count;
    std::string name = "texts-" + std::to_string(count);
    if (!effect.empty()) {
        shape.effects = {effect};
        name += "-" + Slug(effect);
    }
    Written(WriteTextMovie(folder / name, name, shape));
}

void WritePictures(const std::filesystem::path& folder, int count)
{
    const std::string name = "pictures-" + std::to_string(count);
    Written(WritePictureMovie(folder / name, name, count));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Usage();
    const std::filesystem::path folder = argv[1];
    try {
        if (argc == 2) {
            Written(WriteBusyProject(folder / "busy"));
            for (int count : {100, 1000, 5000}) WriteTexts(folder, count, {});
            WritePictures(folder, 500);
            return 0;
        }
        const std::string kind = argv[2];
        int count = 0;
        if (kind == "busy" && argc == 3) {
            Written(WriteBusyProject(folder / "busy"));
        } else if (kind == "texts" && (argc == 4 || argc == 5) && ParseCount(argv[3], count)) {
            WriteTexts(folder, count, argc == 5 ? argv[4] : "");
        } else if (kind == "pictures" && argc == 4 && ParseCount(argv[3], count)) {
            WritePictures(folder, count);
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::cerr << "glimmora-bench-projects: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
