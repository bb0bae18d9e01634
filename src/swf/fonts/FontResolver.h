#pragma once
// Finding installed font files through fontconfig: the face for a family name
// (with substitutes for common Windows families that are not installed) and a
// face that has a given character.

#include <map>
#include <optional>
#include <string>

namespace glimmora::swf {

struct FaceLocation {
    std::string file;
    int index = 0;  // face within a collection (.ttc)
    friend auto operator<=>(const FaceLocation&, const FaceLocation&) = default;
};

class FontResolver {
public:
    FontResolver();
    ~FontResolver();
    FontResolver(const FontResolver&) = delete;
    FontResolver& operator=(const FontResolver&) = delete;

    // The face a family name stands for; nothing only when no font is installed.
    std::optional<FaceLocation> ResolveFamily(const std::string& family);

    // An installed face that has `ch` (fontconfig's preferred one).
    std::optional<FaceLocation> FaceWithCharacter(char32_t ch);

private:
    std::optional<FaceLocation> InstalledFamily(const std::string& family);
    std::optional<FaceLocation> MatchPattern(const std::string& family, const char* lang);

    std::map<std::string, std::optional<FaceLocation>> families_;
    std::map<char32_t, std::optional<FaceLocation>> characters_;
};

}  // namespace glimmora::swf
