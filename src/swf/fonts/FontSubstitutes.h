#pragma once
// Installed families that stand in for common Windows families.

#include <string>
#include <vector>

namespace glimmora::swf {

enum class FontGenre { Unknown, Sans, Serif, Mono, Chinese };

// The genre of a well-known family name (case-insensitive); a name written
// with CJK characters counts as Chinese.
FontGenre GenreOfFamily(const std::string& family);

// Families to try, in order, for a genre (nothing for Unknown).
const std::vector<std::string>& SubstituteFamilies(FontGenre genre);

}  // namespace glimmora::swf
