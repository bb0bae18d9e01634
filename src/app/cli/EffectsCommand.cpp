// glimmora-cli effects: the names of the text and picture effects.

#include "app/cli/Commands.h"

#include "effects/picture/PicEffectTable.h"
#include "effects/text/TextEffects.h"

#include <iostream>

namespace glimmora::cli {

namespace {

int RunEffects(const ParsedArgs& parsed)
{
    if (!parsed.positional.empty()) throw UsageError("effects takes no arguments");
    const bool text = parsed.Flag("--text"), picture = parsed.Flag("--picture");
    if (text != picture) {
        for (const std::string& name : text ? TextEffectNames() : PicEffectNames()) std::cout << name << '\n';
        return 0;
    }
    std::cout << "Text effects:\n";
    for (const std::string& name : TextEffectNames()) std::cout << "  " << name << '\n';
    std::cout << "\nPicture effects:\n";
    for (const std::string& name : PicEffectNames()) std::cout << "  " << name << '\n';
    return 0;
}

}  // namespace

CommandSyntax EffectsCommand()
{
    CommandSyntax syntax;
    syntax.name = "effects";
    syntax.usage = {"[--text | --picture]"};
    syntax.summary = "Lists the names of the text and picture effects.";
    syntax.description =
        "An effect is chosen by its exact name, letter case and blanks included; \"-- None --\" is the still "
        "text or picture. With --text or --picture, the names of that kind alone, one a line, for scripts.";
    syntax.options = {
        {{"--text"}, "", "Only the text effects."},
        {{"--picture"}, "", "Only the picture effects."},
    };
    syntax.group = CommandGroup::Information;
    syntax.run = RunEffects;
    return syntax;
}

}  // namespace glimmora::cli
