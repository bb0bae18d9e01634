#include "swf/fonts/FontSubstitutes.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace glimmora::swf {
namespace {

std::string Lower(const std::string& s) {
    std::string out = s;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

struct KnownFamily {
    const char* name;  // lower case
    FontGenre genre;
};

constexpr std::array kKnownFamilies{
    KnownFamily{"microsoft sans serif", FontGenre::Sans}, KnownFamily{"ms sans serif", FontGenre::Sans},
    KnownFamily{"tahoma", FontGenre::Sans},               KnownFamily{"arial", FontGenre::Sans},
    KnownFamily{"verdana", FontGenre::Sans},              KnownFamily{"segoe ui", FontGenre::Sans},
    KnownFamily{"helvetica", FontGenre::Sans},            KnownFamily{"trebuchet ms", FontGenre::Sans},
    KnownFamily{"calibri", FontGenre::Sans},              KnownFamily{"ms shell dlg", FontGenre::Sans},
    KnownFamily{"ms shell dlg 2", FontGenre::Sans},       KnownFamily{"arial black", FontGenre::Sans},
    KnownFamily{"times new roman", FontGenre::Serif},     KnownFamily{"times", FontGenre::Serif},
    KnownFamily{"ms serif", FontGenre::Serif},            KnownFamily{"georgia", FontGenre::Serif},
    KnownFamily{"garamond", FontGenre::Serif},            KnownFamily{"cambria", FontGenre::Serif},
    KnownFamily{"courier new", FontGenre::Mono},          KnownFamily{"courier", FontGenre::Mono},
    KnownFamily{"consolas", FontGenre::Mono},             KnownFamily{"lucida console", FontGenre::Mono},
    KnownFamily{"simsun", FontGenre::Chinese},            KnownFamily{"nsimsun", FontGenre::Chinese},
    KnownFamily{"simhei", FontGenre::Chinese},            KnownFamily{"kaiti", FontGenre::Chinese},
    KnownFamily{"kaiti_gb2312", FontGenre::Chinese},      KnownFamily{"fangsong", FontGenre::Chinese},
    KnownFamily{"fangsong_gb2312", FontGenre::Chinese},   KnownFamily{"microsoft yahei", FontGenre::Chinese},
    KnownFamily{"mingliu", FontGenre::Chinese},           KnownFamily{"pmingliu", FontGenre::Chinese},
    KnownFamily{"dfkai-sb", FontGenre::Chinese},          KnownFamily{"microsoft jhenghei", FontGenre::Chinese},
};

}  // namespace

FontGenre GenreOfFamily(const std::string& family) {
    std::string lower = Lower(family);
    for (const KnownFamily& known : kKnownFamilies) {
        if (lower == known.name) return known.genre;
    }
    // Names such as "宋体", "黑体", "新細明體": any non-ASCII byte sequence that
    // decodes to a CJK ideograph (UTF-8 lead bytes E3..E9 cover U+3000..U+9FFF).
    for (unsigned char c : family) {
        if (c >= 0xE3 && c <= 0xE9) return FontGenre::Chinese;
    }
    return FontGenre::Unknown;
}

const std::vector<std::string>& SubstituteFamilies(FontGenre genre) {
    static const std::vector<std::string> none;
    static const std::vector<std::string> sans{"Liberation Sans", "DejaVu Sans", "Arimo"};
    static const std::vector<std::string> serif{"Liberation Serif", "DejaVu Serif", "Tinos"};
    static const std::vector<std::string> mono{"Liberation Mono", "DejaVu Sans Mono", "Cousine"};
    static const std::vector<std::string> chinese{
        "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Noto Serif CJK SC",
        "Source Han Sans SC", "AR PL UMing CN", "AR PL UKai CN", "Droid Sans Fallback"};
    switch (genre) {
    case FontGenre::Sans: return sans;
    case FontGenre::Serif: return serif;
    case FontGenre::Mono: return mono;
    case FontGenre::Chinese: return chinese;
    case FontGenre::Unknown: break;
    }
    return none;
}

}  // namespace glimmora::swf
