#include "swf/fonts/FontResolver.h"

#include "swf/fonts/FontSubstitutes.h"

#include <fontconfig/fontconfig.h>

#include <memory>

// fontconfig loses a few hundred bytes for good while it parses its
// configuration (once per process, inside FcInit), and so does libdbus when a
// window system connection brings it in. Declared here, in the file every font
// user links, so that LeakSanitizer does not fail sanitised programs; the
// list of suppressions used is not printed, so that their error output stays
// what it is in a plain build.
#if defined(__SANITIZE_ADDRESS__)
#define GLIMMORA_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLIMMORA_LSAN 1
#endif
#endif
#ifdef GLIMMORA_LSAN
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

namespace glimmora::swf {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<FaceLocation> LocationOf(const FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    return FaceLocation{reinterpret_cast<const char*>(file), index};
}

bool HasFamilyName(const FcPattern* font, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0) return true;
    }
    return false;
}

PatternPtr MatchFont(FcPattern* pattern) {
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    return PatternPtr(FcFontMatch(nullptr, pattern, &result));
}

}  // namespace

FontResolver::FontResolver() { FcInit(); }
FontResolver::~FontResolver() = default;

std::optional<FaceLocation> FontResolver::InstalledFamily(const std::string& family) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    PatternPtr font = MatchFont(pattern.get());
    if (!font || !HasFamilyName(font.get(), family)) return std::nullopt;
    return LocationOf(font.get());
}

std::optional<FaceLocation> FontResolver::MatchPattern(const std::string& family, const char* lang) {
    PatternPtr pattern(FcPatternCreate());
    if (!family.empty()) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    if (lang) FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    PatternPtr font = MatchFont(pattern.get());
    if (!font) return std::nullopt;
    return LocationOf(font.get());
}

std::optional<FaceLocation> FontResolver::ResolveFamily(const std::string& family) {
    auto cached = families_.find(family);
    if (cached != families_.end()) return cached->second;

    std::optional<FaceLocation> found;
    if (!family.empty()) found = InstalledFamily(family);
    FontGenre genre = GenreOfFamily(family);
    for (const std::string& substitute : SubstituteFamilies(genre)) {
        if (found) break;
        found = InstalledFamily(substitute);
    }
    if (!found && genre == FontGenre::Chinese) found = MatchPattern({}, "zh-cn");
    if (!found) found = MatchPattern(family, nullptr);
    families_.emplace(family, found);
    return found;
}

std::optional<FaceLocation> FontResolver::FaceWithCharacter(char32_t ch) {
    auto cached = characters_.find(ch);
    if (cached != characters_.end()) return cached->second;

    std::optional<FaceLocation> found;
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, FcChar32(ch));
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result);
    if (fonts) {
        for (int i = 0; i < fonts->nfont && !found; ++i) {
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
            if (FcCharSetHasChar(charset, FcChar32(ch))) found = LocationOf(fonts->fonts[i]);
        }
        FcFontSetDestroy(fonts);
    }
    FcCharSetDestroy(wanted);
    characters_.emplace(ch, found);
    return found;
}

}  // namespace glimmora::swf
