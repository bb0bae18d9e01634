#pragma once
// How scripts name sprite instances: by target path, in slash syntax
// ("/intro/logo", "../logo", "/" for the main timeline) or dot syntax
// ("_root.intro.logo", "_parent.logo", "this.logo", "_level0"), or by the
// instance name of a child. Instance names compare without letter case
// before SWF 7, as the player does.

#include "player/timeline/Stage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glimmora::player {

// The timeline that `path` names, starting from the timeline `from`.
std::optional<uint32_t> ResolveTarget(const Stage& stage, uint32_t from, std::string_view path,
                                      bool caseSensitive);
// The sprite instance called `name` on the timeline `parent`.
std::optional<uint32_t> ChildNamed(const Stage& stage, uint32_t parent, std::string_view name,
                                   bool caseSensitive);
// The display object that shows a sprite's timeline in its parent; null for
// the main timeline (or an id no longer on the stage).
const DisplayObject* InstanceOf(const Stage& stage, uint32_t id);
DisplayObject* MutableInstanceOf(Stage& stage, uint32_t id);

// "_level0.intro.logo" (dot syntax) and "/intro/logo" (slash syntax, the
// _target property); an instance without a name is called "instanceN".
std::string DotPath(const Stage& stage, uint32_t id);
std::string SlashPath(const Stage& stage, uint32_t id);

bool SameName(std::string_view a, std::string_view b, bool caseSensitive);
std::string Lowercase(std::string_view text);

}  // namespace glimmora::player
